#include "history/import_file.h"

#include <array>
#include <cstring>

#include "colour/colour_value.h"
#include "colour/named_colours.h"
#include "framework/core/file_handle.h"
#include "history/import_collector.h"

namespace pipetto {
namespace {

// A colour text is "$" and 8 hexadecimal digits.
constexpr std::size_t colour_text_length = 9;
constexpr std::size_t read_piece_size = 64 * 1024;

// One line as far as the rules look at it: the bytes before its first "=" (the whole
// line when it has none), and the first bytes after it. Pieces of the line arrive as
// the file is read; only a bounded head of each part is kept.
class LineParts {
  public:
    // A piece of the line, holding no LF.
    void add(std::string_view piece) {
        if (piece.empty())
            return;
        last_is_cr_ = piece.back() == '\r';
        if (!has_equals_) {
            const std::size_t equals = piece.find('=');
            head_.keep(piece.substr(0, equals));
            if (equals == std::string_view::npos)
                return;
            has_equals_ = true;
            piece.remove_prefix(equals + 1);
        }
        value_.keep(piece);
    }

    // The line ended at an LF: a CR just before it belongs to the line break.
    void drop_carriage_return() {
        if (!last_is_cr_)
            return;
        if (has_equals_)
            value_.drop_last();
        else
            head_.drop_last();
    }

    bool has_equals() const noexcept { return has_equals_; }
    // Before the first "=", cut to the caption's capacity.
    std::string_view name() const noexcept { return head_.kept(); }
    // The value's first 9 characters: after the "=", or the line's own start.
    std::string_view colour_text() const noexcept {
        return (has_equals_ ? value_.kept() : head_.kept()).substr(0, colour_text_length);
    }

    void clear() noexcept {
        head_.clear();
        value_.clear();
        has_equals_ = false;
        last_is_cr_ = false;
    }

  private:
    // The first Capacity bytes of a part, and how long the part really is.
    template <std::size_t Capacity> class BoundedPart {
      public:
        void keep(std::string_view piece) {
            const std::size_t room = Capacity - kept_length_;
            const std::size_t taken = piece.size() < room ? piece.size() : room;
            std::memcpy(bytes_.data() + kept_length_, piece.data(), taken);
            kept_length_ += taken;
            length_ += piece.size();
        }
        void drop_last() noexcept {
            --length_;
            if (kept_length_ > length_)
                kept_length_ = length_;
        }
        std::string_view kept() const noexcept { return {bytes_.data(), kept_length_}; }
        void clear() noexcept { kept_length_ = length_ = 0; }

      private:
        std::array<char, Capacity> bytes_{};
        std::size_t kept_length_ = 0;
        std::uintmax_t length_ = 0;
    };

    static_assert(imported_caption_capacity >= colour_text_length);
    BoundedPart<imported_caption_capacity> head_;
    BoundedPart<colour_text_length> value_;
    bool has_equals_ = false;
    bool last_is_cr_ = false;
};

// A finished line goes to the collector when its value begins with "$".
void take_line(ImportCollector& collector, const LineParts& line) {
    const std::string_view colour = line.colour_text();
    if (colour.empty() || colour.front() != '$')
        return;
    collector.take(colour, line.has_equals() ? std::optional(line.name()) : std::nullopt);
}

bool is_hex_digit(char c) noexcept {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

unsigned hex_value(char c) noexcept {
    if (c <= '9')
        return static_cast<unsigned>(c - '0');
    return static_cast<unsigned>((c | 0x20) - 'a' + 10);
}

std::optional<TColor> grabbed_colour(std::string_view hex) noexcept {
    if (hex.size() != colour_text_length || hex[0] != '$' || hex[1] != '0' || hex[2] != '0')
        return std::nullopt;
    TColor colour = 0;
    for (char c : hex.substr(1)) {
        if (!is_hex_digit(c))
            return std::nullopt;
        colour = (colour << 4) | hex_value(c);
    }
    return colour;
}

} // namespace

void derive_colour_forms(THistoryEntry& entry) {
    const auto colour = grabbed_colour(entry.Hex.view());
    if (!colour)
        return;
    const HtmlText html = html_form(*colour);
    entry.Html.assign(html);
    entry.Long.assign(long_form(*colour));
    entry.RGB.assign(rgb_form(*colour));
    entry.Ident.assign(name_form(html));
}

ImportBatch read_import_file(const FilePath& source, const HistoryTable& table,
                             const DateTimeName& date_time_name) {
    FileHandle file = FileHandle::open(source, FileMode::read);
    ImportBatch batch;
    ImportCollector collector(table, date_time_name, batch);
    LineParts line;
    std::vector<char> piece(read_piece_size);
    try {
        for (;;) {
            const std::size_t got = file.read_some(piece.data(), piece.size());
            if (got == 0)
                break;
            std::string_view rest(piece.data(), got);
            if (rest.find('\0') != std::string_view::npos) {
                batch = ImportBatch{};
                batch.not_text = true;
                return batch;
            }
            for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos;) {
                line.add(rest.substr(0, end));
                line.drop_carriage_return();
                take_line(collector, line);
                line.clear();
                rest.remove_prefix(end + 1);
            }
            line.add(rest);
        }
        // The last line counts without a line break too; an empty one takes nothing.
        take_line(collector, line);
    } catch (const EInOutError& error) {
        batch.failure = error;
    }
    return batch;
}

std::string history_full_import_message(std::uintmax_t lines_left_out) {
    std::string message = "The history is full: Pipetto keeps at most ";
    message.append(std::to_string(HistoryTable::capacity)).append(" colours. ");
    message.append(std::to_string(lines_left_out))
        .append(lines_left_out == 1 ? " line" : " lines")
        .append(" of the file with a new colour ")
        .append(lines_left_out == 1 ? "was" : "were")
        .append(" left out.");
    return message;
}

std::string not_a_text_file_message(std::string_view file_name) {
    std::string message = quoted_in_message(file_name);
    message.append(" is not a text file. Nothing was imported: only text files with "
                   "Hex values can be imported.");
    return message;
}

} // namespace pipetto
