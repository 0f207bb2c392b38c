#pragma once
// Adobe Swatch Exchange (".ase"), which Photoshop, Illustrator, InDesign and Affinity
// read. Big-endian throughout: "ASEF", version 1.0, the number of blocks, then the
// blocks, each a 16-bit type and a 32-bit length of what follows. A colour entry (type 1)
// holds its name as a 16-bit count of UTF-16 units (the terminating zero counted), the
// units, the model ("RGB ", "CMYK", "LAB " or "Gray"), its values as 32-bit floats and
// a 16-bit colour type (0 global, 1 spot, 2 normal). Groups are a start block (0xC001,
// with a name) and an end block (0xC002) around their entries.

#include <string>

#include "framework/core/file_path.h"
#include "palettes/palette.h"

namespace pipetto {

// Version 1.0, one normal RGB entry per colour and no groups.
std::string ase_bytes(const Palette& palette);

// Takes RGB entries (each value × 255, rounded) and Gray ones (as R = G = B), inside
// groups too; CMYK and LAB entries are counted and skipped. A file without the signature
// or of another major version is no swatch file (`wrong_content`). A block that doesn't
// fit (a length beyond the file or too short for its content, a name without its
// terminating zero, a model or value no writer makes) ends the reading: the entries
// before it are kept and the file is `damaged`; so is a file that ends before its
// counted blocks do. Sound blocks after the counted ones are read too. Every length is
// checked against what it bounds before anything is read for it, and nothing is
// allocated by a length read from the file beyond one name's 128 KiB. A name is kept to
// its first `palette_name_head` bytes of UTF-8. A file that can't be opened raises
// EInOutError.
PaletteReading read_ase_file(const FilePath& source, const PaletteFilter& keep = {});

} // namespace pipetto
