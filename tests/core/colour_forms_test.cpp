#include "colour/colour_identifiers.h"
#include "colour/colour_value.h"
#include "colour/named_colours.h"
#include "colour/system_colours.h"
#include "framework/core/errors.h"

#include <gtest/gtest.h>

#include <string>

using namespace pipetto;

namespace {

struct Forms {
    std::string hex, html, long_text, rgb;
};

Forms forms_of(TColor c) {
    return {hex_form(c).str(), html_form(c).str(), long_form(c).str(), rgb_form(c).str()};
}

} // namespace

TEST(ColourForms, DodgerBlueShowsBlueFirstInHexAndRedFirstInHtml) {
    const TColor dodger_blue = 0x00FF901E;
    Forms f = forms_of(dodger_blue);
    EXPECT_EQ(f.hex, "$00FF901E");
    EXPECT_EQ(f.html, "#1E90FF");
    EXPECT_EQ(f.long_text, "16748574");
    EXPECT_EQ(f.rgb, "rgb(30,144,255)");
    EXPECT_EQ(name_form(html_form(dodger_blue)), "DodgerBlue");
}

TEST(ColourForms, PrimaryColoursAndTheExtremes) {
    Forms black = forms_of(clBlack);
    EXPECT_EQ(black.hex, "$00000000");
    EXPECT_EQ(black.html, "#000000");
    EXPECT_EQ(black.long_text, "0");
    EXPECT_EQ(black.rgb, "rgb(0,0,0)");

    Forms white = forms_of(clWhite);
    EXPECT_EQ(white.hex, "$00FFFFFF");
    EXPECT_EQ(white.html, "#FFFFFF");
    EXPECT_EQ(white.long_text, "16777215");
    EXPECT_EQ(white.rgb, "rgb(255,255,255)");

    EXPECT_EQ(hex_form(clRed), "$000000FF");
    EXPECT_EQ(html_form(clRed), "#FF0000");
    EXPECT_EQ(hex_form(clBlue), "$00FF0000");
    EXPECT_EQ(html_form(clBlue), "#0000FF");
}

TEST(ColourForms, UnreadablePixelReadsAsWhiteButPaintsAndCountsAsBlack) {
    Forms f = forms_of(unreadable_pixel);
    EXPECT_EQ(f.hex, "$FFFFFFFF");
    EXPECT_EQ(f.html, "#FFFFFF");
    EXPECT_EQ(f.rgb, "rgb(255,255,255)");
    EXPECT_EQ(f.long_text, "0"); // system colour index 255 is unknown
    EXPECT_EQ(colour_to_rgb(unreadable_pixel), 0u);
    EXPECT_EQ(name_form(f.html), "gray100");
}

TEST(ColourForms, SystemColoursResolveThroughTheSchemeWhileHexAndHtmlShowTheRawValue) {
    EXPECT_EQ(colour_to_rgb(clBtnFace), system_colour_rgb(15));
    EXPECT_EQ(long_form(clWindow), std::to_string(system_colour_rgb(5)));
    EXPECT_EQ(hex_form(clBtnFace), "$FF00000F");
    EXPECT_EQ(html_form(clBtnFace), "#0F0000");
    // Top bit clear: not a scheme colour, so the value is its own RGB value.
    EXPECT_EQ(long_form(clNone), "536870911");
    EXPECT_EQ(long_form(clDefault), "536870912");
}

TEST(ColourForms, RgbFormReadBackFromHtmlGivesTheColoursBytes) {
    for (TColor c : {0x00000001u, 0x00010203u, 0x00FF00FFu, 0x0080FF7Fu, 0xAB123456u}) {
        std::string expected = "rgb(" + std::to_string(red_of(c)) + "," +
                               std::to_string(green_of(c)) + "," + std::to_string(blue_of(c)) + ")";
        EXPECT_EQ(rgb_form(c), expected) << hex_form(c).view();
    }
}

TEST(ColourForms, RgbFormOfAMalformedHtmlTextFailsWithTheConversionError) {
    EXPECT_EQ(rgb_form_from_html("#0a0B0c"), "rgb(10,11,12)");
    try {
        rgb_form_from_html("#1E");
        FAIL() << "a short Html text has no green pair";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'$' ist kein gültiger Integerwert");
    }
    EXPECT_THROW(rgb_form_from_html("#GG0000"), EConvertError);
    EXPECT_THROW(rgb_form_from_html(""), EConvertError);
}

TEST(ColourForms, CursorPositionCaptionHasSignedCoordinatesAndATrailingBlank) {
    EXPECT_EQ(cursor_position_text(640, 480), " X : 640 Y : 480 ");
    // Monitors left of or above the primary one have negative coordinates.
    EXPECT_EQ(cursor_position_text(-1920, -5), " X : -1920 Y : -5 ");
    EXPECT_EQ(cursor_position_text(INT32_MIN, INT32_MIN), " X : -2147483648 Y : -2147483648 ");
}

TEST(HexDigits, PadToTheMinimumWidthAndShowNegativesAsUnsigned) {
    EXPECT_EQ(int_to_hex(0x1E, 2), "1E");
    EXPECT_EQ(int_to_hex(0x1E, 6), "00001E");
    EXPECT_EQ(int_to_hex(0x12345, 2), "12345");
    EXPECT_EQ(int_to_hex(0, 0), "0");
    EXPECT_EQ(int_to_hex(static_cast<std::uint32_t>(-1), 2), "FFFFFFFF");
    EXPECT_EQ(int_to_hex(0xABC, 10), "0000000ABC");
}

TEST(FixedText, CutsAtItsCapacityAndStaysZeroTerminated) {
    FixedText<3> text("abcdef");
    EXPECT_EQ(text, "abc");
    text.append_decimal(42);
    EXPECT_STREQ(text.c_str(), "abc");
}
