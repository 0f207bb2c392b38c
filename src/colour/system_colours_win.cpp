#include "colour/system_colours.h"

#include <windows.h>

namespace pipetto {

std::uint32_t system_colour_rgb(std::uint8_t index) {
    // What GetSysColor returns for an index it doesn't know is not something to
    // lean on; every index of the scheme has a stock brush, an unknown one none.
    if (GetSysColorBrush(index) == nullptr)
        return 0;
    return GetSysColor(index);
}

} // namespace pipetto
