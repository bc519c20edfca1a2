#include "ui/win/console_output.h"

#include <windows.h>

#include <cstdio>

namespace morvanta {

void UseParentConsole() {
    const bool outputGoesSomewhere = GetStdHandle(STD_OUTPUT_HANDLE) != nullptr &&
                                     GetStdHandle(STD_OUTPUT_HANDLE) != INVALID_HANDLE_VALUE;
    if (outputGoesSomewhere || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
}

std::string ProgramName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    const std::size_t dot = name.rfind(L'.');
    return ToUtf8(dot == std::wstring::npos ? name : name.substr(0, dot));
}

}  // namespace morvanta
