#include "framework/core/errors.h"

namespace pipetto {

EConvertError EConvertError::invalid_integer(std::string_view text) {
    std::string message = quoted_in_message(text);
    message.insert(message.begin(), '\'');
    message += "' ist kein gültiger Integerwert";
    return EConvertError(message);
}

EInOutError::EInOutError(int code) : Exception(text_for_code(code)), code_(code) {}

std::string EInOutError::text_for_code(int code) {
    switch (code) {
    case io_code::file_not_found:
        return "Datei nicht gefunden";
    case io_code::path_not_found:
        return "Ungültiger Dateiname";
    case io_code::too_many_open_files:
        return "Zu viele geöffnete Dateien";
    case io_code::access_denied:
        return "Dateizugriff verweigert";
    case io_code::read_beyond_end:
        return "Versuch hinter dem Dateiende zu lesen";
    case io_code::disk_full:
        return "Zu wenig Speicherplatz";
    case io_code::invalid_numeric_input:
        return "Ungültige numerische Eingabe";
    default: {
        std::string text = "E/A-Fehler ";
        text += std::to_string(code);
        return text;
    }
    }
}

std::string error_display_text(std::string_view message) {
    std::string text(message);
    // Compared as unsigned bytes: the lead byte of "ü" sorts after "." too.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

std::string cannot_write_message(std::string_view path) {
    std::string message = "In ";
    message.append(quoted_in_message(path)).append(" kann nicht geschrieben werden");
    return message;
}

namespace {

bool is_continuation_byte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

std::string quoted_in_message(std::string_view text) {
    if (text.size() <= longest_quoted_text)
        return std::string(text);
    // The end says most of a path (the file's name), the start where it lies.
    const std::size_t kept = longest_quoted_text - 3;
    std::size_t head = kept / 3;
    std::size_t tail_start = text.size() - (kept - head);
    while (head > 0 && is_continuation_byte(text[head]))
        --head;
    while (tail_start < text.size() && is_continuation_byte(text[tail_start]))
        ++tail_start;
    std::string shortened(text.substr(0, head));
    shortened.append("...").append(text.substr(tail_start));
    return shortened;
}

} // namespace pipetto
