// Holds one hidden window and a message loop for the whole test run, so that Wine's
// desktop process does not stop and restart between the GUI tests.

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CreateWindowExW(0, L"STATIC", L"wine keepalive", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                    nullptr, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
