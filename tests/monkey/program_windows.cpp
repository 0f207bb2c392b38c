#include "program_windows.h"

#include <dlgs.h>

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <tuple>

#include "framework/win/win_text.h"

namespace pipetto::monkey {
namespace {

std::wstring class_of(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::string text_of(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return win::narrow(text);
}

// Explorer-style file dialogs are #32770 dialogs with a file name box (a combo box on
// Windows, an edit under Wine) or the shell's file view; message boxes have neither.
bool is_file_dialog(HWND window) {
    if (class_of(window) != L"#32770")
        return false;
    return GetDlgItem(window, cmb13) || GetDlgItem(window, edt1) ||
           FindWindowExW(window, nullptr, L"SHELLDLL_DefView", nullptr);
}

WindowKind kind_of(HWND window) {
    const std::wstring name = class_of(window);
    if (name == L"TMainform")
        return WindowKind::main;
    if (name == L"TLoupeForm")
        return WindowKind::loupe;
    if (name == L"TImExportForm")
        return WindowKind::im_export;
    if (name == L"TContrastForm")
        return WindowKind::contrast;
    if (name == L"#32768")
        return WindowKind::popup_menu;
    if (name == L"#32770")
        return is_file_dialog(window) ? WindowKind::file_dialog : WindowKind::message_box;
    return WindowKind::other;
}

template <typename Visit> void for_each_window_of(DWORD process_id, Visit visit) {
    struct Search {
        DWORD process_id;
        Visit& visit;
    } search{process_id, visit};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* search = reinterpret_cast<Search*>(parameter);
            if (belongs_to(window, search->process_id))
                search->visit(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
}

RECT on_screen(HWND window) {
    RECT rect{}, screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    GetWindowRect(window, &rect);
    RECT cut{};
    IntersectRect(&cut, &rect, &screen);
    return cut;
}

} // namespace

const char* kind_name(WindowKind kind) {
    switch (kind) {
    case WindowKind::main:
        return "main window";
    case WindowKind::loupe:
        return "loupe";
    case WindowKind::im_export:
        return "import/export dialog";
    case WindowKind::contrast:
        return "contrast window";
    case WindowKind::message_box:
        return "message box";
    case WindowKind::file_dialog:
        return "file dialog";
    case WindowKind::popup_menu:
        return "popup menu";
    case WindowKind::other:
        return "other window";
    }
    return "?";
}

std::vector<ProgramWindow> visible_windows(DWORD process_id) {
    std::vector<ProgramWindow> found;
    for_each_window_of(process_id, [&](HWND window) {
        const RECT rect = on_screen(window);
        if (IsWindowVisible(window) && !IsRectEmpty(&rect))
            found.push_back({window, kind_of(window), rect});
    });
    std::sort(found.begin(), found.end(), [](const ProgramWindow& a, const ProgramWindow& b) {
        return std::tuple(a.kind, a.rect.left, a.rect.top, a.rect.right, a.rect.bottom) <
               std::tuple(b.kind, b.rect.left, b.rect.top, b.rect.right, b.rect.bottom);
    });
    return found;
}

std::vector<HWND> file_dialogs(DWORD process_id) {
    std::vector<HWND> found;
    for_each_window_of(process_id, [&](HWND window) {
        if (is_file_dialog(window))
            found.push_back(window);
    });
    return found;
}

HWND main_window(DWORD process_id) {
    HWND found = nullptr;
    for_each_window_of(process_id, [&](HWND window) {
        if (!found && class_of(window) == L"TMainform")
            found = window;
    });
    return found;
}

bool belongs_to(HWND window, DWORD process_id) {
    DWORD owner = 0;
    return window && GetWindowThreadProcessId(window, &owner) && owner == process_id;
}

std::string list_windows(DWORD process_id) {
    std::string text;
    for_each_window_of(process_id, [&](HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        char place[96];
        std::snprintf(place, sizeof place, " (%ld,%ld)-(%ld,%ld)%s%s%s", rect.left, rect.top,
                      rect.right, rect.bottom, IsWindowVisible(window) ? " visible" : "",
                      IsIconic(window) ? " minimized" : "",
                      IsWindowEnabled(window) ? "" : " disabled");
        text += "\n    " + describe(window) + place;
    });
    return text;
}

std::string describe(HWND window) {
    if (!window)
        return "(none)";
    std::string text = win::narrow(class_of(window));
    const std::string title = text_of(window);
    if (!title.empty())
        text += " '" + title + "'";
    if (class_of(window) == L"#32770")
        if (HWND message = GetDlgItem(window, 0xFFFF))
            text += ": \"" + text_of(message) + "\"";
    return text;
}

} // namespace pipetto::monkey
