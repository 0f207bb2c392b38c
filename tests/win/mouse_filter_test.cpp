// The mouse filter: right clicks are kept from embedded browser views only.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "app/main_form.h"
#include "pump.h"
#include "temporary_folder.h"

using namespace pipetto;

namespace {

struct ClickCount {
    int right = 0;
    int left = 0;
};

LRESULT CALLBACK counting_subclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                   UINT_PTR, DWORD_PTR counts) {
    auto* count = reinterpret_cast<ClickCount*>(counts);
    if (message == WM_RBUTTONDOWN)
        ++count->right;
    if (message == WM_LBUTTONDOWN)
        ++count->left;
    return DefSubclassProc(window, message, wparam, lparam);
}

void click_at(POINT at, DWORD down, DWORD up) {
    SetCursorPos(at.x, at.y);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = down;
    inputs[1].mi.dwFlags = up;
    SendInput(2, inputs, sizeof(INPUT));
}

POINT centre_of(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

} // namespace

TEST(MouseFilter, RightClicksReachTheProgramsOwnControls) {
    tests::TemporaryFolder folder;
    TMainform form(folder.path(), false);
    form.show();
    ClickCount count;
    SetWindowSubclass(form.LoupeBtn.hwnd(), counting_subclass, 1,
                      reinterpret_cast<DWORD_PTR>(&count));
    tests::pump_messages(std::chrono::milliseconds(100));

    click_at(centre_of(form.LoupeBtn.hwnd()), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    EXPECT_TRUE(tests::pump_until([&] { return count.right == 1; }));
    RemoveWindowSubclass(form.LoupeBtn.hwnd(), counting_subclass, 1);
}

TEST(MouseFilter, RightClicksOnAnEmbeddedBrowserViewAreDiscarded) {
    tests::TemporaryFolder folder;
    TMainform form(folder.path(), false);
    static ClickCount count;
    WNDCLASSW browser_class{};
    browser_class.lpfnWndProc = [](HWND window, UINT message, WPARAM wparam,
                                   LPARAM lparam) -> LRESULT {
        if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP)
            ++count.right;
        if (message == WM_LBUTTONDOWN)
            ++count.left;
        return DefWindowProcW(window, message, wparam, lparam);
    };
    browser_class.hInstance = GetModuleHandleW(nullptr);
    browser_class.lpszClassName = L"Internet Explorer_Server";
    RegisterClassW(&browser_class);
    HWND browser =
        CreateWindowExW(WS_EX_TOPMOST, L"Internet Explorer_Server", L"", WS_POPUP | WS_VISIBLE, 600,
                        400, 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(browser, nullptr);
    tests::pump_messages(std::chrono::milliseconds(100));

    click_at({650, 450}, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    click_at({650, 450}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(tests::pump_until([&] { return count.left == 1; }));
    EXPECT_EQ(count.right, 0);
    DestroyWindow(browser);
}
