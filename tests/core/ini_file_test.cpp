#include "framework/core/errors.h"
#include "framework/core/ini_file.h"

#include <gtest/gtest.h>

#include "support/scratch_folder.h"

#include <fstream>
#include <iterator>
#include <unistd.h>

using namespace pipetto;
namespace fs = std::filesystem;

namespace {

class IniFileOnDisk : public tests::ScratchFolderTest {
  protected:
    void SetUp() override {
        ScratchFolderTest::SetUp();
        path = dir / "config.ini";
    }
    std::string contents() const { return read_file(path); }
    void put(const std::string& bytes) const { write_file(path, bytes); }

    fs::path path;
};

} // namespace

TEST_F(IniFileOnDisk, AFileWrittenFromScratchHoldsTheNineLinesWithCrLf) {
    IniFile ini = IniFile::load(path);
    ini.write_string("screen", "x", "100");
    ini.write_string("screen", "y", "100");
    ini.write_string("screen", "stayontop", "True");
    ini.write_string("loupe", "cursor", "True");
    ini.write_string("hotkey", "grab", "18");
    ini.write_string("hotkey", "loupe", "0");
    ini.save(path);

    EXPECT_EQ(contents(), "[screen]\r\nx=100\r\ny=100\r\nstayontop=True\r\n"
                          "[loupe]\r\ncursor=True\r\n[hotkey]\r\ngrab=18\r\nloupe=0\r\n");

    // Written again over itself with other values: same lines, new values, nothing added.
    IniFile again = IniFile::load(path);
    again.write_string("screen", "x", "-1200");
    again.write_string("screen", "y", "-5");
    again.write_string("screen", "stayontop", "False");
    again.save(path);
    const IniFile back = IniFile::load(path);
    EXPECT_EQ(back.read_string("screen", "x", ""), "-1200");
    EXPECT_EQ(back.read_string("screen", "y", ""), "-5");
    EXPECT_EQ(back.read_string("screen", "stayontop", ""), "False");
    EXPECT_EQ(back.read_string("hotkey", "grab", ""), "18");
    EXPECT_EQ(contents(), "[screen]\r\nx=-1200\r\ny=-5\r\nstayontop=False\r\n"
                          "[loupe]\r\ncursor=True\r\n[hotkey]\r\ngrab=18\r\nloupe=0\r\n");
}

TEST_F(IniFileOnDisk, WhatTheProgramDoesNotKnowSurvivesASaveInItsPlace) {
    put("; written by hand\n"
        "[other]\n"
        "colour=\xe4rger\n"
        "\n"
        "[screen]\n"
        "x=5\n"
        "theme=dark\n"
        "\n"
        "[loupe]\r\n"
        "zoom=4");
    IniFile ini = IniFile::load(path);
    ini.write_string("screen", "x", "100");
    ini.write_string("screen", "stayontop", "True");
    ini.write_string("loupe", "cursor", "False");
    ini.write_string("hotkey", "grab", "18");
    ini.save(path);

    EXPECT_EQ(contents(), "; written by hand\r\n"
                          "[other]\r\n"
                          "colour=\xe4rger\r\n"
                          "\r\n"
                          "[screen]\r\n"
                          "x=100\r\n"
                          "theme=dark\r\n"
                          "stayontop=True\r\n"
                          "\r\n"
                          "[loupe]\r\n"
                          "zoom=4\r\n"
                          "cursor=False\r\n"
                          "[hotkey]\r\n"
                          "grab=18\r\n");
}

TEST(IniFile, SectionsAndKeysAreFoundRegardlessOfCaseAndBlanks) {
    IniFile ini = IniFile::parse("[ Screen ]\n"
                                 "  X = -20  \n"
                                 ";y=7\n"
                                 "Y=1\n"
                                 "y=2\n"
                                 "[HOTKEY]\n"
                                 "Grab=\n");
    EXPECT_EQ(ini.read_string("SCREEN", "x", "d"), "-20");
    EXPECT_EQ(ini.read_string("screen", "y", "d"), "1"); // the commented line isn't a key
    EXPECT_EQ(ini.read_string("hotkey", "grab", "d"), "");
    EXPECT_EQ(ini.read_string("hotkey", "loupe", "d"), "d");
    EXPECT_EQ(ini.read_string("loupe", "cursor", ""), "");
    EXPECT_EQ(ini.read_string("screen", "stayontop", "True"), "True");
    // A key of one section is not found in another.
    EXPECT_EQ(ini.read_string("hotkey", "x", "none"), "none");

    ini.write_string("screen", "y", "3");
    ini.write_string("Hotkey", "GRAB", "0");
    // Lines not written keep their blanks.
    EXPECT_EQ(ini.text(), "[ Screen ]\r\n"
                          "  X = -20  \r\n"
                          ";y=7\r\n"
                          "Y=3\r\n"
                          "y=2\r\n"
                          "[HOTKEY]\r\n"
                          "Grab=0\r\n");
}

TEST_F(IniFileOnDisk, AMissingFileReadsAsEmptyAndOtherFailuresAreReported) {
    const IniFile none = IniFile::load(path);
    EXPECT_EQ(none.text(), "");
    EXPECT_EQ(none.read_string("screen", "x", "100"), "100");

    fs::create_directory(path);
    EXPECT_THROW(IniFile::load(path), EInOutError);
}

TEST(IniFile, AValueCannotAddLinesOfItsOwn) {
    IniFile ini;
    ini.write_string("screen", "x", "1\r\n[hotkey]\r\ngrab=99");
    EXPECT_EQ(ini.text(), "[screen]\r\nx=1\r\n");
    EXPECT_EQ(ini.read_string("hotkey", "grab", "none"), "none");
}

// Hand edits read the way Windows' own profile reader reads them (the Windows tests hold
// each such form against GetPrivateProfileStringA itself).
TEST(IniFile, HandEditsReadAsWindowsReadsThem) {
    struct Case {
        std::string_view content;
        std::string_view key;
        std::string_view reading;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF[screen]\r\nx=300\r\n", "x", "300"},              // an editor's UTF-8 mark
        {"[screen]\r\nx=\"300\"\r\n", "x", "300"},                      // quotes around a value
        {"[screen]\r\nx= '300' \r\n", "x", "300"},                      // ... single ones too
        {"[screen]\r\nx=\"300\r\n", "x", "\"300"},                      // one quote stays
        {"[screen]\r\nx=\"a\"b\"\r\n", "x", "a\"b"},                    // only the outer pair goes
        {"[screen]\rx=1\ry=2\r", "y", "2"},                             // lone CR line ends
        {"[screen]\r\nx=1\x1a\r\n", "x", "1"},                          // Ctrl+Z counts as a blank
        {std::string_view("[screen]\r\nx=1\0junk\r\n", 19), "x", "1"},  // a NUL ends the value
        {"[screen]\r\nx\r\nx=5\r\n", "x", "\x01 absent"},               // a key without "=" first
        {"[screen]\r\n;x=1\r\n", ";x", "1"},                            // no comments, only keys
        {"[screen] ; window\r\nx=7\r\n", "x", "7"},                     // after "]" nothing counts
        {"[screen\r\nx=7\r\n", "x", "\x01 absent"},                     // no "]": no section
        {"[screen]\r\ny=1\r\n[screen]\r\nx=2\r\n", "x", "\x01 absent"}, // first section only
        {"[screen]\r\nx="
         "\xC3\xA4"
         "\r\n",
         "x", "\xC3\xA4"}, // no mark: bytes as they are
    };
    for (const Case& c : cases)
        EXPECT_EQ(IniFile::parse(c.content).read_string(" screen", c.key, "\x01 absent"), c.reading)
            << testing::PrintToString(std::string(c.content));
}

TEST(IniFile, AFileWithAMarkIsWrittenBackInItsOwnForm) {
    // UTF-8: the mark stays, and a value written in the code page is stored as UTF-8.
    IniFile utf8 = IniFile::parse("\xEF\xBB\xBF[screen]\nname=\xC3\xA4rger\nx=1\n");
    EXPECT_EQ(utf8.read_string("screen", "name", ""),
              "\xE4rger"); // Latin-1 stands for the code page
    utf8.write_string("screen", "x", "2");
    utf8.write_string("other", "y", "\xE4");
    EXPECT_EQ(utf8.text(), "\xEF\xBB\xBF[screen]\r\nname=\xC3\xA4rger\r\nx=2\r\n"
                           "[other]\r\ny=\xC3\xA4\r\n");

    // UTF-16 LE, as Notepad saves "Unicode".
    const std::string utf16("\xFF\xFE[\0s\0]\0\r\0\n\0x\0=\0\"\0"
                            "3\0\"\0\r\0\n\0",
                            26);
    IniFile wide = IniFile::parse(utf16);
    EXPECT_EQ(wide.read_string("s", "x", ""), "3");
    wide.write_string("s", "x", "4");
    EXPECT_EQ(wide.text(), std::string("\xFF\xFE[\0s\0]\0\r\0\n\0x\0=\0"
                                       "4\0\r\0\n\0",
                                       22));
}
