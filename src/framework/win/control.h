#pragma once
// The base of every control on a window: a child window (of a Windows class or one of our
// own), or an area its parent paints (graphic_control.h), that knows its place at 96 DPI,
// its font, its colours and its events. The parent
// forwards WM_COMMAND, WM_NOTIFY, WM_DRAWITEM and WM_CTLCOLOR* here, so that a control
// handles its own click.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "colour/colour_value.h"
#include "framework/win/graphic_children.h"
#include "framework/win/handles.h"

namespace pipetto::win {

using pipetto::TColor;
class GraphicControl;

// Place and size in pixels at 96 DPI, relative to the parent.
struct Bounds96 {
    int left = 0, top = 0, width = 0, height = 0;
};

struct FontSpec {
    const wchar_t* face = nullptr; // null: the parent's font
    int height = 0;                // character height in pixels at 96 DPI
    bool bold = false;
    bool underline = false;
    bool operator==(const FontSpec&) const = default;
};

enum class Alignment { left, centre, right };
// Where a label's text sits in its height.
enum class TextLayout { top, centre, bottom };
// raised_in_lowered: a raised inner bevel inside a lowered outer one.
enum class BevelStyle { none, etched, raised, lowered, raised_in_lowered };

// How a link label looks while the mouse is over it.
struct HoverLook {
    const char* caption;
    Alignment alignment;
    TColor colour;
    FontSpec font; // no face: the label's own font
    TColor font_colour;
    TextLayout layout;
};

// A caption label that stands beside its control (an edit's ticket), at 96 DPI.
struct TicketSpec {
    const char* caption = nullptr; // null: no ticket settings
    int width = 0, height = 0;
    int position = 0; // left, top, right, bottom
    int space = 3;    // pixels between the control and its ticket
};

// The properties a window's description may give a control; each kind reads the ones it
// understands. Only values that differ from the kind's defaults are written in a table.
struct Properties {
    std::optional<TColor> colour = std::nullopt;         // background
    std::optional<TColor> font_colour = std::nullopt;    // text
    std::optional<TColor> focused_colour = std::nullopt; // background while focused or hot
    std::optional<TColor> border_colour = std::nullopt;
    bool checked = false;
    bool read_only = false;
    bool hidden = false;
    bool group = false; // starts a group of controls (radio buttons, arrow-key moves)
    bool stretch = false;
    bool transparent = false; // a label that paints its text only
    Alignment alignment = Alignment::left;
    BevelStyle bevel = BevelStyle::none;
    const char* hint = nullptr;
    const char* hint_second_line = nullptr;
    const char* url = nullptr;
    const char* popup_menu = nullptr;
    int glyph = 0;     // bitmap resource of a button's glyph, 0 for none
    int glyph_hot = 0; // and of its glyph under the pointer
    TicketSpec ticket = {};
    TextLayout layout = TextLayout::top;
    const HoverLook* hover = nullptr;
};

class Control {
  public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    HWND hwnd() const noexcept { return hwnd_; }
    static Control* from_hwnd(HWND window) noexcept;

    // Takes the state its description gives (a check box's mark), once. A control whose
    // window comes later (on a page not shown yet) holds its state meanwhile, and its
    // window shows what the control holds by then.
    void prepare(const Properties& properties);
    bool prepared() const noexcept { return prepared_; }

    // Creates the child window; called once by the window builder.
    virtual void create(HWND parent, std::string_view text, const Properties& properties, UINT dpi);

    // Where the control sits at 96 DPI, and the DPI it is laid out for.
    const Bounds96& bounds96() const noexcept { return bounds96_; }
    void set_bounds96(const Bounds96& bounds) { bounds96_ = bounds; }
    virtual void apply_dpi(UINT dpi);

    virtual void set_font(HFONT font);
    HFONT font() const noexcept { return font_; }

    void set_text(std::string_view text);
    virtual std::string text() const;
    virtual void set_visible(bool visible);
    virtual bool visible() const;

    void set_colour(TColor colour);
    // The background colour set by the description or set_colour; none for the default.
    std::optional<TColor> colour() const noexcept { return colour_; }
    void set_font_colour(TColor colour);

    std::function<void()> on_click;
    std::function<void()> on_change;

    // A notification that the parent received from this control. True when handled.
    virtual bool handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

    // Enter or Escape pressed in the control's form, and an accelerator character: true when
    // the control took it (a button clicks).
    virtual bool dialog_key(UINT) { return false; }
    virtual bool dialog_char(wchar_t) { return false; }
    // A key message while the control has the focus, before the form's own keys: true
    // when the control took it as a command of its own (a list's copy, its context menu).
    virtual bool command_key(const MSG&) { return false; }
    // The name a screen reader gives a control whose role it is told (below): what the
    // user reads there (a glyph button's hint, the caption of a link the window holds).
    virtual std::string accessible_name() const;
    // Its role (a ROLE_SYSTEM_ value) for a control Windows can't tell a client about
    // itself; 0 leaves the control to the system.
    virtual long accessible_role() const;
    // A focused control that types no characters lets a bare accelerator letter through.
    virtual bool takes_no_characters() const { return false; }

    // A windowless control that this control owns and that stands beside it on the same
    // parent (an edit's caption ticket); the window builder adds it after the control.
    virtual GraphicControl* companion() { return nullptr; }

    // The text of the control's tooltip, empty for none: the hint and its second line.
    virtual std::string hint_text(const Properties& properties) const;

    // The windowless controls this control's window paints and passes the mouse to.
    GraphicChildren& graphic_children() noexcept { return graphic_children_; }

    // Whether the control's window procedure is ours (a class of our own, or subclassed),
    // so that it can pass its mouse messages on itself.
    bool sees_own_messages() const noexcept { return own_class_ || subclassed_; }
    // The tooltip that shows the control's hint: its mouse messages go there first.
    void relay_mouse_to(HWND tooltip) noexcept { tooltip_ = tooltip; }

  protected:
    struct WindowKind {
        const wchar_t* window_class;
        DWORD style;
        DWORD ex_style = 0;
    };
    virtual WindowKind window_kind(const Properties& properties) const = 0;
    // The state a description gives, taken by prepare().
    virtual void take_state(const Properties&) {}
    // Properties, and the state the control holds, applied once the window exists.
    virtual void configure(const Properties&) {}
    // The creation height; a drop-down list needs room for its list.
    virtual int creation_height(int height) const { return height; }
    // A control that its parent places and shows (a page's sheet) keeps the place its
    // parent gave it when the DPI changes: its layout describes no place of its own. It
    // is created hidden, at place_in_parent(), and its parent shows it.
    virtual bool placed_by_parent() const { return false; }
    // Where a control placed by its parent goes in `parent`, in pixels.
    virtual RECT place_in_parent(HWND) const { return {}; }

    // Copies the control's text, zero-terminated, into `buffer` and returns its length.
    // Asks the window with WM_GETTEXT; a control whose text is its window's own title may
    // read that directly, without a message.
    virtual int read_text(wchar_t* buffer, int capacity) const;
    // Replaces the control's text with `text`, zero-terminated, of `length` characters.
    virtual void write_text(const wchar_t* text, int length);
    // Asks for a repaint of the control.
    virtual void invalidate(bool erase = true);

    // Messages of the control's own window, seen before its window procedure.
    // True when handled, with the result in `result`.
    virtual bool intercept(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
    LRESULT call_original(UINT message, WPARAM wparam, LPARAM lparam);
    // Whether the control's Windows window must be subclassed so that intercept() and
    // its children's notifications reach it. Windows of our own classes never need it.
    virtual bool needs_subclass() const { return false; }

    // Registers a window class of our own whose messages go to the control's intercept();
    // used by panels and sheets.
    static const wchar_t* own_window_class(const wchar_t* name, HBRUSH background, UINT style = 0);

    UINT dpi() const noexcept { return dpi_; }
    int scale(int pixels96) const noexcept { return MulDiv(pixels96, static_cast<int>(dpi_), 96); }
    void fire(const std::function<void()>& event) const {
        if (event)
            event();
    }
    HBRUSH background_brush();
    // Paints the graphic children that meet `update`, after the control painted itself.
    void paint_graphic_children(HDC dc, const RECT& update) const {
        graphic_children_.paint(dc, update);
    }

    std::optional<TColor> colour_;
    std::optional<TColor> font_colour_;

  private:
    static LRESULT CALLBACK subclass_procedure(HWND window, UINT message, WPARAM wparam,
                                               LPARAM lparam) noexcept;
    static LRESULT CALLBACK own_class_procedure(HWND window, UINT message, WPARAM wparam,
                                                LPARAM lparam) noexcept;
    LRESULT dispatch(UINT message, WPARAM wparam, LPARAM lparam);
    HWND hwnd_ = nullptr;
    bool subclassed_ = false;
    bool own_class_ = false;
    // The window procedure the subclass replaced.
    WNDPROC original_procedure_ = nullptr;
    HWND tooltip_ = nullptr;
    bool prepared_ = false;
    Bounds96 bounds96_;
    UINT dpi_ = 96;
    HFONT font_ = nullptr;
    Brush brush_;
    COLORREF brush_colour_ = 0;
    GraphicChildren graphic_children_;
};

// The colour a TColor is drawn in: a system colour resolves to the current scheme's.
COLORREF to_colorref(TColor colour);

} // namespace pipetto::win
