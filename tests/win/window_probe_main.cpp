// The window as the program opens it, for the end-to-end tests: runs are seeded from the
// fixed reading --seed=MS, other arguments set the window up as its command line does, and
// the window tells on its standard output, as they change, where the keyboard focus is, how
// many runs the log box shows and each new line of the log, and the words of each box (a
// message box, a dialog) as it opens.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "core/driver/run_driver.h"
#include "core/system_clock.h"
#include "ui/win/tform1.h"
#include "ui/win/wide_text.h"
#include "ui/win/window_app.h"

namespace {

int RunsInLog(const std::string& log) {
    int runs = 0;
    for (auto at = log.find(morvanta::EndOfJobLine); at != std::string::npos;
         at = log.find(morvanta::EndOfJobLine, at + 1))
        ++runs;
    return runs;
}

std::string TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return morvanta::ToUtf8(text);
}

BOOL CALLBACK AddStaticText(HWND child, LPARAM words) {
    wchar_t kind[16] = {};
    GetClassNameW(child, kind, 16);
    if (_wcsicmp(kind, L"Static") == 0)
        *reinterpret_cast<std::string*>(words) += " | " + TextOf(child);
    return TRUE;
}

// "box TITLE | TEXT | ...", a line each of the box's texts.
LRESULT CALLBACK TellBoxes(int code, WPARAM wParam, LPARAM lParam) {
    const auto box = reinterpret_cast<HWND>(wParam);
    wchar_t kind[16] = {};
    if (code == HCBT_ACTIVATE && GetClassNameW(box, kind, 16) && std::wstring(kind) == L"#32770") {
        std::string words = TextOf(box);
        EnumChildWindows(box, AddStaticText, reinterpret_cast<LPARAM>(&words));
        for (char& c : words) c = c == '\r' || c == '\n' ? ' ' : c;
        std::printf("box %s\n", words.c_str());
        std::fflush(stdout);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    std::uint32_t seed = 0;
    std::vector<std::string> setupArguments;
    for (const std::string& argument : morvanta::CommandLineArguments())
        if (argument.starts_with("--seed="))
            seed = static_cast<std::uint32_t>(std::strtoul(argument.c_str() + 7, nullptr, 10));
        else
            setupArguments.push_back(argument);
    std::optional<morvanta::LinkSetup> setup;
    if (!setupArguments.empty()) setup = morvanta::ReadWindowArguments(setupArguments);
    const morvanta::FixedClock clock = morvanta::FixedClock::ForSeed(seed);
    SetWindowsHookExW(WH_CBT, TellBoxes, nullptr, GetCurrentThreadId());
    std::string focus = "?", log = "?";
    const auto tell = [&](const morvanta::TForm1& form) {
        const std::string nowFocus = form.ControlName(GetFocus());
        const std::string nowLog = TextOf(form.Memo1);
        if (nowFocus != focus) std::printf("focus %s\n", nowFocus.c_str());
        if (nowLog.size() > log.size() && nowLog.starts_with(log)) {
            const std::string added = nowLog.substr(log.size()) + "\r\n";
            for (std::size_t at = 0, end; (end = added.find("\r\n", at)) != added.npos;
                 at = end + 2)
                if (end > at) std::printf("log %s\n", added.substr(at, end - at).c_str());
        }
        if (nowLog != log) std::printf("runs %d\n", RunsInLog(nowLog));  // after its lines
        if (nowFocus != focus || nowLog != log) std::fflush(stdout);
        focus = nowFocus;
        log = nowLog;
    };
    return morvanta::RunWindow(instance, clock, showCommand, tell, setup ? &*setup : nullptr);
}
