#include "desktop_user.h"

#include <commdlg.h>
#include <dlgs.h>

#include <thread>

#include "framework/win/win_text.h"

namespace pipetto::tests {
namespace {

void send_button(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// The file name box of an Explorer-style file dialog: a combo box on Windows, an
// edit under Wine.
HWND file_name_box(HWND dialog) {
    if (HWND combo = GetDlgItem(dialog, cmb13))
        return combo;
    return GetDlgItem(dialog, edt1);
}

} // namespace

void click_at(POINT screen_point, bool right_button) {
    SetCursorPos(screen_point.x, screen_point.y);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    send_button(right_button ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    send_button(right_button ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

POINT client_point(HWND window, POINT offset) {
    ClientToScreen(window, &offset);
    return offset;
}

bool wait_until(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

HWND wait_for_dialog(DWORD process_id, const wchar_t* title, std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    wait_until(
        [&] {
            for (HWND window = FindWindowExW(nullptr, nullptr, L"#32770", title); window;
                 window = FindWindowExW(nullptr, window, L"#32770", title)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                if (owner == process_id && IsWindowVisible(window) && file_name_box(window)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeout);
    return found;
}

std::string file_dialog_name(HWND dialog) {
    wchar_t text[MAX_PATH] = {};
    SendMessageW(file_name_box(dialog), WM_GETTEXT, MAX_PATH, reinterpret_cast<LPARAM>(text));
    return win::narrow(text);
}

std::vector<std::string> file_dialog_types(HWND dialog) {
    const HWND types = GetDlgItem(dialog, cmb1);
    std::vector<std::string> names;
    const auto count = SendMessageW(types, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring name(static_cast<std::size_t>(SendMessageW(types, CB_GETLBTEXTLEN, i, 0)),
                          L'\0');
        SendMessageW(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name.data()));
        names.push_back(win::narrow(name));
    }
    return names;
}

void choose_file_type(HWND dialog, int index) {
    const HWND types = GetDlgItem(dialog, cmb1);
    SendMessageW(types, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    // What the list sends its dialog when the user picks an entry and it closes.
    for (const WORD notification : {CBN_SELCHANGE, CBN_SELENDOK})
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, notification),
                     reinterpret_cast<LPARAM>(types));
}

void choose_in_file_dialog(HWND dialog, const std::wstring& file_name) {
    SendMessageW(file_name_box(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file_name.c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

HWND button(HWND parent, const wchar_t* caption) {
    // A caption's "&" marks its access key and is no part of what shows.
    for (HWND child = FindWindowExW(parent, nullptr, nullptr, nullptr); child;
         child = FindWindowExW(parent, child, nullptr, nullptr)) {
        wchar_t text[64] = {};
        GetWindowTextW(child, text, 64);
        std::wstring shown;
        for (const wchar_t* c = text; *c; ++c)
            if (*c != L'&' || *++c)
                shown += *c;
            else
                break;
        if (shown == caption)
            return child;
    }
    return nullptr;
}

std::wstring asked_wide_text(HWND window) {
    wchar_t text[512] = {};
    const auto length =
        static_cast<size_t>(SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text)));
    return std::wstring(text, length);
}

std::string asked_text(HWND window) {
    return win::narrow(asked_wide_text(window));
}

void press_button(HWND parent, const wchar_t* caption) {
    PostMessageW(button(parent, caption), BM_CLICK, 0, 0);
}

} // namespace pipetto::tests
