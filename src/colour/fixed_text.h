#pragma once
// A short text that lives in a fixed buffer. The grab cycle builds every colour
// form ten times a second; with these no tick touches the heap.

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pipetto {

template <std::size_t Capacity> class FixedText {
  public:
    constexpr FixedText() = default;
    constexpr explicit FixedText(std::string_view text) { append(text); }

    // Like every fixed-capacity text of the program, anything past the
    // capacity is cut off without notice.
    constexpr void append(std::string_view text) {
        for (char c : text)
            append(c);
    }
    constexpr void append(char c) {
        if (size_ < Capacity)
            chars_[size_++] = c;
        chars_[size_] = '\0';
    }
    void append_decimal(std::int64_t value) {
        char digits[24];
        auto result = std::to_chars(digits, digits + sizeof digits, value);
        append(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
    }
    // Upper-case digits, zero-padded on the left to min_width.
    constexpr void append_hex(std::uint32_t value, int min_width) {
        constexpr char hex_digits[] = "0123456789ABCDEF";
        char digits[8];
        int count = 0;
        do {
            digits[count++] = hex_digits[value & 0xF];
            value >>= 4;
        } while (value != 0);
        for (int pad = min_width - count; pad > 0; --pad)
            append('0');
        while (count > 0)
            append(digits[--count]);
    }

    constexpr std::string_view view() const noexcept { return {chars_.data(), size_}; }
    constexpr operator std::string_view() const noexcept { return view(); }
    // Zero-terminated, for calls that want a C string.
    constexpr const char* c_str() const noexcept { return chars_.data(); }
    constexpr std::size_t size() const noexcept { return size_; }
    constexpr bool empty() const noexcept { return size_ == 0; }
    static constexpr std::size_t capacity() noexcept { return Capacity; }
    std::string str() const { return std::string(view()); }

    friend constexpr bool operator==(const FixedText& a, std::string_view b) noexcept {
        return a.view() == b;
    }

  private:
    std::array<char, Capacity + 1> chars_{};
    std::size_t size_ = 0;
};

} // namespace pipetto
