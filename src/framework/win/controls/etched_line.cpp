#include "framework/win/controls/etched_line.h"

namespace pipetto::win {

void EtchedLine::paint(HDC dc) {
    RECT area = bounds_in_parent();
    const bool vertical = area.bottom - area.top > area.right - area.left;
    DrawEdge(dc, &area, EDGE_ETCHED, vertical ? BF_LEFT : BF_BOTTOM);
}

} // namespace pipetto::win
