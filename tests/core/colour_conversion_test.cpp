#include "colour/colour_identifiers.h"
#include "colour/integer_conversion.h"
#include "framework/core/errors.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace pipetto;

TEST(IntegerConversion, AcceptsDecimalAndHexadecimalWithSignAndLeadingBlanks) {
    const std::pair<const char*, std::int32_t> accepted[] = {
        {" 42", 42},
        {"-7", -7},
        {"+5", 5},
        {"$ff", 255},
        {"0x1F", 31},
        {"X1f", 31},
        {"0", 0},
        {"007", 7},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"$FFFFFFFF", -1},
        {"$80000000", INT32_MIN},
        {"-$10", -16},
        {"-$80000000", INT32_MIN},
    };
    for (const auto& [text, value] : accepted) {
        EXPECT_EQ(str_to_int(text), value) << '"' << text << '"';
        EXPECT_EQ(try_str_to_int(text), value) << '"' << text << '"';
    }
}

TEST(IntegerConversion, RejectsAnythingButOneNumberThatFits) {
    for (const char* text :
         {"", "   ", "12a", "4 2", "42 ", "2147483648", "-2147483649", "99999999999", "$123456789",
          "$", "0x", "-", "+", "- 7", "$-1", "1.5", "--1", "$fg"}) {
        EXPECT_FALSE(try_str_to_int(text).has_value()) << '"' << text << '"';
        EXPECT_THROW(str_to_int(text), EConvertError) << '"' << text << '"';
    }
}

TEST(IntegerConversion, ErrorQuotesTheWholeTextAsGiven) {
    try {
        str_to_int(" 12a");
        FAIL() << "expected a conversion error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "' 12a' ist kein gültiger Integerwert");
    }
}

TEST(ColourText, IdentifiersIgnoreCaseAndNumbersGoThroughTheIntegerConversion) {
    EXPECT_EQ(colour_from_text("clred"), clRed);
    EXPECT_EQ(colour_from_text("CLRED"), clRed);
    EXPECT_EQ(colour_from_text("$000000FF"), clRed);
    EXPECT_EQ(colour_from_text("255"), clRed);
    EXPECT_EQ(colour_from_text("clBtnFace"), 0xFF00000Fu);
    EXPECT_EQ(colour_from_text("cl3ddkshadow"), 0xFF000015u);
    EXPECT_EQ(colour_from_text("clNone"), 0x1FFFFFFFu);
    EXPECT_EQ(colour_from_text("clDefault"), 0x20000000u);
    EXPECT_EQ(try_colour_from_text("clCream"), 0x00F0FBFFu);
}

TEST(ColourText, UnknownIdentifierFailsLikeAnyOtherNonNumber) {
    EXPECT_FALSE(try_colour_from_text("clRedd").has_value());
    EXPECT_FALSE(try_colour_from_text("").has_value());
    EXPECT_THROW(colour_from_text(" clRed"), EConvertError);
    try {
        colour_from_text("cl Red");
        FAIL() << "expected a conversion error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'cl Red' ist kein gültiger Integerwert");
    }
}

TEST(ColourText, HexFormGivesBackTheValueItWasMadeFrom) {
    for (TColor c : {clBlack, clWhite, 0x00FF901Eu, clBtnFace, unreadable_pixel, 0x80000000u}) {
        EXPECT_EQ(colour_from_text(hex_form(c)), c) << hex_form(c).view();
    }
}
