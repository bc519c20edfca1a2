// The window as the program opens it, for the end-to-end tests: runs are seeded from the
// fixed reading --seed=MS, and the window tells on its standard output, as they change,
// where the keyboard focus is and how many runs the log box shows.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "core/driver/run_driver.h"
#include "core/system_clock.h"
#include "ui/win/tform1.h"
#include "ui/win/window_app.h"

namespace {

int RunsInLog(HWND log) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(log)) + 1, L'\0');
    GetWindowTextW(log, text.data(), static_cast<int>(text.size()));
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
    std::string focus = "?";
    int runs = -1;
    return morvanta::RunWindow(instance, clock, showCommand, [&](const morvanta::TForm1& form) {
        const std::string nowFocus = form.ControlName(GetFocus());
        const int nowRuns = RunsInLog(form.Memo1);
        if (nowFocus != focus) std::printf("focus %s\n", nowFocus.c_str());
        if (nowRuns != runs) std::printf("runs %d\n", nowRuns);
        if (nowFocus != focus || nowRuns != runs) std::fflush(stdout);
        focus = nowFocus;
        runs = nowRuns;
    });
}
