// The floor program for start-up: Pipetto's main window as it shows at start, built with
// plain Win32 calls (floor_tree.cpp), and a message loop. It carries Pipetto's manifest,
// icon and glyphs.

#include <windows.h>

#include "floor_tree.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    floor_tree::build_and_show(instance, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
