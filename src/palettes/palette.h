#pragma once
// A palette as the file formats hold it, apart from anything of the program's history: an
// ordered list of entries, each a name and an 8-bit RGB colour. The readers give one, with
// what they skipped and why; the writers turn one into the file's bytes.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/core/errors.h"

namespace pipetto {

struct PaletteColour {
    std::uint8_t red = 0, green = 0, blue = 0;

    friend bool operator==(const PaletteColour&, const PaletteColour&) = default;
};

struct PaletteEntry {
    // UTF-8. A reader passes a name that is no UTF-8 on as the file has it, and counts it.
    std::string name;
    PaletteColour colour;

    friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

// Of a name, a reader keeps at most this many bytes, cut at a character's end, so a file
// of any size makes it hold a bounded amount for each entry it keeps.
inline constexpr std::size_t palette_name_head = 2048;

struct Palette {
    std::vector<PaletteEntry> entries;
};

// What a reader found in a file.
struct PaletteReading {
    // The entries kept, in file order.
    Palette palette;
    // The file is not what its extension says (a ".gpl" without the palette's first line
    // or with a NUL byte, an ".ase" without its signature): nothing of it is kept.
    bool wrong_content = false;
    // Damaged part way (an ASE block that doesn't fit, or ends early): the entries before
    // the damage are kept.
    bool damaged = false;
    // ASE colours in CMYK or LAB, which have no one RGB value of their own; skipped.
    std::uintmax_t colours_in_other_models = 0;
    // Names of kept entries that are no UTF-8 (GPL).
    std::uintmax_t names_not_utf8 = 0;
    // A read that failed part way; the entries before it are kept.
    std::optional<EInOutError> failure;
};

// Asked of each colour a reader finds, in file order, before the entry is kept: false
// leaves it out. A caller that keeps only what it can use reads a file of any size in
// bounded memory; no filter keeps every entry.
using PaletteFilter = std::function<bool(PaletteColour)>;

} // namespace pipetto
