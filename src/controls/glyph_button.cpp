#include "controls/glyph_button.h"

#include <oleacc.h>

#include <mmsystem.h>

#include <algorithm>

#include "framework/win/application.h"
#include "framework/win/dib_format.h"
#include "framework/win/handles.h"
#include "framework/win/system_library.h"
#include "framework/win/win_text.h"

namespace pipetto {
namespace {

constexpr UINT_PTR start_timer = 1;
constexpr UINT_PTR repeat_timer = 2;

// Truncating toward zero, as the layout of glyph and caption is stated.
int half(int value) {
    return value / 2;
}

struct KindResources {
    const wchar_t* glyph;
    const wchar_t* glyph_hot;
    const char* caption;
};

KindResources resources_of(TKind kind) {
    switch (kind) {
    case skOK:
        return {L"DAGBTN", L"DABTN", "OK"};
    case skCancel:
        return {L"IKSICGBTN", L"IKSICBTN", "Cancel"};
    case skHelp:
        return {L"POMOCGBTN", L"POMOCBTN", "&Help"};
    case skYes:
        return {L"DAGBTN", L"DABTN", "&Yes"};
    case skNo:
        return {L"NEGBTN", L"NEBTN", "&No"};
    case skClose:
        return {L"EXITGBTN", L"EXITBTN", "&Close"};
    case skAbort:
        return {L"IKSICGBTN", L"IKSICBTN", "Abort"};
    case skRetry:
        return {L"RETRIGBTN", L"RETRIBTN", "&Retry"};
    case skIgnore:
        return {L"IGNOGBTN", L"IGNOBTN", "&Ignore"};
    case skAll:
        return {L"SVEGBTN", L"SVEBTN", "&All"};
    case skSilly:
        return {L"GLUPIGBTN", L"GLUPIBTN", "&Silly"};
    case skCustom:
        break;
    }
    return {nullptr, nullptr, ""};
}

win::Bitmap load_bitmap(const wchar_t* name) {
    return win::Bitmap(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

GlyphPixels pixels_of(HBITMAP bitmap) {
    GlyphPixels copy;
    BITMAP shape{};
    if (!bitmap || !GetObjectW(bitmap, sizeof shape, &shape) || shape.bmWidth <= 0 ||
        shape.bmHeight <= 0)
        return copy;
    // Not const: GetDIBits may fill in the rest of the header.
    BITMAPINFO format = win::top_down_32_bit_format(shape.bmWidth, shape.bmHeight);
    std::vector<RGBQUAD> quads(static_cast<size_t>(shape.bmWidth) * shape.bmHeight);
    // Any DC tells GetDIBits the format; a memory DC is made without the server, the
    // screen's is not.
    const win::MemoryDC dc(CreateCompatibleDC(nullptr));
    if (!GetDIBits(dc.get(), bitmap, 0, shape.bmHeight, quads.data(), &format, DIB_RGB_COLORS))
        return copy;
    copy.width = shape.bmWidth;
    copy.height = shape.bmHeight;
    copy.pixels.reserve(quads.size());
    for (const RGBQUAD& quad : quads)
        copy.pixels.push_back(RGB(quad.rgbRed, quad.rgbGreen, quad.rgbBlue));
    return copy;
}

// The cell count a glyph of w by h pixels implies; the last rule that applies wins, and
// when none does the count stays.
int derived_cell_count(int w, int h, int previous) {
    int cells = previous;
    if (w < h)
        cells = 1;
    if (w / h < 2)
        cells = 1;
    if (w % h == 0)
        cells = w / h > 4 ? 1 : w / h;
    return cells;
}

bool derives_cell_count(int w, int h) {
    return w < h || w / h < 2 || w % h == 0;
}

void fill(HDC dc, const RECT& area, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

} // namespace

TGlyphButton::TGlyphButton() {
    set_bounds96({0, 0, 75, 25});
    SetButtonStyle(stFlat);
}

TGlyphButton::~TGlyphButton() {
    if (popup_menu_)
        popup_menu_->remove_free_notification(this);
}

win::Control::WindowKind TGlyphButton::window_kind(const win::Properties&) const {
    return {own_window_class(L"TGlyphButton", nullptr, CS_DBLCLKS), 0};
}

namespace {

// The twelve copy buttons share two glyphs: each resource is read once per run.
const GlyphPixels& glyph_resource(int id) {
    static std::vector<std::pair<int, GlyphPixels>> loaded;
    for (const auto& [resource, pixels] : loaded)
        if (resource == id)
            return pixels;
    loaded.emplace_back(id, pixels_of(load_bitmap(MAKEINTRESOURCEW(id)).get()));
    return loaded.back().second;
}

} // namespace

void TGlyphButton::configure(const win::Properties& properties) {
    if (properties.glyph)
        set_glyph_pixels(glyph_, num_glyphs_, glyph_resource(properties.glyph));
    if (properties.glyph_hot)
        set_glyph_pixels(glyph_hot_, num_glyphs_hot_, glyph_resource(properties.glyph_hot));
    hint_ = properties.hint ? properties.hint : "";
    if (properties.hint_second_line)
        SetHintSecondLine(properties.hint_second_line);
}

std::string TGlyphButton::hint_text(const win::Properties&) const {
    return hint_;
}

std::string TGlyphButton::accessible_name() const {
    // A screen reader reads "Import", not the "&" that marks its access key.
    if (const std::string caption = text(); !caption.empty()) {
        std::string name;
        for (size_t i = 0; i < caption.size(); ++i) {
            // "&&" stands for one "&"; a lone "&" for none.
            if (caption[i] == '&' && ++i == caption.size())
                break;
            name += caption[i];
        }
        return name;
    }
    return hint_.substr(0, hint_.find_first_of("\r\n"));
}

long TGlyphButton::accessible_role() const {
    return ROLE_SYSTEM_PUSHBUTTON;
}

// Property setters.

void TGlyphButton::SetButtonKind(TKind kind) {
    if (kind != kind_) {
        glyph_ = {};
        glyph_hot_ = {};
        glyph_source_ = glyph_hot_source_ = nullptr;
        const KindResources resources = resources_of(kind);
        if (resources.glyph) {
            // A resource that is missing leaves the image empty; an empty image draws nothing.
            glyph_ = pixels_of(load_bitmap(resources.glyph).get());
            glyph_hot_ = pixels_of(load_bitmap(resources.glyph_hot).get());
            set_text(resources.caption);
        }
    }
    kind_ = kind;
    if (kind != skCustom)
        num_glyphs_ = num_glyphs_hot_ = 1;
    cancel_ = kind == skCancel || kind == skNo;
    default_ = kind == skOK || kind == skYes;
    invalidate();
}

namespace {

struct Frame {
    int resting, hot;
    TColor left_top, right_bottom;
};

// The frame widths and colours each style brings.
Frame frame_of(TStyle style) {
    switch (style) {
    case stDefault:
        return {1, 1, clBtnHighlight, clBlack};
    case stNone:
        return {0, 0, clBtnHighlight, clBtnShadow};
    case stRaised:
    case stRaisedDot:
        return {2, 2, clBtnHighlight, clBtnShadow};
    case stFrameLowered:
        return {1, 1, clBtnShadow, clBtnHighlight};
    case stFrameRaised:
        return {1, 1, clBtnHighlight, clBtnShadow};
    case stFlat:
    case stFlatDot:
        break;
    }
    return {0, 1, clBtnHighlight, clBtnShadow};
}

} // namespace

void TGlyphButton::SetColorMarginLeftTop(TColor colour) {
    if (colour == margin_left_top_)
        return;
    margin_left_top_ = left_top_ = colour;
    if (margin_style_ == cmDefault && style_ != stNone && colour != frame_of(style_).left_top)
        margin_style_ = cmCustom;
    invalidate();
}

void TGlyphButton::SetColorMarginRightBottom(TColor colour) {
    if (colour == margin_right_bottom_)
        return;
    margin_right_bottom_ = right_bottom_ = colour;
    if (margin_style_ == cmDefault && style_ != stNone && colour != frame_of(style_).right_bottom)
        margin_style_ = cmCustom;
    invalidate();
}

void TGlyphButton::SetColorMarginStyle(TColorMarginDefault style) {
    margin_style_ = style;
    if (style == cmDefault)
        SetButtonStyle(style_);
    invalidate();
}

void TGlyphButton::SetButtonStyle(TStyle style) {
    style_ = style;
    const Frame frame = frame_of(style);
    resting_width_ = frame.resting;
    hot_width_ = frame.hot;
    dotted_ = style == stFlatDot || style == stRaisedDot;
    // stNone changes no colour; under cmCustom the custom colours stay.
    if (margin_style_ == cmDefault && style != stNone) {
        left_top_ = margin_left_top_ = frame.left_top;
        right_bottom_ = margin_right_bottom_ = frame.right_bottom;
    }
    if (uses_system_face())
        colour_ = clBtnFace;
    invalidate();
}

void TGlyphButton::SetPopupMenuMark(bool value) {
    popup_menu_mark_ = value;
    invalidate();
}

void TGlyphButton::SetPopupMenuMarkGap(int pixels) {
    pixels = std::clamp(pixels, 1, 5);
    if (pixels == popup_menu_mark_gap_)
        return;
    popup_menu_mark_gap_ = pixels;
    invalidate();
}

void TGlyphButton::SetPopupMenu(win::PopupMenu* menu) {
    if (popup_menu_)
        popup_menu_->remove_free_notification(this);
    popup_menu_ = menu;
    if (menu)
        menu->add_free_notification(this, [this] { popup_menu_ = nullptr; });
}

void TGlyphButton::SetSpacing(int pixels) {
    pixels = std::clamp(pixels, 1, 5);
    if (pixels == spacing_)
        return;
    spacing_ = pixels;
    invalidate();
}

void TGlyphButton::SetSpacingLayout(int pixels) {
    pixels = std::clamp(pixels, -5, 5);
    if (pixels == spacing_layout_)
        return;
    spacing_layout_ = pixels;
    invalidate();
}

void TGlyphButton::SetNumGlyphs(int cells) {
    cells = std::clamp(cells, 1, 4);
    if (cells == num_glyphs_)
        return;
    num_glyphs_ = cells;
    invalidate();
}

void TGlyphButton::SetNumGlyphsHot(int cells) {
    cells = std::clamp(cells, 1, 4);
    if (cells == num_glyphs_hot_)
        return;
    num_glyphs_hot_ = cells;
    invalidate();
}

void TGlyphButton::set_glyph(GlyphPixels& target, int& cells, HBITMAP& source, HBITMAP bitmap) {
    if (bitmap != source || !bitmap) {
        source = bitmap;
        set_glyph_pixels(target, cells, pixels_of(bitmap));
    }
    kind_ = skCustom;
}

void TGlyphButton::set_glyph_pixels(GlyphPixels& target, int& cells, const GlyphPixels& pixels) {
    target = pixels;
    if (target.empty()) {
        invalidate();
    } else if (derives_cell_count(target.width, target.height)) {
        cells = derived_cell_count(target.width, target.height, cells);
        invalidate();
    }
    kind_ = skCustom;
}

void TGlyphButton::SetGlyph(HBITMAP bitmap) {
    set_glyph(glyph_, num_glyphs_, glyph_source_, bitmap);
}

void TGlyphButton::SetGlyphHot(HBITMAP bitmap) {
    set_glyph(glyph_hot_, num_glyphs_hot_, glyph_hot_source_, bitmap);
}

void TGlyphButton::SetLayout(TLayout layout) {
    layout_ = layout;
    invalidate();
}

// Each assignment appends again, as the forms' loading relies on: the hint is read first.
void TGlyphButton::SetHintSecondLine(std::string line) {
    hint_second_line_ = std::move(line);
    if (!hint_.empty() && !hint_second_line_.empty())
        hint_ += "\r" + hint_second_line_;
}

bool TGlyphButton::Enabled() const {
    return IsWindowEnabled(hwnd()) != FALSE;
}

void TGlyphButton::SetEnabled(bool enabled) {
    EnableWindow(hwnd(), enabled);
    invalidate();
}

void TGlyphButton::SetColor(TColor colour) {
    // The styles with a system edge keep the button face whatever is asked.
    set_colour(uses_system_face() ? clBtnFace : colour);
}

void TGlyphButton::set_font(HFONT font) {
    Control::set_font(font);
    invalidate();
}

// Clicks and keys.

void TGlyphButton::Click() {
    if (kind_ == skHelp && help_context_ != 0) {
        HELPINFO help{};
        help.cbSize = sizeof help;
        help.iContextType = HELPINFO_WINDOW;
        help.hItemHandle = hwnd();
        help.dwContextId = static_cast<DWORD_PTR>(help_context_);
        SendMessageW(GetAncestor(hwnd(), GA_ROOT), WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
        return;
    }
    if (kind_ == skClose) {
        if (const HWND form = GetAncestor(hwnd(), GA_ROOT); form && form != hwnd()) {
            SendMessageW(form, WM_CLOSE, 0, 0);
            return;
        }
    }
    fire(on_click);
}

bool TGlyphButton::can_focus() const {
    return hwnd() && IsWindowVisible(hwnd()) && IsWindowEnabled(hwnd());
}

bool TGlyphButton::dialog_key(UINT key) {
    if (!can_focus())
        return false;
    // A focused glyph button is the active one; otherwise the default button is.
    Control* focused = from_hwnd(GetFocus());
    const auto* focused_button = dynamic_cast<TGlyphButton*>(focused);
    const bool active = focused_button ? focused_button == this : default_;
    if ((key == VK_RETURN && active) || (key == VK_ESCAPE && cancel_)) {
        Click();
        return true;
    }
    return false;
}

bool TGlyphButton::dialog_char(wchar_t character) {
    const std::wstring caption = win::widen(text());
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&')
            continue;
        if (caption[i + 1] == L'&') {
            ++i; // "&&" shows one ampersand
            continue;
        }
        const auto upper = [](wchar_t c) {
            return static_cast<wchar_t>(reinterpret_cast<UINT_PTR>(
                CharUpperW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(c)))));
        };
        if (upper(caption[i + 1]) != upper(character) || !can_focus())
            return false;
        Click();
        return true;
    }
    return false;
}

// Messages.

bool TGlyphButton::intercept(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    const POINT point{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
    switch (message) {
    case WM_ERASEBKGND:
        result = 1; // painted whole in WM_PAINT
        return true;
    case WM_PAINT: {
        win::PaintSession paint(hwnd());
        paint_look(paint.dc(), Look::resting);
        result = 0;
        return true;
    }
    case WM_GETFONT:
        // The window class keeps no font of its own; answer with the one the caption uses.
        result = reinterpret_cast<LRESULT>(font());
        return true;
    case BM_CLICK:
        // As a Windows button answers it: tools that drive buttons by message work here too.
        Click();
        result = 0;
        return true;
    case WM_SETTEXT:
        result = call_original(message, wparam, lparam);
        invalidate();
        return true;
    case WM_ENABLE:
        invalidate();
        return false;
    case WM_SETCURSOR:
        if (LOWORD(lparam) != HTCLIENT || !win::Application::exists())
            return false;
        SetCursor(win::Application::current().cursor(cursor_));
        result = TRUE;
        return true;
    case WM_MOUSEMOVE:
        mouse_moved(point);
        return false;
    case WM_MOUSELEAVE:
        // While the button holds the mouse, its moves tell when the pointer leaves.
        if (GetCapture() != hwnd() && pointer_inside_) {
            pointer_inside_ = false;
            pointer_left();
        }
        result = 0;
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // The second press of a double click is a press like the first, so it clicks again.
        if (IsWindowEnabled(hwnd())) {
            mouse_moved(point);
            SetCapture(hwnd());
            pressed_by_mouse_ = true;
            left_pressed();
        }
        result = 0;
        return true;
    case WM_LBUTTONUP:
        left_released(point);
        result = 0;
        return true;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lparam) != hwnd())
            pressed_by_mouse_ = false;
        return false;
    case WM_TIMER:
        if (wparam == start_timer) {
            KillTimer(hwnd(), start_timer);
            if (repeat_action_)
                SetTimer(hwnd(), repeat_timer, static_cast<UINT>(repeat_interval_), nullptr);
        } else if (wparam == repeat_timer && repeat_action_) {
            fire(on_click); // the repeat fires OnClick itself, not through Click
        }
        result = 0;
        return true;
    case WM_SETFOCUS:
        if (has_focus_rectangle()) {
            focused_ = true;
            invalidate();
        }
        return false;
    case WM_KILLFOCUS:
        if (has_focus_rectangle()) {
            focused_ = false;
            if (show_focused_)
                invalidate();
        }
        return false;
    case WM_UPDATEUISTATE:
        // Alt pressed: the access key's underline shows, or goes again.
        if (HIWORD(wparam) & UISF_HIDEACCEL)
            invalidate();
        return false;
    default:
        return false;
    }
}

void TGlyphButton::mouse_moved(POINT point) {
    RECT client;
    GetClientRect(hwnd(), &client);
    const bool inside = PtInRect(&client, point) != FALSE;
    if (inside && !pointer_inside_) {
        pointer_inside_ = true;
        TRACKMOUSEEVENT tracking{sizeof tracking, TME_LEAVE, hwnd(), 0};
        TrackMouseEvent(&tracking);
        pointer_entered();
    } else if (!inside && pointer_inside_) {
        pointer_inside_ = false;
        pointer_left();
    }
}

void TGlyphButton::pointer_entered() {
    if (!IsWindowEnabled(hwnd()))
        return;
    fire(OnMouseOver);
    pressed_offset_ = 0;
    if (has_focus_rectangle() && popup_menu_)
        SetFocus(hwnd());
    if (cursor_hand_custom_ && win::Application::exists()) {
        win::Application& application = win::Application::current();
        application.set_cursor(
            1, win::CursorHandle(static_cast<HCURSOR>(
                   LoadImageW(GetModuleHandleW(nullptr), L"HANDBTN", IMAGE_CURSOR, 0, 0, 0))));
        cursor_ = 1;
        SetCursor(application.cursor(1));
    }
    caption_state_ = CaptionState::hot;
    if (play_music_)
        play_click_sound();
    if (style_ == stFlat || style_ == stFlatDot) {
        left_top_ = margin_style_ == cmDefault ? clBtnHighlight : margin_left_top_;
        right_bottom_ = margin_style_ == cmDefault ? clBtnShadow : margin_right_bottom_;
    }
    draw(Look::hot);
    pointer_has_left_ = false;
}

void TGlyphButton::pointer_left() {
    if (!IsWindowEnabled(hwnd()))
        return;
    fire(OnMouseOut);
    pressed_offset_ = 0;
    if (cursor_hand_custom_ && win::Application::exists()) {
        win::Application::current().set_cursor(0, {});
        cursor_ = 0;
    }
    if (repeat_action_)
        stop_timers();
    caption_state_ = CaptionState::normal;
    draw(Look::resting);
    pointer_has_left_ = true;
}

void TGlyphButton::left_pressed() {
    if (repeat_action_)
        SetTimer(hwnd(), start_timer, static_cast<UINT>(repeat_start_interval_), nullptr);
    caption_state_ = CaptionState::hot;
    pressed_offset_ = 1;
    draw(Look::pressed);
    // Without a menu the press ends here: OnMouseDown is not fired.
    if (!popup_menu_)
        return;
    pressed_by_mouse_ = false;
    ReleaseCapture();
    RECT window;
    GetWindowRect(hwnd(), &window);
    const int width = window.right - window.left, height = window.bottom - window.top;
    switch (position_popup_) {
    case puDown:
        popup_menu_->popup(hwnd(), {window.left - 1, window.top + height}, TPM_LEFTALIGN);
        break;
    case puLeft:
        popup_menu_->popup(hwnd(), {window.left - 1, window.top}, TPM_RIGHTALIGN);
        break;
    case puRight:
        popup_menu_->popup(hwnd(), {window.left + width + 1, window.top}, TPM_LEFTALIGN);
        break;
    }
    if (!hwnd())
        return;
    pressed_offset_ = 0;
    caption_state_ = CaptionState::normal;
    draw(Look::resting);
    if (repeat_action_)
        stop_timers();
    fire(OnMouseDown);
}

void TGlyphButton::left_released(POINT point) {
    if (!pressed_by_mouse_)
        return;
    pressed_by_mouse_ = false;
    ReleaseCapture();
    RECT client;
    GetClientRect(hwnd(), &client);
    const bool inside = PtInRect(&client, point) != FALSE;
    // The click comes first: while OnClick runs the button still looks pressed.
    if (inside)
        Click();
    if (!hwnd() || pointer_has_left_ || !IsWindowEnabled(hwnd()))
        return;
    stop_timers();
    pressed_offset_ = 0;
    draw(Look::hot);
    if (has_focus_rectangle())
        SetFocus(hwnd());
    fire(OnMouseUp);
    if (inside) {
        // The capture may have swallowed the leave tracking.
        TRACKMOUSEEVENT tracking{sizeof tracking, TME_LEAVE, hwnd(), 0};
        TrackMouseEvent(&tracking);
    }
}

void TGlyphButton::stop_timers() {
    KillTimer(hwnd(), start_timer);
    KillTimer(hwnd(), repeat_timer);
}

// Played asynchronously: a synchronous sound would hold the whole user interface until it
// ends, each time the pointer enters a button.
void TGlyphButton::play_click_sound() const {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, L"PREKO", L"WAVE");
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    static const win::SystemLibrary winmm(L"winmm.dll");
    static const auto play_sound = winmm.function<decltype(sndPlaySoundW)>("sndPlaySoundW");
    if (const void* sound = loaded ? LockResource(loaded) : nullptr; sound && play_sound)
        play_sound(static_cast<LPCWSTR>(sound), SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

// Drawing.

bool TGlyphButton::uses_system_face() const noexcept {
    return style_ == stDefault || style_ == stFrameLowered || style_ == stFrameRaised;
}

bool TGlyphButton::has_focus_rectangle() const noexcept {
    return uses_system_face();
}

int TGlyphButton::unit() const noexcept {
    return std::max(1, static_cast<int>(dpi()) / 96);
}

const GlyphPixels& TGlyphButton::image_for(Look look) const {
    if (look != Look::resting && !glyph_.empty() && !glyph_hot_.empty() && IsWindowEnabled(hwnd()))
        return glyph_hot_;
    return glyph_;
}

int TGlyphButton::glyph_cells_for(const GlyphPixels& image) const {
    return &image == &glyph_hot_ ? num_glyphs_hot_ : num_glyphs_;
}

void TGlyphButton::draw(Look look) {
    if (!hwnd())
        return;
    win::WindowDC dc(hwnd());
    paint_look(dc.get(), look);
}

void TGlyphButton::paint_look(HDC target, Look look) {
    RECT client;
    GetClientRect(hwnd(), &client);
    if (IsRectEmpty(&client))
        return;
    // Drawn off screen first, so that a look never shows half drawn.
    win::MemoryDC dc(CreateCompatibleDC(target));
    win::Bitmap canvas(CreateCompatibleBitmap(target, client.right, client.bottom));
    win::SelectedObject selected(dc.get(), canvas.get());

    RECT area = client;
    const COLORREF face = win::to_colorref(uses_system_face() ? clBtnFace : Color());
    const int width = (look == Look::resting ? resting_width_ : hot_width_) * unit();
    COLORREF left_top = win::to_colorref(left_top_);
    COLORREF right_bottom = win::to_colorref(right_bottom_);
    if (look == Look::pressed)
        std::swap(left_top, right_bottom);
    draw_frame(dc.get(), area, width, left_top, right_bottom);
    fill(dc.get(), area, face);
    if (style_ == stFrameRaised)
        InflateRect(&area, -1, -1);
    if (uses_system_face())
        DrawEdge(dc.get(), &area, BDR_RAISEDINNER | (look == Look::pressed ? BDR_SUNKENOUTER : 0),
                 BF_RECT | BF_MIDDLE);
    draw_image(dc.get(), area, look, face);
    if (has_focus_rectangle() && show_focused_ && focused_) {
        RECT focus = area;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc.get(), &focus);
    }
    BitBlt(target, 0, 0, client.right, client.bottom, dc.get(), 0, 0, SRCCOPY);
}

// The frame, one ring per pixel of width: top and left edges in the top-left colour, then
// right and bottom edges in the other, so the top-right and bottom-left corner pixels take
// the bottom-right colour.
void TGlyphButton::draw_frame(HDC dc, RECT& area, int width, COLORREF left_top,
                              COLORREF right_bottom) const {
    if (width <= 0)
        return;
    const int pen_style = dotted_ ? PS_DOT : PS_SOLID;
    win::Pen light(CreatePen(pen_style, 1, left_top));
    win::Pen dark(CreatePen(pen_style, 1, right_bottom));
    SetBkMode(dc, TRANSPARENT);
    --area.right;
    --area.bottom;
    for (int ring = 0; ring < width; ++ring) {
        {
            win::SelectedObject pen(dc, light.get());
            MoveToEx(dc, area.left, area.bottom, nullptr);
            LineTo(dc, area.left, area.top);
            LineTo(dc, area.right, area.top);
        }
        win::SelectedObject pen(dc, dark.get());
        LineTo(dc, area.right, area.bottom);
        LineTo(dc, area.left - 1, area.bottom);
        InflateRect(&area, -1, -1);
    }
    ++area.right;
    ++area.bottom;
}

SIZE TGlyphButton::caption_extent(HDC dc) const {
    const std::wstring caption = win::widen(text());
    RECT needed{0, 0, 0, 0};
    win::SelectedObject font(dc, this->font() ? static_cast<HGDIOBJ>(this->font())
                                              : GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &needed,
              DT_CALCRECT | DT_EXPANDTABS | DT_CENTER);
    return {needed.right, needed.bottom};
}

void TGlyphButton::draw_image(HDC dc, const RECT& area, Look look, COLORREF face) {
    const int u = unit();
    const int offset = pressed_offset_ * u;
    const bool has_caption = GetWindowTextLengthW(hwnd()) > 0;
    const GlyphPixels& image = image_for(look);
    const int cells = glyph_cells_for(image);
    const int area_width = area.right - area.left, area_height = area.bottom - area.top;
    RECT caption{};

    if (!image.empty()) {
        const int gw = image.width / cells * u, gh = image.height * u;
        int x = 0, y = 0;
        if (!has_caption) {
            x = area.left + half(area_width - gw) + offset;
            y = area.top + half(area_height - gh) + offset;
            if (popup_menu_mark_)
                x -= 5 * u;
        } else {
            const SIZE text = caption_extent(dc);
            const int tw = text.cx, th = text.cy, sl = spacing_layout_ * u, sp = spacing_ * u;
            POINT at{};
            switch (layout_) {
            case blGlyphLeft:
                x = area.left + half(area_width - tw - gw) - sl + offset;
                y = area.top + half(area_height - gh) + offset;
                at = {x + gw + sp, y + half(gh - th)};
                break;
            case blGlyphRight:
                x = area.left + half(area_width + tw - gw) + sl + offset;
                y = area.top + half(area_height - gh) + offset;
                at = {x - tw - sp, y + half(gh - th)};
                break;
            case blGlyphBottom:
                x = area.left + half(area_width - gw) + offset;
                y = area.top + half(area_height - gh) + half(th) + sl + offset;
                at = {x + half(gw) - half(tw), y - 8 * u - sp - half(th)};
                break;
            case blGlyphTop:
                x = area.left + half(area_width - gw) + offset;
                y = area.top + half(area_height - gh) - half(th) - sl + offset;
                at = {x + half(gw) - half(tw), y + gh + sp};
                break;
            }
            caption = {at.x, at.y, at.x + tw, at.y + th};
        }
        const bool enabled = IsWindowEnabled(hwnd()) != FALSE;
        if (enabled || (&image == &glyph_ && num_glyphs_ == 2))
            draw_cell(dc, image, cells, !enabled && &image == &glyph_ && num_glyphs_ == 2 ? 1 : 0,
                      x, y, face);
        else
            draw_embossed(dc, image, cells, x, y);
        const bool arrow_beside =
            !has_caption || (layout_ != blGlyphLeft && layout_ != blGlyphRight);
        if (popup_menu_mark_ && arrow_beside && menu_arrow_.empty())
            menu_arrow_ = pixels_of(load_bitmap(L"STRELA").get());
        if (popup_menu_mark_ && arrow_beside && !menu_arrow_.empty())
            draw_cell(dc, menu_arrow_, 1, 0, x + gw + popup_menu_mark_gap_ * u,
                      y + half(gh - menu_arrow_.height * u), face);
    } else if (has_caption) {
        const SIZE text = caption_extent(dc);
        const int x = area.left + half(area_width - text.cx) + offset;
        const int y = area.top + half(area_height - text.cy) + offset;
        caption = {x, y, x + text.cx, y + text.cy};
    }
    if (has_caption)
        draw_caption(dc, caption);
}

// One cell of the image, its transparent colour (the cell's bottom-left pixel) in the face
// colour, stretched by the whole multiple of the DPI.
void TGlyphButton::draw_cell(HDC dc, const GlyphPixels& image, int cells, int cell, int x, int y,
                             COLORREF face) const {
    const int cell_width = image.width / cells;
    if (cell_width <= 0)
        return;
    const int left = cell * cell_width;
    const COLORREF transparent = image.at(left, image.height - 1);
    std::vector<RGBQUAD> quads;
    quads.reserve(static_cast<size_t>(cell_width) * image.height);
    for (int row = 0; row < image.height; ++row)
        for (int column = left; column < left + cell_width; ++column) {
            const COLORREF pixel =
                image.at(column, row) == transparent ? face : image.at(column, row);
            quads.push_back({GetBValue(pixel), GetGValue(pixel), GetRValue(pixel), 0});
        }
    const BITMAPINFO format = win::top_down_32_bit_format(cell_width, image.height);
    const int u = unit();
    StretchDIBits(dc, x, y, cell_width * u, image.height * u, 0, 0, cell_width, image.height,
                  quads.data(), &format, DIB_RGB_COLORS, SRCCOPY);
}

// The disabled look of an image without a disabled cell: its shape pressed into the face,
// a highlight one pixel below and right of a shadow.
void TGlyphButton::draw_embossed(HDC dc, const GlyphPixels& image, int cells, int x, int y) const {
    const int cell_width = image.width / cells;
    if (cell_width <= 0)
        return;
    const COLORREF transparent = image.at(0, image.height - 1);
    // Monochrome rows are padded to 16 bits; the shape's pixels are the set bits.
    const int stride = (cell_width + 15) / 16 * 2;
    std::vector<BYTE> bits(static_cast<size_t>(stride) * image.height, 0);
    for (int row = 0; row < image.height; ++row)
        for (int column = 0; column < cell_width; ++column)
            if (image.at(column, row) != transparent)
                bits[static_cast<size_t>(row * stride + column / 8)] |=
                    static_cast<BYTE>(0x80 >> (column % 8));
    win::Bitmap mask(CreateBitmap(cell_width, image.height, 1, 1, bits.data()));
    win::MemoryDC source(CreateCompatibleDC(dc));
    win::SelectedObject selected(source.get(), mask.get());
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    const int u = unit();
    constexpr DWORD brush_where_shape = 0x00E20746;
    for (const auto& [colour, shift] :
         {std::pair{COLOR_BTNHIGHLIGHT, u}, std::pair{COLOR_BTNSHADOW, 0}}) {
        win::SelectedObject brush(dc, GetSysColorBrush(colour));
        StretchBlt(dc, x + shift, y + shift, cell_width * u, image.height * u, source.get(), 0, 0,
                   cell_width, image.height, brush_where_shape);
    }
}

void TGlyphButton::draw_caption(HDC dc, const RECT& area) const {
    const std::wstring caption = win::widen(text());
    win::SelectedObject font(dc, this->font() ? static_cast<HGDIOBJ>(this->font())
                                              : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    const TColor font_colour = font_colour_.value_or(0xFF000008); // clWindowText
    const TColor colour =
        hot_track_ && caption_state_ == CaptionState::hot ? hot_track_colour_ : font_colour;
    // The access key is underlined only while the window shows keyboard cues; the window's
    // state is asked, as it is the one that Alt changes.
    const bool hide_access_key =
        (SendMessageW(GetAncestor(hwnd(), GA_ROOT), WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) != 0;
    const UINT format = DT_EXPANDTABS | DT_CENTER | (hide_access_key ? DT_HIDEPREFIX : 0);
    const int length = static_cast<int>(caption.size());
    RECT place = area;
    if (!IsWindowEnabled(hwnd())) {
        SetTextColor(dc, win::to_colorref(colour));
        DrawTextW(dc, caption.c_str(), length, &place, format);
        OffsetRect(&place, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, caption.c_str(), length, &place, format);
        place = area;
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    } else {
        SetTextColor(dc, win::to_colorref(colour));
    }
    DrawTextW(dc, caption.c_str(), length, &place, format);
}

} // namespace pipetto
