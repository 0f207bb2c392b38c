#include "framework/core/errors.h"

#include <gtest/gtest.h>

using namespace pipetto;

TEST(ErrorTexts, IoCodesHaveTheirGermanTextsAndOthersTheirNumber) {
    EXPECT_EQ(EInOutError(2).what(), std::string("Datei nicht gefunden"));
    EXPECT_EQ(EInOutError(3).what(), std::string("Ungültiger Dateiname"));
    EXPECT_EQ(EInOutError(4).what(), std::string("Zu viele geöffnete Dateien"));
    EXPECT_EQ(EInOutError(5).what(), std::string("Dateizugriff verweigert"));
    EXPECT_EQ(EInOutError(100).what(), std::string("Versuch hinter dem Dateiende zu lesen"));
    EXPECT_EQ(EInOutError(101).what(), std::string("Zu wenig Speicherplatz"));
    EXPECT_EQ(EInOutError(106).what(), std::string("Ungültige numerische Eingabe"));
    EXPECT_EQ(EInOutError(32).what(), std::string("E/A-Fehler 32"));
    EXPECT_EQ(EInOutError(32).code(), 32);
}

TEST(ErrorTexts, DisplayAppendsAFullStopOnlyAfterCharactersSortingAfterIt) {
    EXPECT_EQ(error_display_text("Datei nicht gefunden"), "Datei nicht gefunden.");
    EXPECT_EQ(error_display_text("'abc' ist kein gültiger Integerwert"),
              "'abc' ist kein gültiger Integerwert.");
    EXPECT_EQ(error_display_text("Fertig."), "Fertig.");
    EXPECT_EQ(error_display_text("Close..."), "Close...");
    EXPECT_EQ(error_display_text("Wirklich?!"), "Wirklich?!");
    EXPECT_EQ(error_display_text("Speicher/"), "Speicher/.");
    EXPECT_EQ(error_display_text("E/A-Fehler 32 "), "E/A-Fehler 32 ");
    EXPECT_EQ(error_display_text("Klammer)"), "Klammer)");
    EXPECT_EQ(error_display_text(""), "");
}

TEST(ErrorTexts, ConversionErrorQuotesTheRejectedText) {
    EXPECT_STREQ(EConvertError::invalid_integer("").what(), "'' ist kein gültiger Integerwert");
    EXPECT_STREQ(EConvertError::invalid_integer("x=1").what(),
                 "'x=1' ist kein gültiger Integerwert");
}

TEST(ErrorTexts, AQuotedValueTooLongForAMessageBoxIsShortenedInTheMiddle) {
    const std::string path = "C:\\Users\\someone\\Tools\\Pipetto\\config.ini";
    EXPECT_EQ(cannot_write_message(path), "In " + path + " kann nicht geschrieben werden");
    const std::string ordinary(longest_quoted_text, '7');
    EXPECT_EQ(EConvertError::invalid_integer(ordinary).what(),
              "'" + ordinary + "' ist kein gültiger Integerwert");

    // Two-byte characters throughout: the cut never splits one.
    std::string long_name = "Ordner";
    for (int i = 0; i < 500; ++i)
        long_name += "ä";
    long_name += "\\history.dat";
    const std::string shown = quoted_in_message(long_name);
    EXPECT_LE(shown.size(), longest_quoted_text);
    EXPECT_TRUE(shown.starts_with("Ordnerä"));
    EXPECT_TRUE(shown.ends_with("ä\\history.dat"));
    const std::size_t dots = shown.find("...");
    ASSERT_NE(dots, std::string::npos);
    EXPECT_NE(static_cast<unsigned char>(shown[dots + 3]) & 0xC0, 0x80);
    EXPECT_NE(static_cast<unsigned char>(shown[dots - 1]), 0xC3) << "a lead byte without its tail";
}
