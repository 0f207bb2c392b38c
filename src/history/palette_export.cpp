#include "history/palette_export.h"

#include "framework/core/safe_file.h"
#include "framework/core/unicode_text.h"
#include "history/history_palette.h"
#include "palettes/ase_file.h"
#include "palettes/css_file.h"
#include "palettes/gpl_file.h"

namespace pipetto {
namespace {

// The file's name without its extension, as the palette's own name.
std::string utf8_base_name(const FilePath& file) {
    FilePath::string_type name = file.file_name();
    if (const std::size_t dot = name.rfind('.'); dot != FilePath::string_type::npos && dot > 0)
        name.resize(dot);
#ifdef _WIN32
    std::string utf16le;
    for (const wchar_t unit : name) {
        utf16le.push_back(static_cast<char>(unit & 0xFF));
        utf16le.push_back(static_cast<char>(unit >> 8));
    }
    return encode_utf8(decode_utf16(utf16le, false));
#else
    return name;
#endif
}

} // namespace

int export_palette(const HistoryTable& table, ExportChoice choice, PaletteFormat format,
                   const FilePath& target) {
    if (format == PaletteFormat::text) {
        export_history(table, choice, target);
        return 0;
    }
    const HistoryPalette made = history_palette(table, choice.with_name);
    switch (format) {
    case PaletteFormat::gpl:
        replace_file(target, gpl_text(made.palette, utf8_base_name(target)));
        break;
    case PaletteFormat::css:
        replace_file(target, css_text(made.palette));
        break;
    case PaletteFormat::ase:
    case PaletteFormat::text:
        replace_file(target, ase_bytes(made.palette));
        break;
    }
    return made.left_out;
}

} // namespace pipetto
