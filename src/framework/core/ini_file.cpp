#include "framework/core/ini_file.h"

#include "framework/core/ansi_text.h"
#include "framework/core/errors.h"
#include "framework/core/file_handle.h"
#include "framework/core/safe_file.h"
#include "framework/core/unicode_text.h"

#include <algorithm>

namespace pipetto {

namespace {

constexpr std::string_view utf8_mark = "\xEF\xBB\xBF";
constexpr std::string_view utf16le_mark = "\xFF\xFE";
constexpr std::string_view utf16be_mark = "\xFE\xFF";

// Windows counts Ctrl+Z, the old end-of-file mark, among the blanks of a profile file.
bool is_blank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a';
}

std::string_view trim_front(std::string_view text) {
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view trim_back(std::string_view text) {
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view trim_blanks(std::string_view text) {
    return trim_back(trim_front(text));
}

// Windows hands names and values on as C strings: a NUL ends them.
std::string_view up_to_nul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

// Only ASCII letters are folded: bytes of the code page above 127 compare as they are.
char fold_ascii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return fold_ascii(x) == fold_ascii(y);
           });
}

// The name of a "[name]" line, or nothing for any other line. A "[" without a "]"
// opens no section; the line is a key like any other.
std::optional<std::string_view> section_name(std::string_view line) {
    const std::string_view text = trim_blanks(line);
    if (text.empty() || text.front() != '[')
        return std::nullopt;
    const auto close = text.rfind(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return up_to_nul(trim_blanks(text.substr(1, close - 1)));
}

std::string_view without_quotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

struct Entry {
    std::string_view key;                  // as it is looked up
    std::string_view written_key;          // as the line spells it, for writing it again
    std::optional<std::string_view> value; // none for a line without "="
};

std::optional<Entry> entry_of(std::string_view line) {
    const std::string_view text = trim_blanks(line);
    if (text.empty() || section_name(text))
        return std::nullopt;
    const auto equals = text.find('=');
    if (equals == std::string_view::npos)
        return Entry{up_to_nul(text), text, std::nullopt};
    const std::string_view key = trim_back(text.substr(0, equals));
    return Entry{up_to_nul(key), key,
                 without_quotes(up_to_nul(trim_front(text.substr(equals + 1))))};
}

std::string_view first_line_of(std::string_view text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

} // namespace

IniFile IniFile::load(const FilePath& path) {
    FileHandle file;
    try {
        file = FileHandle::open(path, FileMode::read);
    } catch (const EInOutError& error) {
        if (error.code() == io_code::file_not_found)
            return IniFile();
        throw;
    }
    std::string content;
    char buffer[4096];
    while (const std::size_t got = file.read_some(buffer, sizeof buffer))
        content.append(buffer, got);
    file.close();
    return parse(content);
}

IniFile IniFile::parse(std::string_view content) {
    IniFile ini;
    std::string decoded;
    if (content.starts_with(utf8_mark)) {
        ini.encoding_ = Encoding::utf8;
        content.remove_prefix(utf8_mark.size());
    } else if (content.starts_with(utf16le_mark) || content.starts_with(utf16be_mark)) {
        const bool big_endian = content.starts_with(utf16be_mark);
        ini.encoding_ = big_endian ? Encoding::utf16be : Encoding::utf16le;
        decoded = encode_utf8(decode_utf16(content.substr(2), big_endian));
        content = decoded;
    }
    // A line ends at CR LF, at a lone CR or at a lone LF.
    while (!content.empty()) {
        const auto end = content.find_first_of("\r\n");
        ini.lines_.emplace_back(content.substr(0, end));
        if (end == std::string_view::npos)
            break;
        const bool crlf =
            content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n';
        content.remove_prefix(end + (crlf ? 2 : 1));
    }
    return ini;
}

std::string IniFile::as_read(std::string_view file_text) const {
    return encoding_ == Encoding::ansi ? std::string(file_text) : ansi_from_utf8(file_text);
}

std::string IniFile::as_stored(std::string_view text) const {
    return encoding_ == Encoding::ansi ? std::string(text) : utf8_from_ansi(text);
}

bool IniFile::names_match(std::string_view file_name, std::string_view name) const {
    return equal_ignoring_case(as_read(file_name), up_to_nul(trim_blanks(name)));
}

std::optional<IniFile::SectionRange> IniFile::find_section(std::string_view section) const {
    const auto next_header = [&](std::size_t from) {
        while (from < lines_.size() && !section_name(lines_[from]))
            ++from;
        return from;
    };
    // The lines before the first "[name]" form the first section, the one without a name.
    if (names_match("", section))
        return SectionRange{0, next_header(0)};
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = section_name(lines_[i]);
        if (name && names_match(*name, section))
            return SectionRange{i + 1, next_header(i + 1)};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniFile::find_key(const SectionRange& range,
                                             std::string_view key) const {
    for (std::size_t i = range.begin; i < range.end; ++i) {
        const auto entry = entry_of(lines_[i]);
        if (entry && names_match(entry->key, key))
            return i;
    }
    return std::nullopt;
}

std::string IniFile::read_string(std::string_view section, std::string_view key,
                                 std::string_view default_value) const {
    const auto range = find_section(section);
    if (!range)
        return std::string(default_value);
    const auto line = find_key(*range, key);
    if (!line)
        return std::string(default_value);
    const std::optional<std::string_view> value = entry_of(lines_[*line])->value;
    return value ? as_read(*value) : std::string(default_value);
}

void IniFile::write_string(std::string_view section, std::string_view key, std::string_view value) {
    const std::string stored_value = as_stored(first_line_of(value));
    const auto range = find_section(section);
    if (!range) {
        std::string header = as_stored(section);
        header.insert(header.begin(), '[');
        header += ']';
        lines_.push_back(std::move(header));
        lines_.push_back(as_stored(key) + "=" + stored_value);
        return;
    }
    if (const auto line = find_key(*range, key)) {
        // The key keeps the spelling the file gave it.
        lines_[*line] = std::string(entry_of(lines_[*line])->written_key) + "=" + stored_value;
        return;
    }
    // After the section's last non-blank line, so that a blank line separating it
    // from the next section stays where it is.
    std::size_t after = range->begin;
    for (std::size_t i = range->begin; i < range->end; ++i)
        if (!trim_blanks(lines_[i]).empty())
            after = i + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after),
                  as_stored(key) + "=" + stored_value);
}

void IniFile::delete_key(std::string_view section, std::string_view key) {
    const auto range = find_section(section);
    if (!range)
        return;
    SectionRange rest = *range;
    while (const auto line = find_key(rest, key)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
        rest = {*line, rest.end - 1};
    }
}

std::string IniFile::text() const {
    std::string content;
    for (const std::string& line : lines_) {
        content += line;
        content += "\r\n";
    }
    switch (encoding_) {
    case Encoding::ansi:
        return content;
    case Encoding::utf8:
        return std::string(utf8_mark) + content;
    case Encoding::utf16le:
        return std::string(utf16le_mark) + encode_utf16(decode_utf8(content), false);
    case Encoding::utf16be:
        return std::string(utf16be_mark) + encode_utf16(decode_utf8(content), true);
    }
    return content;
}

void IniFile::save(const FilePath& path) const {
    replace_file(path, text());
}

} // namespace pipetto
