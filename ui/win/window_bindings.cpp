#include "ui/win/window_bindings.h"

#include <string>

namespace morvanta {

void BoxOutlets::ShowTrialNumber(int n) { trial_.ShowNumber(n); }

void BoxOutlets::AppendLog(const std::string& line) { AppendLine(log_, line); }

void AppendLine(HWND edit, const std::string& line) {
    const std::wstring text(line.begin(), line.end());  // the log's lines are ASCII
    const int length = GetWindowTextLengthW(edit);
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(length), length);
    const std::wstring added = length == 0 ? text : L"\r\n" + text;
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
}

}  // namespace morvanta
