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

int CellHeight(HFONT font) {
    HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight;
}

}  // namespace morvanta
