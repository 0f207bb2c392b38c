// The yardstick for the CPU cost of the loupe: a program that does nothing but what a loupe
// tick can't do without, every 30 ms: the cursor position and one 30 x 30 -> 130 x 130
// stretching copy from the screen into a shown window of the loupe's size.
// Runs until it is ended; loupe_cpu.sh measures its CPU time.

#include <windows.h>

namespace {

HWND window = nullptr;

void CALLBACK magnify(HWND, UINT, UINT_PTR, DWORD) {
    POINT cursor;
    GetCursorPos(&cursor);
    const HDC screen = GetDC(nullptr);
    const HDC target = GetDC(window);
    StretchBlt(target, 0, 0, 130, 130, screen, cursor.x - 15, cursor.y - 15, 30, 30, SRCCOPY);
    ReleaseDC(window, target);
    ReleaseDC(nullptr, screen);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = instance;
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = L"LoupeYardstick";
    RegisterClassW(&window_class);
    RECT outer{0, 0, 130, 130};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    AdjustWindowRectEx(&outer, style, FALSE, WS_EX_TOOLWINDOW);
    window = CreateWindowExW(WS_EX_TOOLWINDOW, L"LoupeYardstick", L" Loupe", style, 303, 203,
                             outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                             instance, nullptr);
    ShowWindow(window, SW_SHOW);
    SetTimer(nullptr, 0, 30, magnify);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
