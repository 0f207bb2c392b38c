// The yardstick for start-up: the least Win32 program that shows a tool window of the
// main window's size, built the same way as pipetto.exe. Built a second time with
// WITH_COMMON_CONTROLS, it carries pipetto.exe's manifest (visual styles, DPI awareness) and
// loads the common controls as pipetto.exe does: what the platform alone costs.

#include <windows.h>

#ifdef WITH_COMMON_CONTROLS
#include <commctrl.h>
#endif

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef WITH_COMMON_CONTROLS
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                                       ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
#endif
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = L"MinimalWindow";
    RegisterClassW(&window_class);
    RECT outer{0, 0, 192, 256};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    AdjustWindowRectEx(&outer, style, FALSE, WS_EX_TOOLWINDOW);
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"MinimalWindow", L" Minimal", style, 100, 100,
                                  outer.right - outer.left, outer.bottom - outer.top, nullptr,
                                  nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
