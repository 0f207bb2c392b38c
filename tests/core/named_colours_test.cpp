#include "colour/colour_value.h"
#include "colour/named_colours.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

using namespace pipetto;

namespace {

std::string lower(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

} // namespace

TEST(NamedColours, TableHoldsUniqueNamesWithWellFormedCodes) {
    auto table = named_colours();
    EXPECT_EQ(table.size(), 649u);
    std::set<std::string> names_ignoring_case;
    std::set<std::string_view> codes;
    for (const auto& entry : table) {
        EXPECT_TRUE(names_ignoring_case.insert(lower(entry.name)).second) << entry.name;
        codes.insert(entry.code);
        ASSERT_EQ(entry.code.size(), 7u) << entry.name;
        EXPECT_EQ(entry.code[0], '#') << entry.name;
        EXPECT_TRUE(std::all_of(entry.code.begin() + 1, entry.code.end(),
                                [](char c) { return std::isdigit(c) || (c >= 'A' && c <= 'F'); }))
            << entry.name << " " << entry.code;
    }
    EXPECT_EQ(codes.size(), 501u);
}

TEST(NamedColours, HueGroupsAreEachInCharacterCodeOrder) {
    auto table = named_colours();
    // The first entry of each hue group, and the end of the table.
    const std::size_t group_starts[] = {0, 99, 128, 350, 406, 453, 514, 567, 604, 649};
    EXPECT_EQ(table[0].name, "AliceBlue");
    EXPECT_EQ(table[128].name, "DarkSlateGray");
    EXPECT_EQ(table[648].name, "yellow4");
    for (std::size_t g = 0; g + 1 < std::size(group_starts); ++g) {
        auto first = table.begin() + static_cast<std::ptrdiff_t>(group_starts[g]);
        auto last = table.begin() + static_cast<std::ptrdiff_t>(group_starts[g + 1]);
        EXPECT_TRUE(std::is_sorted(first, last,
                                   [](const auto& a, const auto& b) { return a.name < b.name; }))
            << "group " << g + 1;
    }
}

TEST(NamedColours, SharedCodesGiveTheFirstNameInTableOrder) {
    EXPECT_EQ(colour_name_of("#000000"), "gray0");
    EXPECT_EQ(colour_name_of("#FFFFFF"), "gray100");
    EXPECT_EQ(colour_name_of("#1E90FF"), "DodgerBlue");
    EXPECT_EQ(colour_name_of("#000080"), "NavyBlue");
    EXPECT_EQ(colour_name_of("#FF0000"), "red");
    EXPECT_EQ(colour_name_of("#BEBEBE"), "gray");
    EXPECT_EQ(colour_name_of(html_form(0x00F020A0)), "purple");
}

TEST(NamedColours, OnlyTheExactUpperCaseCodeMatches) {
    for (const char* text : {"#808080", "#C0C0C0", "#008000", "#800000", "#800080", "#008080",
                             "#808000", "#1e90ff", "1E90FF", "#1E90FF ", " #1E90FF", ""}) {
        EXPECT_FALSE(colour_name_of(text).has_value()) << '"' << text << '"';
    }
    EXPECT_EQ(name_form("#808080"), "n/a");
    EXPECT_EQ(name_form("#1E90FF"), "DodgerBlue");
}

TEST(NamedColours, EveryCodeIsTheX11ValueOfItsName) {
    const std::filesystem::path rgb_txt = "/usr/share/X11/rgb.txt";
    if (!std::filesystem::exists(rgb_txt))
        GTEST_SKIP() << rgb_txt << " is not installed";

    std::map<std::string, std::string> x11_codes;
    std::ifstream in(rgb_txt);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        int r = 0, g = 0, b = 0;
        std::string name, more;
        // Only the single-word spellings: "dodger blue" is not a table name,
        // and "green yellow" must not pass for "green".
        if (line.starts_with('!') || !(fields >> r >> g >> b >> name) || (fields >> more))
            continue;
        char code[8];
        std::snprintf(code, sizeof code, "#%02X%02X%02X", r, g, b);
        x11_codes.emplace(name, code);
    }
    ASSERT_FALSE(x11_codes.empty());
    for (const auto& entry : named_colours()) {
        auto found = x11_codes.find(std::string(entry.name));
        ASSERT_NE(found, x11_codes.end()) << entry.name;
        EXPECT_EQ(found->second, entry.code) << entry.name;
    }
}
