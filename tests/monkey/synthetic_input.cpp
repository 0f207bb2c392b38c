#include "synthetic_input.h"

#include <thread>
#include <vector>

namespace pipetto::monkey {
namespace {

void send(std::vector<INPUT> events) {
    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

INPUT mouse_event(DWORD flags, LONG x = 0, LONG y = 0, DWORD data = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi = {x, y, data, flags, 0, 0};
    return input;
}

INPUT key_event(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN || key == VK_INSERT ||
        key == VK_DELETE || key == VK_HOME || key == VK_END || key == VK_PRIOR || key == VK_NEXT ||
        key == VK_APPS)
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    return input;
}

void pause(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace

void move_mouse_to(POINT point) {
    // Absolute coordinates run from 0 to 65535 across the primary screen.
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    send({mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, MulDiv(point.x, 65536, width) + 1,
                      MulDiv(point.y, 65536, height) + 1)});
}

void click_at(POINT point, Button button, int clicks) {
    move_mouse_to(point);
    pause(20);
    const DWORD down = button == Button::left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
    const DWORD up = button == Button::left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
    std::vector<INPUT> events;
    for (int click = 0; click < clicks; ++click) {
        events.push_back(mouse_event(down));
        events.push_back(mouse_event(up));
    }
    send(events);
}

void drag(POINT from, POINT to) {
    move_mouse_to(from);
    pause(20);
    send({mouse_event(MOUSEEVENTF_LEFTDOWN)});
    constexpr int steps = 5;
    for (int step = 1; step <= steps; ++step) {
        pause(15);
        move_mouse_to(
            {from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps});
    }
    pause(15);
    send({mouse_event(MOUSEEVENTF_LEFTUP)});
}

void turn_wheel_at(POINT point, int notches, bool horizontal) {
    move_mouse_to(point);
    pause(20);
    send({mouse_event(horizontal ? MOUSEEVENTF_HWHEEL : MOUSEEVENTF_WHEEL, 0, 0,
                      static_cast<DWORD>(notches * WHEEL_DELTA))});
}

void press_key(WORD key, Modifiers modifiers) {
    std::vector<WORD> held;
    if (modifiers.ctrl)
        held.push_back(VK_CONTROL);
    if (modifiers.alt)
        held.push_back(VK_MENU);
    if (modifiers.shift)
        held.push_back(VK_SHIFT);
    std::vector<INPUT> events;
    for (WORD modifier : held)
        events.push_back(key_event(modifier, false));
    events.push_back(key_event(key, false));
    events.push_back(key_event(key, true));
    for (auto modifier = held.rbegin(); modifier != held.rend(); ++modifier)
        events.push_back(key_event(*modifier, true));
    send(events);
}

} // namespace pipetto::monkey
