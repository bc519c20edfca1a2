// The window as the program opens it, for the end-to-end tests: runs are seeded from the
// fixed reading --seed=MS, any other arguments set the window up as its command line does,
// and the window tells on its standard output, as they change, where the keyboard focus is,
// how many runs the log box shows, each new line of the log, and the words of each box
// (a message box, a dialog) as it opens.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "core/driver/run_driver.h"
#include "core/system_clock.h"
#include "session/link_setup.h"
#include "ui/win/tform1.h"
#include "ui/win/wide_text.h"
#include "ui/win/window_app.h"

namespace {

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The log's lines, its end of line the edit's own.
std::vector<std::wstring> LogLines(HWND log) {
    const std::wstring text = TextOf(log);
    std::vector<std::wstring> lines;
    for (std::size_t at = 0; !text.empty() && at <= text.size();) {
        const std::size_t end = std::min(text.find(L"\r\n", at), text.size());
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

// "box TITLE: TEXT", the box's static texts joined by " | " with its lines.
BOOL CALLBACK AddStaticText(HWND child, LPARAM words) {
    wchar_t kind[16] = {};
    GetClassNameW(child, kind, 16);
    if (_wcsicmp(kind, L"Static") == 0 && GetWindowTextLengthW(child) > 0)
        *reinterpret_cast<std::wstring*>(words) += L" | " + TextOf(child);
    return TRUE;
}

LRESULT CALLBACK TellBoxes(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const auto box = reinterpret_cast<HWND>(wParam);
        wchar_t kind[16] = {};
        GetClassNameW(box, kind, 16);
        if (std::wcscmp(kind, L"#32770") == 0) {
            std::wstring words = TextOf(box) + L":";
            EnumChildWindows(box, AddStaticText, reinterpret_cast<LPARAM>(&words));
            for (std::size_t at; (at = words.find_first_of(L"\r\n")) != std::wstring::npos;)
                words.replace(at, words.find_first_not_of(L"\r\n", at) - at, L" | ");
            std::printf("box %s\n", morvanta::ToUtf8(words).c_str());
            std::fflush(stdout);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    std::uint32_t seed = 0;
    std::vector<std::string> setupArguments;
    for (const std::string& argument : morvanta::CommandLineArguments()) {
        if (argument.starts_with("--seed="))
            seed = static_cast<std::uint32_t>(std::strtoul(argument.c_str() + 7, nullptr, 10));
        else
            setupArguments.push_back(argument);
    }
    std::optional<morvanta::LinkSetup> setup;
    if (!setupArguments.empty()) setup = morvanta::ReadWindowArguments(setupArguments);
    const morvanta::FixedClock clock = morvanta::FixedClock::ForSeed(seed);
    SetWindowsHookExW(WH_CBT, TellBoxes, nullptr, GetCurrentThreadId());
    std::string focus = "?";
    int runs = -1;
    std::size_t logged = 0;
    return morvanta::RunWindow(
        instance, clock, showCommand,
        [&](const morvanta::TForm1& form) {
            const std::string nowFocus = form.ControlName(GetFocus());
            const std::vector<std::wstring> lines = LogLines(form.Memo1);
            int nowRuns = 0;
            for (const std::wstring& line : lines) nowRuns += line == L"Normal End of Job";
            if (nowFocus != focus) std::printf("focus %s\n", nowFocus.c_str());
            for (std::size_t i = logged; i < lines.size(); ++i)
                std::printf("log %s\n", morvanta::ToUtf8(lines[i]).c_str());
            if (nowRuns != runs) std::printf("runs %d\n", nowRuns);
            if (nowFocus != focus || nowRuns != runs || lines.size() > logged) std::fflush(stdout);
            focus = nowFocus;
            runs = nowRuns;
            logged = std::max(logged, lines.size());
        },
        setup ? &*setup : nullptr);
}
