#include "framework/core/errors.h"

namespace pipetto {

EConvertError EConvertError::invalid_integer(std::string_view text) {
    std::string message(text);
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
    message.append(path).append(" kann nicht geschrieben werden");
    return message;
}

} // namespace pipetto
