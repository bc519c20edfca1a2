#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/cli/command_line.h"
#include "core/driver/run_driver.h"
#include "session/link_setup.h"
#include "session/plot_session.h"
#include "ui/win/gdi_plot_surface.h"
#include "ui/win/lesson_menu.h"
#include "ui/win/radio_group.h"

namespace morvanta {

// The plot's menu, for teachers (the right button, the Menu key, Shift+F10): copy or clear
// the plot, save the last run's trials, and the session's options that add to what a run
// shows. What the items do to the runs and the plot is the session's; the menu shows its
// options as checks. The options start off and last while the window is open.
class PlotMenu {
public:
    PlotMenu(HWND owner, GdiPlotSurface& plot, const RadioGroup& scenario);
    ~PlotMenu();
    PlotMenu(const PlotMenu&) = delete;
    PlotMenu& operator=(const PlotMenu&) = delete;

    // What the window shows anew after the chosen item.
    struct Answer {
        bool clearPlot = false;            // "Clear Plot": the empty plot again
        std::optional<PlotChange> change;  // what changed for the empty plot, if anything
    };
    // Opens the menu at a screen point and does what is chosen. An error of the chosen item is
    // raised to the caller.
    Answer Popup(POINT screen);

    const PlotSession& Session() const { return session_; }
    RunObserver& Observer() { return session_.Observer(); }
    // Draws what the options add to the empty plot just drawn on the window's plot.
    void DrawOverEmptyPlot() { session_.DrawOverEmptyPlot(); }
    // After a run: the tally and the shares in the log, when asked for; a run ended early
    // counts in no shares.
    void RunFinished(RunOutlets& outlets, bool complete = true);
    // Switches on what the command line's setup asks for (its zoom and pace too), and shows
    // it as checks.
    void ApplySetup(const LinkSetup& setup);

private:
    enum Item : int {
        CopyPlotId = 301,
        SaveTrialsId,
        ClearPlotId,
        ShowIsoclinesId,
        TallyOutcomesId,
        OutcomeShapesId,
        ShowOutcomeMapId,
        SavePlotId,
        ResetSharesId = 321,
        AxisNumbersId,
        LabelIsoclinesId,
        DescribePlotId,
        ShowCaptionId,
        // The Zoom submenu's items are numbered from 330, the Pace submenu's from 341.
    };
    // Shows the session's options as checks, its zoom and pace as the chosen items.
    void ShowOptions();
    static HMENU NewMenu();
    int Track(POINT screen);
    // Does the item; returns what it changed for the empty plot, which is drawn again at once
    // where the change alters it, so that the class never sees the plot as it was before.
    std::optional<PlotChange> Do(int item);
    // The session's option an item switches, or none.
    bool* Option(int item);
    // The plot's description in a box, for a screen reader or a pupil who cannot see it.
    void DescribePlot();
    void CopyPlot() const;
    void SavePlot() const;
    std::vector<std::uint8_t> PlotPng() const;
    void SaveTrials();
    // The path the user chose in the save dialog, or nothing.
    std::wstring ChooseFile(const wchar_t* title, const wchar_t* filter,
                            const wchar_t* extension) const;

    HWND owner_;
    GdiPlotSurface& plot_;
    const RadioGroup& scenario_;
    HMENU menu_;
    HMENU zoom_;
    HMENU pace_;
    PlotSession session_;
    LessonMenu lesson_;
};

}  // namespace morvanta
