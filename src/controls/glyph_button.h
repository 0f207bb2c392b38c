#pragma once
// TGlyphButton: the program's own push button. It draws itself, never in the system's
// button look: a flat button at rest has no frame; under the pointer it gains a one-pixel
// raised frame, its hot glyph, the hot caption colour and a hand cursor; held down, the
// frame is sunken and glyph and caption move one pixel right and down.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "colour/colour_identifiers.h"
#include "framework/win/control.h"
#include "framework/win/controls/popup_menu.h"

namespace pipetto {

enum TLayout : std::uint8_t { blGlyphLeft, blGlyphBottom, blGlyphRight, blGlyphTop };
enum TStyle : std::uint8_t {
    stFlat,
    stDefault,
    stNone,
    stRaised,
    stFlatDot,
    stRaisedDot,
    stFrameLowered,
    stFrameRaised
};
enum TKind : std::uint8_t {
    skCustom,
    skOK,
    skCancel,
    skHelp,
    skYes,
    skNo,
    skClose,
    skAbort,
    skRetry,
    skIgnore,
    skAll,
    skSilly
};
enum TPositionPopup : std::uint8_t { puDown, puLeft, puRight };
enum TColorMarginDefault : std::uint8_t { cmDefault, cmCustom };

// A button's own copy of a glyph bitmap: its pixels, top row first.
struct GlyphPixels {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    bool empty() const noexcept { return pixels.empty(); }
    COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

class TGlyphButton : public win::Control {
  public:
    TGlyphButton();
    ~TGlyphButton() override;

    // Properties, with their defaults in the member initialisers below.
    bool RepeatAction() const noexcept { return repeat_action_; }
    void SetRepeatAction(bool value) { repeat_action_ = value; }
    int RepeatInterval() const noexcept { return repeat_interval_; }
    void SetRepeatInterval(int milliseconds) { repeat_interval_ = milliseconds; }
    int RepeatStartInterval() const noexcept { return repeat_start_interval_; }
    void SetRepeatStartInterval(int milliseconds) { repeat_start_interval_ = milliseconds; }
    bool ShowFocused() const noexcept { return show_focused_; }
    void SetShowFocused(bool value) { show_focused_ = value; }
    bool CursorHandCustom() const noexcept { return cursor_hand_custom_; }
    void SetCursorHandCustom(bool value) { cursor_hand_custom_ = value; }
    TKind ButtonKind() const noexcept { return kind_; }
    void SetButtonKind(TKind kind);
    TColor ColorMarginLeftTop() const noexcept { return margin_left_top_; }
    void SetColorMarginLeftTop(TColor colour);
    TColor ColorMarginRightBottom() const noexcept { return margin_right_bottom_; }
    void SetColorMarginRightBottom(TColor colour);
    TColorMarginDefault ColorMarginStyle() const noexcept { return margin_style_; }
    void SetColorMarginStyle(TColorMarginDefault style);
    // Informational; assignments are ignored.
    std::string Version() const { return "2.0 (Pipetto)"; }
    void SetVersion(const std::string&) {}
    bool PopupMenuMark() const noexcept { return popup_menu_mark_; }
    void SetPopupMenuMark(bool value);
    int PopupMenuMarkGap() const noexcept { return popup_menu_mark_gap_; }
    void SetPopupMenuMarkGap(int pixels);
    TPositionPopup PositionPopup() const noexcept { return position_popup_; }
    void SetPositionPopup(TPositionPopup position) { position_popup_ = position; }
    bool PlayMusic() const noexcept { return play_music_; }
    void SetPlayMusic(bool value) { play_music_ = value; }
    win::PopupMenu* PopupMenu() const noexcept { return popup_menu_; }
    void SetPopupMenu(win::PopupMenu* menu);
    TColor HotTrackColor() const noexcept { return hot_track_colour_; }
    void SetHotTrackColor(TColor colour) { hot_track_colour_ = colour; }
    bool HotTrack() const noexcept { return hot_track_; }
    void SetHotTrack(bool value) { hot_track_ = value; }
    int Spacing() const noexcept { return spacing_; }
    void SetSpacing(int pixels);
    int SpacingLayout() const noexcept { return spacing_layout_; }
    void SetSpacingLayout(int pixels);
    int NumGlyphs() const noexcept { return num_glyphs_; }
    void SetNumGlyphs(int cells);
    int NumGlyphsHot() const noexcept { return num_glyphs_hot_; }
    void SetNumGlyphsHot(int cells);
    const GlyphPixels& Glyph() const noexcept { return glyph_; }
    void SetGlyph(HBITMAP bitmap);
    const GlyphPixels& GlyphHot() const noexcept { return glyph_hot_; }
    void SetGlyphHot(HBITMAP bitmap);
    TLayout Layout() const noexcept { return layout_; }
    void SetLayout(TLayout layout);
    TStyle ButtonStyle() const noexcept { return style_; }
    void SetButtonStyle(TStyle style);
    bool Cancel() const noexcept { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    bool Default() const noexcept { return default_; }
    void SetDefault(bool value) { default_ = value; }
    const std::string& Hint() const noexcept { return hint_; }
    void SetHint(std::string hint) { hint_ = std::move(hint); }
    const std::string& HintSecondLine() const noexcept { return hint_second_line_; }
    void SetHintSecondLine(std::string line);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    // The application cursor slot shown over the button: 1 while the hand is shown.
    int Cursor() const noexcept { return cursor_; }
    // The face colour; the parent's button face unless set.
    TColor Color() const noexcept { return colour_.value_or(clBtnFace); }
    void SetColor(TColor colour);
    int HelpContext() const noexcept { return help_context_; }
    void SetHelpContext(int context) { help_context_ = context; }

    // Events besides the control's on_click.
    std::function<void()> OnMouseOver, OnMouseOut, OnMouseDown, OnMouseUp;

    // What a click does: skHelp asks for help, skClose closes the form, the rest fire OnClick.
    void Click();

    void set_font(HFONT font) override;
    bool dialog_key(UINT key) override;
    bool dialog_char(wchar_t character) override;
    bool takes_no_characters() const override { return true; }
    std::string hint_text(const win::Properties& properties) const override;
    // A button without a caption is named by its hint's first line ("Open Loupe").
    std::string accessible_name() const override;
    long accessible_role() const override;

  protected:
    WindowKind window_kind(const win::Properties& properties) const override;
    void configure(const win::Properties& properties) override;
    bool intercept(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  private:
    enum class Look { resting, hot, pressed };
    enum class CaptionState { initial, hot, normal };

    // The looks, drawn at once onto the window, or into a paint session.
    void draw(Look look);
    void paint_look(HDC dc, Look look);
    void draw_frame(HDC dc, RECT& area, int width, COLORREF left_top, COLORREF right_bottom) const;
    void draw_image(HDC dc, const RECT& area, Look look, COLORREF face);
    void draw_cell(HDC dc, const GlyphPixels& image, int cells, int cell, int x, int y,
                   COLORREF face) const;
    void draw_embossed(HDC dc, const GlyphPixels& image, int cells, int x, int y) const;
    void draw_caption(HDC dc, const RECT& area) const;
    SIZE caption_extent(HDC dc) const;
    const GlyphPixels& image_for(Look look) const;
    int glyph_cells_for(const GlyphPixels& image) const;
    bool uses_system_face() const noexcept;
    bool has_focus_rectangle() const noexcept;
    // Whole multiples only: a glyph blurred by stretching reads worse than a small one.
    int unit() const noexcept;

    void mouse_moved(POINT point);
    void pointer_entered();
    void pointer_left();
    void left_pressed();
    void left_released(POINT point);
    void stop_timers();
    void play_click_sound() const;
    bool can_focus() const;
    void set_glyph(GlyphPixels& target, int& cells, HBITMAP& source, HBITMAP bitmap);
    void set_glyph_pixels(GlyphPixels& target, int& cells, const GlyphPixels& pixels);

    bool repeat_action_ = false;
    int repeat_interval_ = 50;
    int repeat_start_interval_ = 50;
    bool show_focused_ = true;
    bool cursor_hand_custom_ = true;
    TKind kind_ = skCustom;
    TColor margin_left_top_ = clBtnHighlight;
    TColor margin_right_bottom_ = clBtnShadow;
    TColorMarginDefault margin_style_ = cmDefault;
    bool popup_menu_mark_ = false;
    int popup_menu_mark_gap_ = 5;
    TPositionPopup position_popup_ = puDown;
    bool play_music_ = false;
    win::PopupMenu* popup_menu_ = nullptr;
    TColor hot_track_colour_ = clBlue;
    bool hot_track_ = true;
    int spacing_ = 4;
    int spacing_layout_ = 3;
    int num_glyphs_ = 2;
    int num_glyphs_hot_ = 2;
    GlyphPixels glyph_, glyph_hot_, menu_arrow_;
    HBITMAP glyph_source_ = nullptr, glyph_hot_source_ = nullptr;
    TLayout layout_ = blGlyphLeft;
    TStyle style_ = stFlat;
    bool cancel_ = false;
    bool default_ = false;
    std::string hint_, hint_second_line_;
    int cursor_ = 0;
    int help_context_ = 0;

    // State besides the properties.
    int resting_width_ = 0, hot_width_ = 1;
    TColor left_top_ = clBtnHighlight, right_bottom_ = clBtnShadow;
    bool dotted_ = false;
    CaptionState caption_state_ = CaptionState::initial;
    bool pointer_has_left_ = false;
    int pressed_offset_ = 0;
    bool focused_ = false;
    bool pointer_inside_ = false;
    bool pressed_by_mouse_ = false; // a left press on the button, not yet released
};

} // namespace pipetto
