#include "random_action.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "synthetic_input.h"

namespace pipetto::monkey {
namespace {

struct Key {
    WORD code;
    const char* name;
};

constexpr std::array<Key, 28> named_keys{{
    {VK_SPACE, "Space"},    {VK_RETURN, "Enter"},  {VK_ESCAPE, "Esc"},    {VK_TAB, "Tab"},
    {VK_BACK, "Backspace"}, {VK_DELETE, "Delete"}, {VK_INSERT, "Insert"}, {VK_HOME, "Home"},
    {VK_END, "End"},        {VK_PRIOR, "PageUp"},  {VK_NEXT, "PageDown"}, {VK_LEFT, "Left"},
    {VK_RIGHT, "Right"},    {VK_UP, "Up"},         {VK_DOWN, "Down"},     {VK_APPS, "Menu"},
    {VK_F1, "F1"},          {VK_F2, "F2"},         {VK_F3, "F3"},         {VK_F4, "F4"},
    {VK_F5, "F5"},          {VK_F6, "F6"},         {VK_F7, "F7"},         {VK_F8, "F8"},
    {VK_F9, "F9"},          {VK_F10, "F10"},       {VK_F11, "F11"},       {VK_F12, "F12"},
}};
constexpr int letters_and_digits = 26 + 10;

struct Combination {
    WORD code;
    Modifiers modifiers;
    const char* name;
    unsigned weight;
};

// Pressed more often than chance would: the program's own hotkeys, the clipboard, and the
// system's keys for the window menu, the context menu and the pages. (Alt+F4 comes by
// chance often enough: each one restarts the program.)
constexpr std::array<Combination, 8> favourite_combinations{{
    {'S', {.ctrl = true}, "S", 6},
    {'A', {.ctrl = true}, "A", 4},
    {'C', {.ctrl = true}, "C", 3},
    {'V', {.ctrl = true}, "V", 2},
    {VK_SPACE, {.alt = true}, "Space", 2},
    {VK_F10, {.shift = true}, "F10", 2},
    {VK_TAB, {.ctrl = true}, "Tab", 2},
    {VK_TAB, {.shift = true}, "Tab", 2},
}};

enum class Kind { hover, click, double_click, right_click, drag, wheel, key };

// A window disabled behind a modal one is seldom clicked: a user turns to the one in front.
unsigned weight_of(const ProgramWindow& window) {
    if (window.kind == WindowKind::file_dialog)
        return 0; // only ever cancelled, by the round itself
    if (!IsWindowEnabled(window.hwnd))
        return 1;
    switch (window.kind) {
    case WindowKind::im_export:
        return 8;
    case WindowKind::popup_menu:
        return 6;
    case WindowKind::main:
    case WindowKind::message_box:
        return 4;
    case WindowKind::loupe:
    case WindowKind::contrast:
        return 2;
    case WindowKind::other:
    case WindowKind::file_dialog:
        return 1;
    }
    return 1;
}

POINT point_in(const RECT& rect, std::uint32_t x, std::uint32_t y) {
    return {rect.left + scaled(x, rect.right - rect.left),
            rect.top + scaled(y, rect.bottom - rect.top)};
}

std::string point_text(POINT point) {
    char text[32];
    std::snprintf(text, sizeof text, "(%ld,%ld)", point.x, point.y);
    return text;
}

// Half the mouse actions aim at one of the window's visible controls, so that small
// buttons, tabs and list rows are hit as often as a user hits them.
RECT aimed_area(const ProgramWindow& target, std::uint32_t part) {
    if (part & 1)
        return target.rect;
    std::vector<HWND> controls;
    EnumChildWindows(
        target.hwnd,
        [](HWND child, LPARAM list) -> BOOL {
            if (IsWindowVisible(child))
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&controls));
    if (controls.empty())
        return target.rect;
    const HWND control = controls[(part >> 1) % controls.size()];
    RECT area{};
    GetWindowRect(control, &area);
    // A tab control holds its pages: its tabs are the strip along its top or bottom edge.
    wchar_t class_name[32] = {};
    GetClassNameW(control, class_name, 32);
    if (std::wstring_view(class_name) == WC_TABCONTROLW) {
        constexpr int tab_height = 20;
        if (GetWindowLongW(control, GWL_STYLE) & TCS_BOTTOM)
            area.top = std::max(area.top, area.bottom - tab_height);
        else
            area.bottom = std::min(area.bottom, area.top + tab_height);
    }
    RECT cut{};
    return IntersectRect(&cut, &area, &target.rect) ? cut : target.rect;
}

// A point may be covered by a window that came up since the list was taken: input goes
// only where the program's own windows, and none of its file dialogs, lie.
bool reaches_program(POINT point, DWORD process_id) {
    const HWND under = WindowFromPoint(point);
    const HWND root = under ? GetAncestor(under, GA_ROOT) : nullptr;
    if (!belongs_to(root, process_id))
        return false;
    for (HWND dialog : file_dialogs(process_id))
        if (dialog == root)
            return false;
    return true;
}

HWND focus_of(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

std::string modifiers_text(Modifiers modifiers) {
    return std::string(modifiers.ctrl ? "Ctrl+" : "") + (modifiers.alt ? "Alt+" : "") +
           (modifiers.shift ? "Shift+" : "");
}

std::string press_random_key(const ActionDraw& draw, const ProgramWindow& target,
                             DWORD process_id) {
    WORD code = 0;
    std::string name;
    Modifiers modifiers{.ctrl = (draw.modifiers & 3) == 0,
                        .alt = ((draw.modifiers >> 2) & 7) == 0,
                        .shift = ((draw.modifiers >> 5) & 3) == 0};
    if (((draw.modifiers >> 7) & 7) == 0) {
        std::vector<unsigned> weights;
        for (const Combination& combination : favourite_combinations)
            weights.push_back(combination.weight);
        const Combination& combination =
            favourite_combinations[weighted_pick(draw.modifiers >> 10, weights)];
        code = combination.code;
        name = combination.name;
        modifiers = combination.modifiers;
    } else if (const unsigned index = draw.key % (letters_and_digits + named_keys.size());
               index < 26) {
        code = static_cast<WORD>('A' + index);
        name = std::string(1, static_cast<char>(code));
    } else if (index < letters_and_digits) {
        code = static_cast<WORD>('0' + index - 26);
        name = std::string(1, static_cast<char>(code));
    } else {
        code = named_keys[index - letters_and_digits].code;
        name = named_keys[index - letters_and_digits].name;
    }
    const std::string text = "key " + modifiers_text(modifiers) + name;

    // A user brings the window forward first; a menu that is open has the keyboard already,
    // and a window disabled behind a modal one can't be made active.
    if (target.kind != WindowKind::popup_menu && IsWindowEnabled(target.hwnd))
        SetForegroundWindow(target.hwnd);
    const HWND foreground = GetForegroundWindow();
    if (!belongs_to(foreground, process_id) || !file_dialogs(process_id).empty())
        return text + " skipped: the foreground window is " + describe(foreground);
    const HWND focus = focus_of(foreground);
    press_key(code, modifiers);
    return text + ": foreground " + describe(foreground) + ", focus " + describe(focus);
}

} // namespace

const ProgramWindow* choose_window(const ActionDraw& draw,
                                   const std::vector<ProgramWindow>& windows) {
    std::vector<unsigned> weights;
    for (const ProgramWindow& window : windows)
        weights.push_back(weight_of(window));
    if (std::all_of(weights.begin(), weights.end(), [](unsigned weight) { return weight == 0; }))
        return nullptr;
    return &windows[weighted_pick(draw.window, weights)];
}

std::string perform_random_action(const ActionDraw& draw, const ProgramWindow& target,
                                  DWORD process_id) {
    const auto kind = static_cast<Kind>(weighted_pick(draw.kind, {8, 26, 8, 10, 8, 6, 34}));
    const std::string on = " on the " + std::string(kind_name(target.kind));
    if (kind == Kind::key)
        return press_random_key(draw, target, process_id) + " (meant for the " +
               kind_name(target.kind) + ")";

    const POINT point = point_in(aimed_area(target, draw.part), draw.x, draw.y);
    const std::string at =
        " at " + point_text(point) + on + ", " + describe(WindowFromPoint(point));
    if (!reaches_program(point, process_id))
        return "input" + at + " skipped: not on Pipetto";
    switch (kind) {
    case Kind::hover:
        move_mouse_to(point);
        return "hover" + at;
    case Kind::click:
        click_at(point, Button::left, 1);
        return "click" + at;
    case Kind::double_click:
        click_at(point, Button::left, 2);
        return "double click" + at;
    case Kind::right_click:
        click_at(point, Button::right, 1);
        return "right click" + at;
    case Kind::drag: {
        // Half the drags end anywhere on the screen: a window dragged by its caption moves.
        const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        const POINT end = point_in((draw.x2 & 1) ? screen : target.rect, draw.x2, draw.y2);
        drag(point, end);
        return "drag" + at + " to " + point_text(end);
    }
    case Kind::wheel: {
        // One to three notches either way.
        const int away = static_cast<int>(draw.key % 6) - 3;
        const int notches = away >= 0 ? away + 1 : away;
        const bool horizontal = (draw.key >> 8) % 5 == 0;
        turn_wheel_at(point, notches, horizontal);
        return std::string(horizontal ? "horizontal " : "") + "wheel " + std::to_string(notches) +
               at;
    }
    case Kind::key:
        break;
    }
    return "?";
}

int pause_after(const ActionDraw& draw) {
    return static_cast<int>((draw.modifiers >> 16) % 60);
}

} // namespace pipetto::monkey
