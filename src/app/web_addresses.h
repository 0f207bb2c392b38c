#pragma once
// The web addresses the program shows and opens.

namespace pipetto {

inline constexpr const char* maker_address = "https://quarnel.example/";
inline constexpr const char* publisher_address = "https://zolva.example/";
// The colour-tool page; the grab hotkey appends "?color=" and the colour's hex digits.
inline constexpr const char* color_tools_address = "https://quarnel.example/colorTools.htm";

inline constexpr const char* about_maker_lines =
    "This a little tool for web designer\r\ndeveloped by quarnel.example.";
inline constexpr const char* about_visit_line = "Visit quarnel.example:";
inline constexpr const char* about_publisher_lines = "\xC2\xA9 2026\r\nzolva software\r\nHamburg";

} // namespace pipetto
