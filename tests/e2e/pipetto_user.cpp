#include "pipetto_user.h"

#include <gtest/gtest.h>

#include <string_view>
#include <thread>

#include "desktop_user.h"
#include "keyboard.h"

using namespace std::chrono_literals;

namespace pipetto::tests {

std::vector<HWND> children_of_class(HWND parent, const wchar_t* window_class) {
    struct Search {
        const wchar_t* wanted;
        std::vector<HWND> found;
    } search{window_class, {}};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM parameter) -> BOOL {
            auto* search = reinterpret_cast<Search*>(parameter);
            wchar_t name[64] = {};
            GetClassNameW(child, name, 64);
            if (std::wstring_view(name) == search->wanted)
                search->found.push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND child_of_class(HWND parent, const wchar_t* window_class, bool shown) {
    for (HWND child : children_of_class(parent, window_class))
        if (!shown || IsWindowVisible(child))
            return child;
    return nullptr;
}

std::string class_of(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return std::string(name, name + wcslen(name));
}

// The tabs lie along the page control's bottom edge; History is the second. A click that
// only brought the window forward (Wine, just after another program had the focus) is
// given again, as a user would.
bool open_history_page(HWND main) {
    RECT pages;
    GetWindowRect(child_of_class(main, L"SysTabControl32"), &pages);
    for (int attempt = 0; attempt < 3; ++attempt) {
        click_at({pages.left + 57, pages.bottom - 8});
        if (wait_until(
                [&] { return IsWindowVisible(child_of_class(main, L"SysListView32")) != FALSE; },
                1500ms))
            return true;
    }
    return false;
}

bool open_history_popup(HWND, POINT at) {
    click_at(at, true);
    return wait_until(
        [] {
            const HWND menu = FindWindowW(L"#32768", nullptr);
            return menu && IsWindowVisible(menu);
        },
        3s);
}

HWND open_im_export_dialog(const RunningProgram& program, HWND main) {
    RECT list;
    GetWindowRect(child_of_class(main, L"SysListView32"), &list);
    const POINT at{list.left + 60, list.bottom - 20};
    if (!open_history_popup(main, at))
        return nullptr;
    // Its first item.
    click_at({at.x + 30, at.y + 10});
    return program.wait_for_window(L"TImExportForm", 5s);
}

std::string use_file_dialog(const RunningProgram& program, HWND dialog, const wchar_t* button,
                            const wchar_t* title, const std::wstring& file_name) {
    press_button(dialog, button);
    const HWND files = wait_for_dialog(program.process_id(), title);
    EXPECT_NE(files, nullptr) << "no file dialog";
    if (!files)
        return {};
    const std::string proposed = file_dialog_name(files);
    choose_in_file_dialog(files, file_name);
    EXPECT_TRUE(wait_until([&] { return !IsWindow(files) || !IsWindowVisible(files); }));
    return proposed;
}

namespace {

std::string field(std::string_view text) {
    std::string bytes(31, '\0');
    bytes[0] = static_cast<char>(text.size());
    bytes.replace(1, text.size(), text);
    return bytes;
}

} // namespace

std::string history_record(std::string_view name, std::string_view hex, std::string_view html,
                           std::string_view long_text, std::string_view rgb,
                           std::string_view ident) {
    return field(name) + field(hex) + field(html) + field(long_text) + field(rgb) + field(ident);
}

HWND focus_of(HWND window_of_program) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window_of_program, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

void type_keys(std::initializer_list<WORD> keys) {
    for (WORD key : keys) {
        press_keys({}, key);
        std::this_thread::sleep_for(50ms);
    }
}

} // namespace pipetto::tests
