#include "controls/flat_edit.h"

#include <algorithm>
#include <utility>

#include "framework/win/handles.h"
#include "framework/win/win_text.h"

namespace pipetto {

TFlatEdit::TFlatEdit() = default;

win::Control::WindowKind TFlatEdit::window_kind(const win::Properties& properties) const {
    // Multi-line for the alignment styles; Enter is dropped, so the text stays on one line.
    DWORD style = ES_MULTILINE | ES_AUTOHSCROLL | WS_TABSTOP;
    switch (properties.alignment) {
    case win::Alignment::left:
        style |= ES_LEFT;
        break;
    case win::Alignment::centre:
        style |= ES_CENTER;
        break;
    case win::Alignment::right:
        style |= ES_RIGHT;
        break;
    }
    if (properties.read_only)
        style |= ES_READONLY;
    return {L"Edit", style, 0}; // no system border: the edit draws its own
}

void TFlatEdit::configure(const win::Properties& properties) {
    Edit::configure(properties);
    alignment_ = properties.alignment;
    if (properties.focused_colour)
        colour_focused_ = *properties.focused_colour;
    if (properties.border_colour)
        colour_border_ = *properties.border_colour;
    if (properties.colour)
        SetColorFlat(*properties.colour);
    else
        SetParentColor(true);
    if (properties.hint)
        hint_ = properties.hint;

    // The ticket stands on the edit's parent, with the edit's visibility.
    const win::TicketSpec& ticket = properties.ticket;
    win::Properties label{.hidden = properties.hidden, .transparent = true};
    ticket_.set_bounds96({0, 0, ticket.width, ticket.height});
    ticket_.create(GetParent(hwnd()), ticket.caption ? ticket.caption : "", label, dpi());
    ticket_position_ = static_cast<TTicketPosition>(std::clamp(ticket.position, 0, 3));
    ticket_space_ = ticket.space;
    place_ticket();
}

int TFlatEdit::border_width() const noexcept {
    return MulDiv(3, static_cast<int>(dpi()), 96);
}

// Colours.

void TFlatEdit::SetColorFocused(TColor colour) {
    colour_focused_ = colour;
    draw_border();
}

void TFlatEdit::SetColorBorder(TColor colour) {
    colour_border_ = colour;
    draw_border();
}

void TFlatEdit::SetColorFlat(TColor colour) {
    colour_flat_ = colour;
    parent_colour_ = false;
    draw_border();
}

void TFlatEdit::SetParentColor(bool value) {
    parent_colour_ = value;
    if (!value)
        return;
    if (const Control* parent = from_hwnd(GetParent(hwnd())))
        colour_flat_ = parent->colour().value_or(clBtnFace);
    else if (GetParent(hwnd()))
        colour_flat_ = clBtnFace; // the parent of our own classes is in the face colour
    draw_border();
}

void TFlatEdit::draw_border() {
    if (!hwnd())
        return;
    const TColor fill = focused() || hot_ ? colour_focused_ : colour_flat_;
    // A window not on the screen gets its border from WM_NCPAINT when it shows.
    if (IsWindowVisible(hwnd())) {
        win::WindowDC dc(hwnd(), win::WindowDC::Area::whole_window);
        RECT edge;
        GetWindowRect(hwnd(), &edge);
        OffsetRect(&edge, -edge.left, -edge.top);
        win::Brush outline(CreateSolidBrush(win::to_colorref(colour_border_)));
        win::Brush ring(CreateSolidBrush(win::to_colorref(fill)));
        const int line = std::max(1, static_cast<int>(dpi()) / 96);
        for (int i = 0; i < border_width(); ++i) {
            FrameRect(dc.get(), &edge, i < line ? outline.get() : ring.get());
            InflateRect(&edge, -1, -1);
        }
    }
    set_colour(fill);
    update_placeholder();
}

// Ticket.

void TFlatEdit::SetTicketPosition(TTicketPosition position) {
    ticket_position_ = position;
    place_ticket();
}

void TFlatEdit::SetTicketSpace(int pixels) {
    ticket_space_ = pixels;
    place_ticket();
}

void TFlatEdit::place_ticket() {
    if (!ticket_.parent_window())
        return;
    const win::Bounds96 edit = bounds96();
    win::Bounds96 ticket = ticket_.bounds96();
    const int w = ticket.width, h = ticket.height, s = ticket_space_;
    switch (ticket_position_) {
    case poLeft:
        ticket.left = edit.left - w - s;
        ticket.top = edit.top + (edit.height - h) / 2;
        break;
    case poTop:
        ticket.left = edit.left;
        ticket.top = edit.top - h - s;
        break;
    case poRight:
        ticket.left = edit.left + edit.width + s;
        ticket.top = edit.top + (edit.height - h) / 2;
        break;
    case poBottom:
        ticket.left = edit.left;
        ticket.top = edit.top + edit.height + s;
        break;
    }
    ticket_.set_bounds96(ticket);
    ticket_.apply_dpi(dpi());
    ticket_.fit_to_text();
    ticket_.set_keeps_baseline(ticket_position_ == poTop);
}

void TFlatEdit::set_visible(bool visible) {
    Edit::set_visible(visible);
    ticket_.set_visible(visible);
}

void TFlatEdit::SetEnabled(bool enabled) {
    EnableWindow(hwnd(), enabled); // WM_ENABLE does the rest
}

// The edit is as high as its font's text plus the border, whatever the layout stores.
void TFlatEdit::set_font(HFONT font) {
    Edit::set_font(font);
    fit_height();
}

void TFlatEdit::fit_height() {
    TEXTMETRICW metrics{};
    {
        win::WindowDC dc(hwnd());
        win::SelectedObject selected(dc.get(), font() ? static_cast<HGDIOBJ>(font())
                                                      : GetStockObject(DEFAULT_GUI_FONT));
        GetTextMetricsW(dc.get(), &metrics);
    }
    const int height = metrics.tmHeight + 2 * border_width();
    win::Bounds96 bounds = bounds96();
    bounds.height = MulDiv(height, 96, static_cast<int>(dpi()));
    set_bounds96(bounds);
    // The frame is worked out again too: the client area is the window less the border on
    // every side (the window is subclassed only once it exists, after its first one).
    SetWindowPos(hwnd(), nullptr, 0, 0, scale(bounds.width), height,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    place_ticket();
}

// Placeholder.

void TFlatEdit::SetHint(std::string hint) {
    hint_ = std::move(hint);
    if (placeholder_)
        SetWindowTextW(placeholder_.get(), win::widen(hint_).c_str());
    update_placeholder();
}

// A multi-line edit reports no change for text set from code, as a one-line edit does; the
// change event follows the text either way.
void TFlatEdit::write_text(const wchar_t* text, int length) {
    Edit::write_text(text, length);
    fire(on_change);
    if (!hint_.empty())
        update_placeholder();
}

// Made only when there is a hint to show: an empty placeholder would show nothing anyway.
void TFlatEdit::update_placeholder() {
    const bool show = !hint_.empty() && !focused() && GetWindowTextLengthW(hwnd()) == 0;
    if (!show) {
        if (placeholder_)
            ShowWindow(placeholder_.get(), SW_HIDE);
        return;
    }
    if (!placeholder_)
        placeholder_.reset(CreateWindowExW(0, L"Static", win::widen(hint_).c_str(),
                                           WS_CHILD | SS_NOTIFY, 0, 0, 0, 0, hwnd(), nullptr,
                                           GetModuleHandleW(nullptr), nullptr));
    SendMessageW(placeholder_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
    TEXTMETRICW metrics{};
    {
        win::WindowDC dc(hwnd());
        win::SelectedObject selected(dc.get(), font() ? static_cast<HGDIOBJ>(font())
                                                      : GetStockObject(DEFAULT_GUI_FONT));
        GetTextMetricsW(dc.get(), &metrics);
    }
    RECT client;
    GetClientRect(hwnd(), &client);
    MoveWindow(placeholder_.get(), 0, (client.bottom - metrics.tmHeight) / 2, client.right,
               metrics.tmHeight, TRUE);
    ShowWindow(placeholder_.get(), SW_SHOWNA);
}

// Messages.

bool TFlatEdit::intercept(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    switch (message) {
    case WM_NCCALCSIZE: {
        auto* area = reinterpret_cast<RECT*>(lparam);
        if (wparam)
            area = &reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam)->rgrc[0];
        InflateRect(area, -border_width(), -border_width());
        result = 0;
        return true;
    }
    case WM_NCPAINT:
        draw_border();
        result = 0;
        return true;
    case WM_SETFOCUS:
        result = call_original(message, wparam, lparam);
        // A click that brings the focus selects all on its release, so that dragging
        // still selects a part.
        select_all_on_release_ = GetKeyState(VK_LBUTTON) < 0;
        SendMessageW(hwnd(), EM_SETSEL, 0, -1);
        draw_border();
        return true;
    case WM_KILLFOCUS:
        result = call_original(message, wparam, lparam);
        draw_border();
        return true;
    case WM_LBUTTONUP: {
        const bool handled = Edit::intercept(message, wparam, lparam, result);
        if (!handled)
            result = call_original(message, wparam, lparam);
        if (std::exchange(select_all_on_release_, false)) {
            DWORD start = 0, end = 0;
            SendMessageW(hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                         reinterpret_cast<LPARAM>(&end));
            if (start == end)
                SendMessageW(hwnd(), EM_SETSEL, 0, -1);
        }
        return true;
    }
    case WM_MOUSEMOVE:
        if (!hot_ && GetActiveWindow()) {
            hot_ = true;
            TRACKMOUSEEVENT tracking{sizeof tracking, TME_LEAVE, hwnd(), 0};
            TrackMouseEvent(&tracking);
            draw_border();
        }
        return false;
    case WM_MOUSELEAVE:
        hot_ = false;
        draw_border();
        return false;
    case WM_CHAR: {
        auto key = static_cast<wchar_t>(wparam);
        if (OnKeyPress)
            OnKeyPress(key);
        // Enter is dropped after OnKeyPress has seen it: the edit holds one line.
        if (key == 0 || key == L'\r') {
            result = 0;
            return true;
        }
        wparam = key;
        result = call_original(message, wparam, lparam);
        return true;
    }
    case WM_ENABLE:
        colour_ = wparam ? clWindow : clBtnFace;
        result = call_original(message, wparam, lparam);
        ticket_.set_font_colour(wparam ? clWindowText : clGrayText);
        if (placeholder_)
            EnableWindow(placeholder_.get(), static_cast<BOOL>(wparam));
        draw_border();
        return true;
    case WM_COMMAND:
        if (placeholder_ && reinterpret_cast<HWND>(lparam) == placeholder_.get()) {
            if (HIWORD(wparam) == STN_CLICKED) {
                ShowWindow(placeholder_.get(), SW_HIDE);
                SetFocus(hwnd());
            }
            result = 0;
            return true;
        }
        return false;
    case WM_CTLCOLORSTATIC:
        if (placeholder_ && reinterpret_cast<HWND>(lparam) == placeholder_.get()) {
            const HDC dc = reinterpret_cast<HDC>(wparam);
            SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
            SetBkColor(dc, win::to_colorref(colour_.value_or(clWindow)));
            result = reinterpret_cast<LRESULT>(background_brush());
            return true;
        }
        return false;
    default:
        return Edit::intercept(message, wparam, lparam, result);
    }
}

} // namespace pipetto
