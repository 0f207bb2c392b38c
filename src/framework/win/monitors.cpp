#include "framework/win/monitors.h"

namespace pipetto::win {
namespace {

std::optional<ScreenRect> work_area(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info))
        return std::nullopt;
    return to_screen_rect(info.rcWork);
}

} // namespace

std::vector<ScreenRect> monitor_work_areas() {
    std::vector<ScreenRect> areas;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM list) -> BOOL {
            if (const std::optional<ScreenRect> area = work_area(monitor))
                reinterpret_cast<std::vector<ScreenRect>*>(list)->push_back(*area);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&areas));
    return areas;
}

std::optional<ScreenRect> nearest_work_area(const ScreenRect& rect) {
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    return work_area(MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST));
}

} // namespace pipetto::win
