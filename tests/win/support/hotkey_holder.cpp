// Another program that holds a hotkey: registers the combination given as
// "<modifiers> <virtual key>" (numbers), says whether it got it by setting the named event
// "PipettoHotKeyHolder<pid>" (got it) or exiting with 2 (refused), then keeps it until ended.

#include <windows.h>

#include <cwchar>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR command_line, int) {
    wchar_t* rest = nullptr;
    const UINT modifiers = static_cast<UINT>(std::wcstoul(command_line, &rest, 0));
    const UINT key = static_cast<UINT>(std::wcstoul(rest, nullptr, 0));
    if (!RegisterHotKey(nullptr, 1, modifiers, key))
        return 2;
    const std::wstring name = L"PipettoHotKeyHolder" + std::to_wstring(GetCurrentProcessId());
    const HANDLE held = CreateEventW(nullptr, TRUE, TRUE, name.c_str());
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    CloseHandle(held);
    return 0;
}
