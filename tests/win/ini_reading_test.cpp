// config.ini as a user edits it by hand: every form is read by Windows' own profile reader
// and by the program's, and the two readings must agree.

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/core/ini_file.h"
#include "temporary_folder.h"

#include <array>
#include <string>
#include <vector>

using namespace pipetto;
using tests::TemporaryFolder;

namespace {

struct Probe {
    const char* section;
    const char* key;
};

// The program's own names, and names that hand edits produce.
constexpr std::array<Probe, 9> probes = {{{"screen", "x"},
                                          {"screen", "y"},
                                          {"SCREEN", "X"},
                                          {"loupe", "cursor"},
                                          {"hotkey", "grab"},
                                          {"hotkey", "loupe"},
                                          {"", "x"},
                                          {"screen", ";x"},
                                          {"screen", ""}}};

constexpr char absent[] = "\x01 absent";

std::string windows_reading(const std::filesystem::path& file, const Probe& probe) {
    char buffer[4096];
    const DWORD got = GetPrivateProfileStringA(probe.section, probe.key, absent, buffer,
                                               sizeof buffer, file.string().c_str());
    return std::string(buffer, got);
}

std::string shown(const std::string& bytes) {
    std::string text;
    for (unsigned char c : bytes) {
        if (c >= 32 && c < 127) {
            text += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            text += escaped;
        }
    }
    return text;
}

std::string utf16le(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

std::vector<std::string> hand_edited_files() {
    std::vector<std::string> files;
    // One value written in many ways, under many spellings of its section, with every kind
    // of line end, with and without an editor's UTF-8 mark.
    const std::vector<std::string> values = {"300",
                                             "\"300\"",
                                             "'300'",
                                             " \"300\" ",
                                             "\"300",
                                             "300\"",
                                             "\"\"",
                                             "\"",
                                             "\" 3 \"",
                                             "1 ;c",
                                             "a\"b\"",
                                             "\"a'",
                                             "\x1a"
                                             "1\x1a",
                                             "\xA0"
                                             "1",
                                             std::string("5 \0x", 4),
                                             "\x0b-7\x0c",
                                             "\xC3\xA4",
                                             "\xCE\xA9",
                                             "\xC3",
                                             "$FF",
                                             "= 2"};
    const std::vector<std::string> headers = {"[screen]",
                                              "[ SCREEN ]",
                                              "[Screen] ; main window",
                                              "  [screen]  ",
                                              "[screen]]",
                                              "[scr\xC3\xA4"
                                              "en]"};
    const std::vector<std::string> line_ends = {"\r\n", "\n", "\r", "\n\r"};
    for (const std::string& mark : {std::string(), std::string("\xEF\xBB\xBF")})
        for (const std::string& header : headers)
            for (const std::string& end : line_ends)
                for (const std::string& value : values)
                    files.push_back(mark + header + end + "  x = " + value + end + "y=2" + end +
                                    "[hotkey]" + end + "grab=" + value);
    // The forms of sections and keys themselves.
    const std::vector<std::string> layouts = {
        "x=1\r\n[screen]\r\nx=2\r\n",
        "[screen]\r\ny=1\r\n[screen]\r\nx=2\r\n",
        "[screen]\r\nx=1\r\nX=2\r\n",
        "[screen]\r\nx\r\nx=3\r\n",
        "[screen]\r\n;x=1\r\nx=2\r\n",
        "[screen]\r\n#x=1\r\n",
        "[loupe]\r\n[screen\r\nx=1\r\n",
        "[loupe]\r\n[screen=1\r\ncursor=True\r\n",
        "[screen]x=1\r\n",
        "[]\r\nx=1\r\n",
        "[ ]\r\nx=1\r\n",
        "[screen]\r\n=5\r\n",
        "[screen]\r\nx=1=2\r\n",
        "[screen]\r\nx=[1]\r\n",
        "[screen]\r\nxy=5\r\n",
        "[screenx]\r\nx=5\r\n",
        "[screen]\r\n\r\n\r\n\r\n   \t\r\nx=9",
        "\x1a[screen]\r\nx=1\r\n",
        "\xEF\xBB\xBF\xEF\xBB\xBF[screen]\r\nx=1\r\n",
        "\r\n\xEF\xBB\xBF[screen]\r\nx=1\r\n",
        "\xEF\xBB[screen]\r\nx=1\r\n",
        "\xEF\xBB\xBF",
        std::string("[screen]\r\nx=1\0y=2\r\n", 20),
        std::string("[screen]\r\nx\0z=1\r\n", 17),
        std::string("[scr\0een]\r\nx=1\r\n", 17),
        std::string("\0[screen]\r\nx=1\r\n", 17),
        std::string("[screen]\r\nx=\"5\0\"\r\n", 19),
        utf16le("[screen]\r\nx=\"300\"\r\ny=2\r\n"),
        utf16le("[screen]\nx = 12\r[hotkey]\ngrab=18"),
        "\xFE\xFF" + std::string("\0[\0s\0c\0r\0e\0e\0n\0]\0\n\0x\0=\0"
                                 "4",
                                 24),
        "[screen]\r\nx=" + std::string(3000, '7') + "\r\n",
    };
    files.insert(files.end(), layouts.begin(), layouts.end());
    return files;
}

} // namespace

TEST(IniReading, EveryHandEditedFormReadsAsWindowsReadsIt) {
    TemporaryFolder folder;
    const std::vector<std::string> files = hand_edited_files();
    std::vector<std::string> disagreements;
    std::size_t values_found = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        // A name of its own for each file: Windows keeps profile files it has read in a cache.
        const std::string name = "config" + std::to_string(i) + ".ini";
        folder.write(name, files[i]);
        const IniFile ours = IniFile::load(folder / name);
        for (const Probe& probe : probes) {
            const std::string theirs = windows_reading(folder / name, probe);
            const std::string mine = ours.read_string(probe.section, probe.key, absent);
            values_found += theirs != absent;
            if (mine != theirs)
                disagreements.push_back(shown(files[i]) + " [" + probe.section + "] " + probe.key +
                                        ": Windows \"" + shown(theirs) + "\", ours \"" +
                                        shown(mine) + "\"");
        }
    }
    EXPECT_GT(files.size(), 1000u);
    EXPECT_GT(values_found, 2 * files.size()); // most files hold x and grab
    std::string report;
    for (const std::string& line : disagreements)
        report += line + "\n";
    EXPECT_TRUE(disagreements.empty()) << disagreements.size() << " disagreements:\n" << report;
}
