#pragma once
// A settings file in the INI form, read the way Windows reads profile files, so that a file
// edited by hand means to this program what it means to Windows:
// - a file may begin with a byte-order mark (UTF-8, UTF-16 LE or BE); its texts are then
//   read in the system's code page, as Windows reads them;
// - a line ends at CR, at LF or at both; blanks (tab, LF, VT, FF, CR, space and Ctrl+Z)
//   around lines, names and values are ignored;
// - "[name]" opens a section (up to its last "]"; what follows that is ignored); lines
//   before the first one belong to a section without a name;
// - every other line is a key: up to its first "=", with the rest its value; a line without
//   "=" is a key without a value, which reads as absent. Nothing marks a comment: ";x=1"
//   is the key ";x", which no one asks for;
// - names and values end at a NUL byte; one pair of matching quotes (" or ') around a
//   value is taken away;
// - sections and keys are found regardless of ASCII letter case; of sections with the
//   same name only the first is searched, of keys the first counts.
// The file is held as its lines, so whatever this program doesn't know (other sections and
// keys, comments, blank lines, their order, the mark) is written back unchanged.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/file_path.h"

namespace pipetto {

class IniFile {
  public:
    IniFile() = default;

    // A missing file gives an empty IniFile; any other failure raises EInOutError.
    static IniFile load(const FilePath& path);
    // The whole file's bytes; a last line without a line break counts too.
    static IniFile parse(std::string_view content);

    // The value of the first matching key in the first matching section, or
    // default_value when either is absent.
    std::string read_string(std::string_view section, std::string_view key,
                            std::string_view default_value) const;

    // Replaces the key's value in place; a new key goes after the last entry of its
    // section, a new section at the end of the file. The value ends at a line break,
    // if it holds one, so that it can't add lines of its own to the file.
    void write_string(std::string_view section, std::string_view key, std::string_view value);
    // Takes every line of the key out of the section (a later one would count once the
    // first went); the section stays, even empty.
    void delete_key(std::string_view section, std::string_view key);

    // Every line followed by CR LF, in the form (and behind the mark) the file came in.
    std::string text() const;
    // Replaces the file whole (see replace_file); the old file survives a failure.
    void save(const FilePath& path) const;

  private:
    enum class Encoding { ansi, utf8, utf16le, utf16be };

    struct SectionRange {
        std::size_t begin; // index of the first line after the "[name]" line
        std::size_t end;   // index of the next section's header, or the line count
    };
    std::optional<SectionRange> find_section(std::string_view section) const;
    std::optional<std::size_t> find_key(const SectionRange& range, std::string_view key) const;
    // Names and values as the program reads them (the code page's bytes), and the
    // program's texts as the file holds them.
    std::string as_read(std::string_view file_text) const;
    std::string as_stored(std::string_view text) const;
    bool names_match(std::string_view file_name, std::string_view name) const;

    Encoding encoding_ = Encoding::ansi;
    // The code page's bytes, or UTF-8 in a file with a mark.
    std::vector<std::string> lines_;
};

} // namespace pipetto
