#include "framework/core/ini_file.h"

#include "framework/core/errors.h"
#include "framework/core/file_handle.h"
#include "framework/core/safe_file.h"

#include <algorithm>

namespace pipetto {

namespace {

std::string_view trim_blanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Only ASCII letters are folded: bytes of the code page above 127 compare as they are,
// whichever code page the file was written in.
char fold_ascii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return fold_ascii(x) == fold_ascii(y);
           });
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> section_name(std::string_view line) {
    const std::string_view text = trim_blanks(line);
    if (text.empty() || text.front() != '[')
        return std::nullopt;
    std::string_view inner = text.substr(1);
    if (const auto close = inner.rfind(']'); close != std::string_view::npos)
        inner = inner.substr(0, close);
    return trim_blanks(inner);
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

// A "key=value" line; comments (";" first) and lines without "=" hold no entry.
std::optional<Entry> entry_of(std::string_view line) {
    const std::string_view text = trim_blanks(line);
    if (text.empty() || text.front() == ';')
        return std::nullopt;
    const auto equals = text.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return Entry{trim_blanks(text.substr(0, equals)), trim_blanks(text.substr(equals + 1))};
}

std::string_view first_line_of(std::string_view text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

} // namespace

IniFile IniFile::load(const std::filesystem::path& path) {
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
    while (!content.empty()) {
        const auto end = content.find('\n');
        std::string_view line = content.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ini.lines_.emplace_back(line);
        content = end == std::string_view::npos ? std::string_view() : content.substr(end + 1);
    }
    return ini;
}

std::optional<IniFile::SectionRange> IniFile::find_section(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = section_name(lines_[i]);
        if (!name || !equal_ignoring_case(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !section_name(lines_[end]))
            ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniFile::find_key(const SectionRange& range,
                                             std::string_view key) const {
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const auto entry = entry_of(lines_[i]);
        if (entry && equal_ignoring_case(entry->key, key))
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
    return std::string(entry_of(lines_[*line])->value);
}

void IniFile::write_string(std::string_view section, std::string_view key, std::string_view value) {
    value = first_line_of(value);
    const auto range = find_section(section);
    if (!range) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::string(key) + "=" + std::string(value));
        return;
    }
    if (const auto line = find_key(*range, key)) {
        // The key keeps the spelling the file gave it.
        lines_[*line] = std::string(entry_of(lines_[*line])->key) + "=" + std::string(value);
        return;
    }
    // After the section's last non-blank line, so that a blank line separating it
    // from the next section stays where it is.
    std::size_t last = range->header;
    for (std::size_t i = range->header + 1; i < range->end; ++i)
        if (!trim_blanks(lines_[i]).empty())
            last = i;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1),
                  std::string(key) + "=" + std::string(value));
}

std::string IniFile::text() const {
    std::string content;
    for (const std::string& line : lines_) {
        content += line;
        content += "\r\n";
    }
    return content;
}

void IniFile::save(const std::filesystem::path& path) const {
    replace_file(path, text());
}

} // namespace pipetto
