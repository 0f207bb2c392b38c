// The keyboard in every form, as users expect of a dialog: Tab and Shift+Tab move through
// the controls that can be reached, in reading order; Ctrl+Tab, Ctrl+Shift+Tab,
// Ctrl+PageDown and Ctrl+PageUp switch pages; the arrow keys move within a group of radio
// buttons and, on a focused page control, between pages; Esc closes a window shown modally
// and a window that asks for it.
// A form gets all of this by declaring its controls: no table lists a tab order.

#include <algorithm>

#include "framework/win/controls/page_control.h"
#include "framework/win/form.h"

namespace pipetto::win {
namespace {

bool key_is_down(int key) {
    return GetKeyState(key) < 0;
}

UINT dialog_code(HWND window, const MSG& message) {
    return static_cast<UINT>(
        SendMessageW(window, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message)));
}

// The stop that is the focused window, or else holds it (a combo box its edit); -1 for
// none. The page control holds every page's controls, so it is asked last.
int stop_holding(const std::vector<HWND>& stops, HWND focus) {
    for (size_t i = 0; i < stops.size(); ++i)
        if (stops[i] == focus)
            return static_cast<int>(i);
    for (size_t i = stops.size(); i-- > 0;)
        if (IsChild(stops[i], focus))
            return static_cast<int>(i);
    return -1;
}

// As the system's dialogs do: an edit reached by the keyboard has its whole text selected.
void focus_stop(HWND stop) {
    SetFocus(stop);
    if (SendMessageW(stop, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageW(stop, EM_SETSEL, 0, -1);
}

} // namespace

std::vector<HWND> Form::tab_stops() const {
    struct Stop {
        RECT place;
        HWND window;
    };
    std::vector<Stop> stops;
    for (const NamedControl& entry : controls_) {
        const HWND window = entry.control->hwnd();
        // A control on a page that is not shown is hidden with its sheet.
        if (!window || !(GetWindowLongPtrW(window, GWL_STYLE) & WS_TABSTOP) ||
            !IsWindowVisible(window) || !IsWindowEnabled(window))
            continue;
        RECT place;
        GetWindowRect(window, &place);
        stops.push_back({place, window});
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) {
        return a.place.top != b.place.top ? a.place.top < b.place.top : a.place.left < b.place.left;
    });
    std::vector<HWND> windows;
    for (const Stop& stop : stops)
        windows.push_back(stop.window);
    return windows;
}

PageControl* Form::page_control() const {
    for (const NamedControl& entry : controls_)
        if (auto* pages = dynamic_cast<PageControl*>(entry.control); pages && pages->hwnd())
            return pages;
    return nullptr;
}

void Form::move_focus(int step) {
    const std::vector<HWND> stops = tab_stops();
    if (stops.empty())
        return;
    const int count = static_cast<int>(stops.size());
    const int current = stop_holding(stops, GetFocus());
    const int next = current < 0 ? (step > 0 ? 0 : count - 1) : (current + step + count) % count;
    focus_stop(stops[static_cast<size_t>(next)]);
}

void Form::switch_page(PageControl& pages, int step) {
    const bool focus_on_tabs = GetFocus() == pages.hwnd();
    pages.step_page(step);
    if (focus_on_tabs)
        return;
    // The focus goes along to the new page, to its first stop; a page without one leaves
    // it on the tabs, so that the keys still reach the window.
    const HWND sheet = pages.active_page().hwnd();
    for (HWND stop : tab_stops())
        if (IsChild(sheet, stop)) {
            focus_stop(stop);
            return;
        }
    SetFocus(pages.hwnd());
}

bool Form::form_key(const MSG& message) {
    const UINT key = static_cast<UINT>(message.wParam);
    const bool shift = key_is_down(VK_SHIFT);
    const bool control = key_is_down(VK_CONTROL);
    const bool menu_key = key == VK_APPS || (key == VK_F10 && shift && !control);
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (menu_key && on_menu_key) {
            menu_key_taken_ = on_menu_key(GetFocus());
            return menu_key_taken_;
        }
        // Alt shows the access keys, in every window of the form; the controls that draw
        // their own captions are drawn again.
        if (key == VK_MENU && message.message == WM_SYSKEYDOWN &&
            (SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL)) {
            SendMessageW(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);
            RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        }
        if (message.message == WM_KEYDOWN && key == 'C' && control && !shift &&
            !key_is_down(VK_MENU) && on_copy) {
            on_copy();
            return true;
        }
        return false;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        // The system would raise a context menu of its own when the key comes up.
        if (menu_key && menu_key_taken_) {
            menu_key_taken_ = false;
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool Form::navigation_key(const MSG& message) {
    if (message.message != WM_KEYDOWN || key_is_down(VK_MENU))
        return false;
    const UINT key = static_cast<UINT>(message.wParam);
    const bool control = key_is_down(VK_CONTROL);
    const bool shift = key_is_down(VK_SHIFT);
    const HWND focus = GetFocus();
    PageControl* pages = page_control();

    if (pages && control && (key == VK_TAB || key == VK_NEXT || key == VK_PRIOR)) {
        const bool back = key == VK_PRIOR || (key == VK_TAB && shift);
        switch_page(*pages, back ? -1 : 1);
        return true;
    }
    if (key == VK_TAB && !control) {
        move_focus(shift ? -1 : 1);
        return true;
    }
    if (control || shift)
        return false;
    const bool arrow = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
    if (arrow && pages && focus == pages->hwnd()) {
        if (key == VK_LEFT || key == VK_RIGHT)
            pages->step_page(key == VK_LEFT ? -1 : 1);
        return true;
    }
    if (arrow && focus && (dialog_code(focus, message) & DLGC_RADIOBUTTON)) {
        // Within its group, as the system's dialogs do: the button reached is checked.
        const bool back = key == VK_LEFT || key == VK_UP;
        const HWND next = GetNextDlgGroupItem(GetParent(focus), focus, back);
        if (next && next != focus && (dialog_code(next, message) & DLGC_RADIOBUTTON)) {
            SetFocus(next);
            if (SendMessageW(next, BM_GETCHECK, 0, 0) != BST_CHECKED)
                SendMessageW(next, BM_CLICK, 0, 0);
        }
        return true;
    }
    // Esc closes a window shown modally, or one that asks for it, unless the focused
    // control needs it (an open drop-down list closes first).
    if (key == VK_ESCAPE && (modal_ || closes_on_escape) &&
        !(focus && (dialog_code(focus, message) & DLGC_WANTMESSAGE))) {
        close();
        return true;
    }
    return false;
}

} // namespace pipetto::win
