#include <variant>
#include <vector>

#include "framework/core/file_handle.h"
#include "framework/core/unicode_text.h"
#include "palettes/gpl_file.h"

namespace pipetto {
namespace {

constexpr std::size_t read_piece_size = 64 * 1024;

bool is_blank(char c) noexcept {
    return c == ' ' || c == '\t';
}

std::string_view without_leading_blanks(std::string_view text) noexcept {
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    return text;
}

// A decimal value from 0 to 255 at the front of `text`, ended by a blank or the line's
// end; its digits are taken off the text.
enum class Value { none, out_of_range };
std::variant<Value, int> value_at(std::string_view& text) noexcept {
    std::size_t digits = 0;
    int value = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        if (value <= 255)
            value = value * 10 + (text[digits] - '0');
        ++digits;
    }
    if (digits == 0 || (digits < text.size() && !is_blank(text[digits])))
        return Value::none;
    text.remove_prefix(digits);
    if (value > 255)
        return Value::out_of_range;
    return value;
}

// A line cut at the head's bound may end inside a character; that piece is no fault.
std::string_view without_cut_sequence(std::string_view text) noexcept {
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue;
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        if (length > back)
            text.remove_suffix(back);
        break;
    }
    return text;
}

class GplLines {
  public:
    GplLines(const PaletteFilter& keep, PaletteReading& reading) : keep_(keep), reading_(reading) {
        head_.reserve(gpl_line_head);
    }

    // A piece of the current line, holding no LF.
    void add(std::string_view piece) {
        const std::size_t room = gpl_line_head - head_.size();
        head_.append(piece.substr(0, room));
        cut_ = cut_ || piece.size() > room;
    }

    // The line ended (at an LF, or at the file's end). False once the file is known to
    // be no palette.
    bool finish_line() {
        std::string_view line = head_;
        if (!cut_ && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const bool header = line_count_++ == 0;
        const bool sound = header ? is_header(line) : (take(line), true);
        head_.clear();
        cut_ = false;
        return sound;
    }

    bool seen_lines() const noexcept { return line_count_ > 0; }

  private:
    static bool is_header(std::string_view line) noexcept {
        constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";
        if (line.starts_with(byte_order_mark))
            line.remove_prefix(byte_order_mark.size());
        while (!line.empty() && is_blank(line.back()))
            line.remove_suffix(1);
        return line == "GIMP Palette";
    }

    void take(std::string_view line) {
        int rgb[3];
        for (int& value : rgb) {
            line = without_leading_blanks(line);
            const auto read = value_at(line);
            if (!std::holds_alternative<int>(read))
                return; // a comment, "Name:", "Columns:", a blank line, or a value past 255
            value = std::get<int>(read);
        }
        // The palette's programs put one tab before the name, and keep the blanks after
        // it; a line typed by hand may align its names with any blanks.
        line = line.starts_with('\t') ? line.substr(1) : without_leading_blanks(line);
        const std::string_view name = cut_ ? without_cut_sequence(line) : line;
        const PaletteColour colour{static_cast<std::uint8_t>(rgb[0]),
                                   static_cast<std::uint8_t>(rgb[1]),
                                   static_cast<std::uint8_t>(rgb[2])};
        if (keep_ && !keep_(colour))
            return;
        reading_.palette.entries.push_back({std::string(name), colour});
        if (!is_well_formed_utf8(name))
            ++reading_.names_not_utf8;
    }

    const PaletteFilter& keep_;
    PaletteReading& reading_;
    std::string head_;
    bool cut_ = false;
    std::uintmax_t line_count_ = 0;
};

} // namespace

PaletteReading read_gpl_file(const FilePath& source, const PaletteFilter& keep) {
    FileHandle file = FileHandle::open(source, FileMode::read);
    PaletteReading reading;
    GplLines lines(keep, reading);
    std::vector<char> piece(read_piece_size);
    const auto refuse = [&reading] {
        reading = PaletteReading{};
        reading.wrong_content = true;
        return reading;
    };
    try {
        for (;;) {
            const std::size_t got = file.read_some(piece.data(), piece.size());
            if (got == 0)
                break;
            std::string_view rest(piece.data(), got);
            // No text holds a NUL byte: this is some other file with a palette's name.
            if (rest.find('\0') != std::string_view::npos)
                return refuse();
            for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos;) {
                lines.add(rest.substr(0, end));
                if (!lines.finish_line())
                    return refuse();
                rest.remove_prefix(end + 1);
            }
            lines.add(rest);
        }
        // The last line counts without a line break too; an empty file has no header.
        if (!lines.finish_line())
            return refuse();
    } catch (const EInOutError& error) {
        reading.failure = error;
    }
    return reading;
}

} // namespace pipetto
