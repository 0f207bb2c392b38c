#pragma once
// Resource identifiers, shared by the resource script and the code.

#define IDI_PIPETTO 1
#define IDB_COPY_GLYPH 101
#define IDB_COPY_GLYPH_HOT 102
#define IDB_LOUPE_GLYPH 103
