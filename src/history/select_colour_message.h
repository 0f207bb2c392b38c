#pragma once
// Shown in an "Informationen" box when a history command needs a row and none is selected.

#include <string_view>

namespace pipetto {

inline constexpr std::string_view select_colour_message = "Please select a color value...";

} // namespace pipetto
