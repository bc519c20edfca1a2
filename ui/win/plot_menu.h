#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/driver/outcome_map.h"
#include "core/driver/outcome_shares.h"
#include "core/driver/run_driver.h"
#include "core/driver/trial_table.h"
#include "session/plot_session.h"
#include "ui/win/gdi_plot_surface.h"
#include "ui/win/lesson_menu.h"
#include "ui/win/radio_group.h"

namespace morvanta {

// The plot's menu, for teachers (the right button, the Menu key, Shift+F10): copy or clear
// the plot, save the last run's trials, and options that add to what a run shows (isoclines
// and the outcome map on the empty plot, a tally of outcomes and the session's shares in the
// log, shapes for the outcomes). The options start off and last while the window is open.
class PlotMenu {
public:
    PlotMenu(HWND owner, GdiPlotSurface& plot, const RadioGroup& scenario);
    ~PlotMenu();
    PlotMenu(const PlotMenu&) = delete;
    PlotMenu& operator=(const PlotMenu&) = delete;

    // Opens the menu at a screen point and does what is chosen; "Clear Plot" calls clear.
    // An error of the chosen item is raised to the caller.
    template <class Clear>
    void Popup(POINT screen, Clear clear) {
        const int chosen = Track(screen);
        if (chosen == ClearPlotId)
            clear();
        else
            Do(chosen);
    }

    RunObserver& Observer() { return observer_; }
    bool OutcomeShapes() const { return Checked(OutcomeShapesId); }
    // Switches on what the command line's setup asks for.
    void ApplySetup(const BatchOptions& options);
    const TrialOverrides& Overrides() const { return lesson_.Overrides(); }
    // Draws what the options add to the empty plot just drawn.
    void DrawOverEmptyPlot(PlotSurface& surface);
    // After a run: the tally and the shares in the log, when asked for.
    void RunFinished(RunOutlets& outlets);

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
    };
    static HMENU NewMenu();
    int Track(POINT screen);
    void Do(int item);
    bool Checked(int item) const;
    PlotOptions Options() const;
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
    LessonMenu lesson_;
    TrialTable observer_{[this] { DrawOverEmptyPlot(plot_); }};
    OutcomeMaps maps_;
    SessionCounts session_;
    std::optional<std::uint32_t> shownSeed_;  // of the run on the plot
};

}  // namespace morvanta
