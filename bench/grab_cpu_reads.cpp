// The yardstick for the CPU cost of grabbing: a program that does nothing but the reads a
// grab needs, ten times a second, from a timer and a message loop as pipetto.exe does.
// Runs until it is ended; grab_cpu.sh measures its CPU time.

#include <windows.h>

namespace {

volatile COLORREF last_pixel = 0;

void CALLBACK read_pixel_under_cursor(HWND, UINT, UINT_PTR, DWORD) {
    POINT cursor;
    GetCursorPos(&cursor);
    const HDC screen = GetDC(nullptr);
    last_pixel = GetPixel(screen, cursor.x, cursor.y);
    ReleaseDC(nullptr, screen);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    SetTimer(nullptr, 0, 100, read_pixel_under_cursor);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
