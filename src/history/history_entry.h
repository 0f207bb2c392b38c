#pragma once
// One kept colour as it lies in memory and in history.dat: six short texts of at most
// 30 single-byte characters, each a length byte followed by 30 character bytes.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace pipetto {

template <std::size_t Capacity> struct ShortString {
    static_assert(Capacity <= 255, "the length must fit its byte");
    static constexpr std::size_t capacity = Capacity;

    unsigned char length;
    char chars[Capacity];

    // A length byte above the capacity can only come from a damaged file; it is read
    // as the capacity, so nothing past the field is ever taken.
    std::string_view view() const noexcept {
        return std::string_view(chars, std::min<std::size_t>(length, Capacity));
    }
    std::string text() const { return std::string(view()); }

    // Keeps the first Capacity characters and drops the rest without notice; the
    // bytes behind the text are zeroed so that a saved record holds nothing stale.
    void assign(std::string_view value) noexcept {
        const std::size_t n = std::min(value.size(), Capacity);
        length = static_cast<unsigned char>(n);
        std::memcpy(chars, value.data(), n);
        std::memset(chars + n, 0, Capacity - n);
    }
};

struct THistoryEntry {
    ShortString<30> Name;  // shown as the row's caption
    ShortString<30> Hex;   // "$" and 8 hex digits; the row's colour
    ShortString<30> Html;  // "#" and 6 hex digits
    ShortString<30> Long;  // the decimal value
    ShortString<30> RGB;   // "rgb(r,g,b)"
    ShortString<30> Ident; // the colour's name, or "n/a"
};

// The record is read and written byte for byte, so its layout is the file's layout.
static_assert(sizeof(ShortString<30>) == 31);
static_assert(sizeof(THistoryEntry) == 186);
static_assert(offsetof(THistoryEntry, Ident) == 155);
static_assert(std::is_trivially_copyable_v<THistoryEntry>);
static_assert(std::is_standard_layout_v<THistoryEntry>);

} // namespace pipetto
