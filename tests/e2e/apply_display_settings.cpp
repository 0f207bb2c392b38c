// Applies the current display settings again, as a display control panel does. Started
// after the monitors of the X display have changed: Wine reads the monitors once per
// process, so only a process started since knows the new layout; applying the settings
// there hands it to every process and sends WM_DISPLAYCHANGE to every top-level window.
// Exits 0 when the settings were applied.

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode))
        return 1;
    return ChangeDisplaySettingsExW(nullptr, &mode, nullptr, CDS_RESET, nullptr) ==
                   DISP_CHANGE_SUCCESSFUL
               ? 0
               : 2;
}
