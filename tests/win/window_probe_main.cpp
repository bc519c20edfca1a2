// The window as the program opens it, for the end-to-end tests: runs are seeded from the
// fixed reading --seed=MS, the window is set up by the rest of its command line as the
// program's is, and it tells on its standard output where the Loop box lies and, as they
// change, where the keyboard focus is, how many runs the log box shows and its new lines, and
// the words of each box (a message box, a dialog) as it opens.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "core/driver/run_driver.h"
#include "core/system_clock.h"
#include "session/link_setup.h"
#include "ui/win/tform1.h"
#include "ui/win/wide_text.h"
#include "ui/win/window_app.h"

namespace {

std::wstring LogText(HWND log) {  // or any window's text
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(log)) + 1, L'\0');
    GetWindowTextW(log, text.data(), static_cast<int>(text.size()));
    text.resize(text.size() - 1);
    return text;
}

BOOL CALLBACK AddStaticText(HWND child, LPARAM words) {
    wchar_t kind[16] = {};
    GetClassNameW(child, kind, 16);
    if (_wcsicmp(kind, L"Static") == 0) {
        *reinterpret_cast<std::wstring*>(words) += L" | " + LogText(child);
    }
    return TRUE;
}

// "box TITLE | TEXT | ...", a line each of the box's texts.
LRESULT CALLBACK TellBoxes(int code, WPARAM wParam, LPARAM lParam) {
    const auto box = reinterpret_cast<HWND>(wParam);
    wchar_t kind[16] = {};
    if (code == HCBT_ACTIVATE && GetClassNameW(box, kind, 16) && std::wstring(kind) == L"#32770") {
        std::wstring words = LogText(box);
        EnumChildWindows(box, AddStaticText, reinterpret_cast<LPARAM>(&words));
        std::replace_if(
            words.begin(), words.end(), [](wchar_t c) { return c == L'\r' || c == L'\n'; }, L' ');
        std::printf("box %s\n", morvanta::ToUtf8(words).c_str());
        std::fflush(stdout);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int RunsInLog(const std::wstring& text) {
    const std::wstring line = L"Normal End of Job";
    int runs = 0;
    for (auto at = text.find(line); at != std::wstring::npos; at = text.find(line, at + 1)) ++runs;
    return runs;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    std::uint32_t seed = 0;
    for (int i = 1; i < __argc; ++i)
        if (std::wcsncmp(__wargv[i], L"--seed=", 7) == 0)
            seed = static_cast<std::uint32_t>(std::wcstoul(__wargv[i] + 7, nullptr, 10));
    const morvanta::FixedClock clock = morvanta::FixedClock::ForSeed(seed);
    const auto setup = morvanta::ReadWindowArguments(morvanta::CommandLineArguments());
    SetWindowsHookExW(WH_CBT, TellBoxes, nullptr, GetCurrentThreadId());
    std::string focus = "?";
    int runs = -1;
    std::size_t told = 0;  // lines of the log told so far
    return morvanta::RunWindow(
        instance, clock, showCommand,
        [&](const morvanta::TForm1& form) {
            if (runs < 0) {
                RECT loop;
                GetClientRect(form.Edit2->Handle(), &loop);
                MapWindowPoints(form.Edit2->Handle(), form.Handle(),
                                reinterpret_cast<POINT*>(&loop), 2);
                std::printf("loopbox %ld %ld %ld %ld\n", loop.left, loop.top,
                            loop.right - loop.left, loop.bottom - loop.top);
            }
            const std::string nowFocus = form.ControlName(GetFocus());
            const std::wstring log = LogText(form.Memo1);
            const int nowRuns = RunsInLog(log);
            if (nowFocus != focus) std::printf("focus %s\n", nowFocus.c_str());
            if (nowRuns != runs) std::printf("runs %d\n", nowRuns);
            // The log's lines are added whole: those after the ones told.
            std::size_t line = 0;
            for (std::size_t at = 0; !log.empty() && at != std::wstring::npos; ++line) {
                const std::size_t end = log.find(L"\r\n", at);
                if (line >= told)
                    std::printf("log %s\n", morvanta::ToUtf8(log.substr(at, end - at)).c_str());
                at = end == std::wstring::npos ? end : end + 2;
            }
            told = std::max(told, line);
            std::fflush(stdout);
            focus = nowFocus;
            runs = nowRuns;
        },
        setup ? &*setup : nullptr);
}
