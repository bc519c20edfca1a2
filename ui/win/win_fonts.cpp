#include "ui/win/win_fonts.h"

#include <cwchar>

namespace morvanta {
namespace {

int CALLBACK FoundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool SystemHasFace(const wchar_t* face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(query.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &query, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

}  // namespace

HFONT CreateFaceFont(std::initializer_list<const wchar_t*> faces, int characterHeight, int weight,
                     BYTE quality) {
    const wchar_t* chosen = *(faces.end() - 1);
    for (const wchar_t* face : faces) {
        if (SystemHasFace(face)) {
            chosen = face;
            break;
        }
    }
    // A negative height asks for the character height, without the internal leading.
    return CreateFontW(-characterHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality,
                       DEFAULT_PITCH | FF_DONTCARE, chosen);
}

TEXTMETRICW FontMetrics(HFONT font, HWND window) {
    HDC dc = GetDC(window);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return metrics;
}

int CellHeight(HFONT font, HWND window) { return FontMetrics(font, window).tmHeight; }

}  // namespace morvanta
