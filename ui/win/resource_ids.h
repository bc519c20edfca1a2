#pragma once

// Resource numbers shared by the resource script and the code.
#define IDI_MORVANTA 1
#define IDB_PICTURE 101
#define IDB_GLYPH_START 102
#define IDB_GLYPH_END 103
#define IDD_COEFFICIENTS 201
#define IDC_A12 202
#define IDC_A21 203
#define IDC_USE_PRESETS 204
