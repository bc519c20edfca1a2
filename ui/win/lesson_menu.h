#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "core/cli/command_line.h"
#include "core/driver/trial_table.h"
#include "core/trial_overrides.h"
#include "ui/win/gdi_plot_surface.h"
#include "ui/win/radio_group.h"

namespace morvanta {

// The plot menu's items for a lesson: the teacher's own coefficients (a dialog), the last
// run's time course in a window of its own, and the direction field on the empty plot.
class LessonMenu {
public:
    static constexpr int CoefficientsId = 311;
    static constexpr int ShowTimeCourseId = 312;
    static constexpr int ShowDirectionFieldId = 313;

    LessonMenu(HMENU menu, HWND owner, const RadioGroup& scenario);
    ~LessonMenu();
    LessonMenu(const LessonMenu&) = delete;
    LessonMenu& operator=(const LessonMenu&) = delete;

    // Does the item if it is one of these; returns whether it was.
    bool Do(int item);
    const TrialOverrides& Overrides() const { return overrides_; }
    // The direction field, under the isoclines.
    void DrawOverEmptyPlot(PlotSurface& surface, Scenario scenario) const;
    void RunFinished(const std::vector<TrialRecord>& records);
    // Takes the command line's direction field and own coefficients and start.
    void ApplySetup(const BatchOptions& options);

    static void RegisterClasses(HINSTANCE instance);

private:
    void OpenDialog();
    void OpenTimeCourse();
    static LRESULT CALLBACK TimeCourseProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    HMENU menu_;
    HWND owner_;
    const RadioGroup& scenario_;
    TrialOverrides overrides_;
    std::vector<TrialRecord> lastRun_;
    HWND timeCourse_ = nullptr;
    std::unique_ptr<GdiPlotSurface> figure_;  // the time course, drawn once per run
};

}  // namespace morvanta
