#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "framework/core/file_handle.h"
#include "framework/core/unicode_text.h"
#include "palettes/ase_file.h"

namespace pipetto {
namespace {

constexpr std::size_t read_piece_size = 64 * 1024;
constexpr std::uint16_t colour_entry = 0x0001;

// The file through a buffer of fixed size; a read or skip past the end says so.
class ByteStream {
  public:
    explicit ByteStream(FileHandle& file) : file_(file), buffer_(read_piece_size) {}

    bool read(void* out, std::size_t size) {
        auto* bytes = static_cast<char*>(out);
        while (size > 0) {
            if (next_ == end_ && !refill())
                return false;
            const std::size_t taken = std::min(size, end_ - next_);
            std::memcpy(bytes, buffer_.data() + next_, taken);
            next_ += taken, bytes += taken, size -= taken;
        }
        return true;
    }

    bool skip(std::uint64_t size) {
        while (size > 0) {
            if (next_ == end_ && !refill())
                return false;
            const std::size_t taken =
                static_cast<std::size_t>(std::min<std::uint64_t>(size, end_ - next_));
            next_ += taken, size -= taken;
        }
        return true;
    }

    std::optional<std::uint16_t> u16() {
        unsigned char b[2];
        if (!read(b, 2))
            return std::nullopt;
        return static_cast<std::uint16_t>(b[0] << 8 | b[1]);
    }

    std::optional<std::uint32_t> u32() {
        unsigned char b[4];
        if (!read(b, 4))
            return std::nullopt;
        return static_cast<std::uint32_t>(b[0]) << 24 | static_cast<std::uint32_t>(b[1]) << 16 |
               static_cast<std::uint32_t>(b[2]) << 8 | b[3];
    }

    bool at_end() { return next_ == end_ && !refill(); }

  private:
    bool refill() {
        end_ = file_.read_some(buffer_.data(), buffer_.size());
        next_ = 0;
        return end_ > 0;
    }

    FileHandle& file_;
    std::vector<char> buffer_;
    std::size_t next_ = 0, end_ = 0;
};

// A value from 0 to 1 as 0 to 255; nothing for one no writer makes (NaN, out of range).
std::optional<int> channel(float value) {
    const double scaled = static_cast<double>(value) * 255.0;
    if (!(scaled > -0.5 && scaled < 255.5))
        return std::nullopt;
    return static_cast<int>(std::lround(scaled));
}

class AseReader {
  public:
    AseReader(ByteStream& stream, const PaletteFilter& keep, PaletteReading& reading)
        : stream_(stream), keep_(keep), reading_(reading) {}

    // False when a block doesn't fit or the file ends before it.
    bool block() {
        const auto type = stream_.u16();
        const auto length = stream_.u32();
        if (!type || !length)
            return false;
        if (*type != colour_entry)
            return stream_.skip(*length); // a group's start or end, or a block unknown
        return colour(*length);
    }

  private:
    bool colour(std::uint32_t length) {
        const auto units = stream_.u16();
        // The name's units, the zero among them, must fit the block with the model and
        // the colour type; only then is room made for them.
        if (!units || *units == 0 || length < 2u + *units * 2u + 4u + 2u)
            return false;
        std::string name(*units * 2u, '\0');
        if (!stream_.read(name.data(), name.size()) || !name.ends_with(std::string_view("\0\0", 2)))
            return false;
        char model[4];
        if (!stream_.read(model, 4))
            return false;
        const std::string_view model_name(model, 4);
        const std::size_t values = model_name == "RGB "   ? 3
                                   : model_name == "CMYK" ? 4
                                   : model_name == "LAB " ? 3
                                   : model_name == "Gray" ? 1
                                                          : 0;
        const std::uint64_t used = 2u + name.size() + 4u + values * 4u + 2u;
        if (values == 0 || length < used)
            return false;
        float value[4];
        for (std::size_t i = 0; i < values; ++i) {
            const auto bits = stream_.u32();
            if (!bits)
                return false;
            value[i] = std::bit_cast<float>(*bits);
        }
        if (!stream_.u16() || !stream_.skip(length - used))
            return false;

        if (model_name == "CMYK" || model_name == "LAB ") {
            ++reading_.colours_in_other_models;
            return true;
        }
        const auto red = channel(value[0]);
        const auto green = model_name == "Gray" ? red : channel(value[1]);
        const auto blue = model_name == "Gray" ? red : channel(value[2]);
        if (!red || !green || !blue)
            return false;
        const PaletteColour colour{static_cast<std::uint8_t>(*red),
                                   static_cast<std::uint8_t>(*green),
                                   static_cast<std::uint8_t>(*blue)};
        if (!keep_ || keep_(colour))
            reading_.palette.entries.push_back({utf8_name(name), colour});
        return true;
    }

    // The name up to its first zero unit, and no longer than a name's head.
    static std::string utf8_name(std::string_view utf16) {
        std::size_t units = 0;
        while (units * 2 + 1 < utf16.size() && (utf16[units * 2] != 0 || utf16[units * 2 + 1] != 0))
            ++units;
        std::string name = encode_utf8(decode_utf16(utf16.substr(0, units * 2), true));
        if (name.size() > palette_name_head) {
            std::size_t end = palette_name_head;
            while ((static_cast<unsigned char>(name[end]) & 0xC0) == 0x80)
                --end;
            name.resize(end);
        }
        return name;
    }

    ByteStream& stream_;
    const PaletteFilter& keep_;
    PaletteReading& reading_;
};

} // namespace

PaletteReading read_ase_file(const FilePath& source, const PaletteFilter& keep) {
    FileHandle file = FileHandle::open(source, FileMode::read);
    PaletteReading reading;
    ByteStream stream(file);
    try {
        char signature[4];
        if (!stream.read(signature, 4) || std::string_view(signature, 4) != "ASEF") {
            reading.wrong_content = true;
            return reading;
        }
        const auto major = stream.u16();
        if (major && *major != 1) {
            reading.wrong_content = true;
            return reading;
        }
        const auto minor = stream.u16();
        const auto count = stream.u32();
        AseReader reader(stream, keep, reading);
        // The count is only believed as far as the blocks are there: each block takes
        // six bytes of the file at least.
        bool sound = major && minor && count;
        for (std::uint32_t block = 0; sound && block < *count; ++block)
            sound = reader.block();
        reading.damaged = !sound;
        // Some writers leave blocks out of the count (a group's end, say): what follows
        // it is read too, as far as it is sound, and is no damage where it is not.
        while (sound && !stream.at_end() && reader.block()) {
        }
    } catch (const EInOutError& error) {
        reading.failure = error;
    }
    return reading;
}

} // namespace pipetto
