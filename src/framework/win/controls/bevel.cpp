#include "framework/win/controls/bevel.h"

namespace pipetto::win {

void Bevel::paint(HDC dc) {
    RECT area = bounds_in_parent();
    DrawEdge(dc, &area, EDGE_ETCHED, BF_RECT);
}

} // namespace pipetto::win
