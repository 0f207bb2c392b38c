#include "keyboard.h"

#include <vector>

#include "pump.h"

namespace pipetto::tests {
namespace {

INPUT key_event(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

} // namespace

void press_keys(std::initializer_list<WORD> modifiers, WORD key) {
    std::vector<INPUT> events;
    for (WORD modifier : modifiers)
        events.push_back(key_event(modifier, false));
    events.push_back(key_event(key, false));
    events.push_back(key_event(key, true));
    for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier)
        events.push_back(key_event(*modifier, true));
    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

bool give_focus_to(HWND window) {
    SetForegroundWindow(window);
    SetActiveWindow(window);
    SetFocus(window);
    return pump_until([window] {
        const HWND focus = GetFocus();
        return focus == window || IsChild(window, focus);
    });
}

} // namespace pipetto::tests
