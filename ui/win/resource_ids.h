#pragma once

// Resource numbers shared by the resource script and the code.
#define IDI_MORVANTA 1
#define IDB_PICTURE 101
#define IDB_GLYPH_START 102
#define IDB_GLYPH_END 103
