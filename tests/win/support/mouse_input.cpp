#include "mouse_input.h"

#include <chrono>

#include "framework/win/handles.h"
#include "pump.h"

namespace pipetto::tests {
namespace {

void send(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT input{INPUT_MOUSE, {.mi = {x, y, 0, flags, 0, 0}}};
    SendInput(1, &input, sizeof input);
    pump_messages(std::chrono::milliseconds(60));
}

} // namespace

void mouse_move_to(POINT point) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, MulDiv(point.x, 65536, width) + 1,
         MulDiv(point.y, 65536, height) + 1);
}

void mouse_left_down() {
    send(MOUSEEVENTF_LEFTDOWN);
}

void mouse_left_up() {
    send(MOUSEEVENTF_LEFTUP);
}

POINT screen_point_of(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}

COLORREF pixel_of(HWND window, int x, int y) {
    win::WindowDC dc(window);
    return GetPixel(dc.get(), x, y);
}

} // namespace pipetto::tests
