// config.ini from any bytes: what is read never holds a line break or a NUL;
// the file written back reads as the file read; and the program's six settings written
// into it read back as written while everything else keeps its reading.

#include "framework/core/ini_file.h"

#include "fuzz_check.h"

#include <array>
#include <string>
#include <utility>

using namespace pipetto;

namespace {

struct Name {
    std::string_view section;
    std::string_view key;
};

// The program's keys, and others a user or another program might have put in the file.
constexpr std::array<Name, 6> settings = {{{"screen", "x"},
                                           {"screen", "y"},
                                           {"screen", "stayontop"},
                                           {"loupe", "cursor"},
                                           {"hotkey", "grab"},
                                           {"hotkey", "loupe"}}};
constexpr std::array<Name, 6> others = {{{"screen", "theme"},
                                         {"other", "x"},
                                         {"other", "colour"},
                                         {"a", "b"},
                                         {"", ""},
                                         {"hotkey", ""}}};

constexpr std::string_view absent = "\x01 absent";

std::string reading(const IniFile& ini, const Name& name) {
    return ini.read_string(name.section, name.key, absent);
}

void check_readings_alike(const IniFile& a, const IniFile& b) {
    for (const auto* names : {&settings, &others})
        for (const Name& name : *names)
            FUZZ_CHECK(reading(a, name) == reading(b, name));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    IniFile ini = IniFile::parse(fuzz::as_text(data, size));
    for (const auto* names : {&settings, &others}) {
        for (const Name& name : *names) {
            const std::string value = reading(ini, name);
            if (value == absent)
                continue;
            // A value ends at its line's end and at a NUL. (Blanks may stay at its ends:
            // inside quotes, or before a NUL, as Windows reads them.)
            FUZZ_CHECK(value.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
        }
    }
    check_readings_alike(ini, IniFile::parse(ini.text()));

    // What Save writes: numbers and "True"/"False", the first of them picked by the input.
    IniFile saved = ini;
    const std::array<std::string, 6> values = {
        std::to_string(size > 0 ? static_cast<int>(data[0]) - 128 : 0),
        "-1200",
        size % 2 ? "True" : "False",
        "False",
        "18",
        "0"};
    for (std::size_t i = 0; i < settings.size(); ++i)
        saved.write_string(settings[i].section, settings[i].key, values[i]);
    const IniFile reread = IniFile::parse(saved.text());
    for (std::size_t i = 0; i < settings.size(); ++i) {
        FUZZ_CHECK(reading(saved, settings[i]) == values[i]);
        FUZZ_CHECK(reading(reread, settings[i]) == values[i]);
    }
    for (const Name& name : others)
        FUZZ_CHECK(reading(reread, name) == reading(ini, name));
    return 0;
}
