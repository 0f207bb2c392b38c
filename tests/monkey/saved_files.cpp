#include "saved_files.h"

#include <exception>

#include "framework/core/ini_file.h"

namespace pipetto::monkey {
namespace {

std::optional<WIN32_FILE_ATTRIBUTE_DATA> facts_of(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA facts{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &facts))
        return std::nullopt;
    return facts;
}

unsigned long long size_of(const WIN32_FILE_ATTRIBUTE_DATA& facts) {
    return (static_cast<unsigned long long>(facts.nFileSizeHigh) << 32) | facts.nFileSizeLow;
}

} // namespace

std::optional<std::string> history_fault(const std::wstring& folder, bool must_exist) {
    const std::optional<WIN32_FILE_ATTRIBUTE_DATA> facts = facts_of(folder + L"\\history.dat");
    if (!facts)
        return must_exist ? std::optional<std::string>("history.dat is missing after the close")
                          : std::nullopt;
    const unsigned long long size = size_of(*facts);
    if (size % history_record_size != 0)
        return "history.dat holds " + std::to_string(size) + " bytes, not whole " +
               std::to_string(history_record_size) + "-byte records";
    return std::nullopt;
}

unsigned long long history_colours(const std::wstring& folder) {
    const std::optional<WIN32_FILE_ATTRIBUTE_DATA> facts = facts_of(folder + L"\\history.dat");
    return facts ? size_of(*facts) / history_record_size : 0;
}

std::optional<std::string> config_fault(const std::wstring& folder, FILETIME program_start) {
    const std::wstring path = folder + L"\\config.ini";
    const std::optional<WIN32_FILE_ATTRIBUTE_DATA> facts = facts_of(path);
    if (!facts)
        return "config.ini is missing after the close";
    if (CompareFileTime(&facts->ftLastWriteTime, &program_start) < 0)
        return std::string("config.ini was not written at the close (it is older than the start)");
    IniFile ini;
    try {
        ini = IniFile::load(FilePath(path));
    } catch (const std::exception& error) {
        return std::string("config.ini can't be read: ") + error.what();
    }
    constexpr const char* settings[][2] = {{"screen", "x"},         {"screen", "y"},
                                           {"screen", "stayontop"}, {"loupe", "cursor"},
                                           {"hotkey", "grab"},      {"hotkey", "loupe"}};
    for (const auto& [section, key] : settings)
        if (ini.read_string(section, key, "").empty())
            return std::string("config.ini has no ") + key + " in [" + section + "]";
    return std::nullopt;
}

} // namespace pipetto::monkey
