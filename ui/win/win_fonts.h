#pragma once

#include <windows.h>

#include <initializer_list>

namespace morvanta {

// The faces of the design, each followed by the nearest this system may have instead.
inline constexpr std::initializer_list<const wchar_t*> ProportionalGothic = {
    L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF", L"MS PGothic", L"IPAPGothic", L"Tahoma"};
inline constexpr std::initializer_list<const wchar_t*> FixedGothic = {
    L"\xFF2D\xFF33 \x30B4\x30B7\x30C3\x30AF", L"MS Gothic", L"IPAGothic", L"Tahoma"};
inline constexpr std::initializer_list<const wchar_t*> HeavySans = {L"Arial Black", L"Lato Black",
                                                                    L"Tahoma"};
inline constexpr std::initializer_list<const wchar_t*> SerifFaces = {
    L"Times New Roman", L"Liberation Serif", L"DejaVu Serif", L"Tahoma"};

// A font of the first face the system has, whose characters (the cell without its internal
// leading) are the given number of pixels high. The caller deletes it.
HFONT CreateFaceFont(std::initializer_list<const wchar_t*> faces, int characterHeight,
                     int weight = FW_NORMAL, BYTE quality = DEFAULT_QUALITY);

// The metrics of a font as a window's device context (none: the screen's) renders it.
TEXTMETRICW FontMetrics(HFONT font, HWND window = nullptr);

// The height of the character cell of a font, in pixels.
int CellHeight(HFONT font, HWND window = nullptr);

}  // namespace morvanta
