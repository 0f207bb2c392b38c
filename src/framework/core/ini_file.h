#pragma once
// A settings file in the INI form, read and written the way Windows profile files are:
// sections and keys found regardless of case, blanks around keys and values ignored.
// The file is held as its lines, so whatever this program doesn't know (other
// sections and keys, comments, blank lines, their order) is written back unchanged.
// Texts are bytes in the system's code page and are never converted.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pipetto {

class IniFile {
  public:
    IniFile() = default;

    // A missing file gives an empty IniFile; any other failure raises EInOutError.
    static IniFile load(const std::filesystem::path& path);
    // Takes lines ended by LF or CR LF; a last line without a line break counts too.
    static IniFile parse(std::string_view content);

    // The value of the first matching key in the first matching section, or
    // default_value when either is absent.
    std::string read_string(std::string_view section, std::string_view key,
                            std::string_view default_value) const;

    // Replaces the key's value in place; a new key goes after the last entry of its
    // section, a new section at the end of the file. The value ends at a line break,
    // if it holds one, so that it can't add lines of its own to the file.
    void write_string(std::string_view section, std::string_view key, std::string_view value);

    // Every line followed by CR LF.
    std::string text() const;
    // Replaces the file whole (see replace_file); the old file survives a failure.
    void save(const std::filesystem::path& path) const;

  private:
    struct SectionRange {
        std::size_t header; // index of the "[name]" line
        std::size_t end;    // index of the next section's header, or the line count
    };
    std::optional<SectionRange> find_section(std::string_view section) const;
    std::optional<std::size_t> find_key(const SectionRange& range, std::string_view key) const;

    std::vector<std::string> lines_;
};

} // namespace pipetto
