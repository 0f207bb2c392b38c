// Without a keyboard layout to ask, keys outside the fixed table have no name;
// the hotkey list never needs one.

#include "hotkeys/platform_key_name.h"

namespace pipetto {

std::string platform_key_name(std::uint8_t) {
    return {};
}

} // namespace pipetto
