#include "history/date_time_text.h"

#include <array>

#include "framework/win/win_text.h"

namespace pipetto {
namespace {

// Longest date or time a locale's formats produce is far below this.
constexpr int text_capacity = 128;

std::string short_date(const SYSTEMTIME& time) {
    std::array<wchar_t, text_capacity> text{};
    const int length = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr,
                                      text.data(), text_capacity);
    return length > 0 ? win::narrow(text.data()) : std::string();
}

std::string long_time(const SYSTEMTIME& time) {
    std::array<wchar_t, text_capacity> text{};
    const int length =
        GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &time, nullptr, text.data(), text_capacity);
    return length > 0 ? win::narrow(text.data()) : std::string();
}

} // namespace

std::string date_time_text(const SYSTEMTIME& local_time) {
    std::string text = short_date(local_time);
    if (local_time.wHour != 0 || local_time.wMinute != 0 || local_time.wSecond != 0) {
        text += ' ';
        text += long_time(local_time);
    }
    return text;
}

std::string current_date_time_text() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return date_time_text(now);
}

} // namespace pipetto
