// Opens the loupe of a running pipetto.exe as a user does: a real click on the loupe button,
// the 20 x 20 button at the Grab page's top left. Exits 0 once the loupe is visible.

#include <windows.h>

namespace {

struct Search {
    HWND button = nullptr;
    LONG left = 0;
};

BOOL CALLBACK consider(HWND child, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    RECT area;
    GetWindowRect(child, &area);
    const UINT dpi = GetDpiForWindow(child);
    const int size = MulDiv(20, static_cast<int>(dpi ? dpi : 96), 96);
    if (IsWindowVisible(child) && area.right - area.left == size &&
        area.bottom - area.top == size && (!search->button || area.left < search->left)) {
        search->button = child;
        search->left = area.left;
    }
    return TRUE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    for (int attempt = 0; attempt < 100; ++attempt, Sleep(100)) {
        const HWND main = FindWindowW(L"TMainform", nullptr);
        if (!main || !IsWindowVisible(main))
            continue;
        Search search;
        EnumChildWindows(main, consider, reinterpret_cast<LPARAM>(&search));
        if (!search.button)
            continue;
        RECT area;
        GetWindowRect(search.button, &area);
        SetCursorPos((area.left + area.right) / 2, (area.top + area.bottom) / 2);
        INPUT click[2] = {{INPUT_MOUSE, {.mi = {0, 0, 0, MOUSEEVENTF_LEFTDOWN, 0, 0}}},
                          {INPUT_MOUSE, {.mi = {0, 0, 0, MOUSEEVENTF_LEFTUP, 0, 0}}}};
        SendInput(2, click, sizeof(INPUT));
        for (int wait = 0; wait < 50; ++wait, Sleep(50)) {
            const HWND loupe = FindWindowW(L"TLoupeForm", nullptr);
            if (loupe && IsWindowVisible(loupe))
                return 0;
        }
    }
    return 1;
}
