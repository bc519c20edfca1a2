#pragma once

#include <windows.h>

#include <memory>

#include "session/plot_session.h"
#include "ui/win/gdi_plot_surface.h"

namespace morvanta {

// The plot menu's items for a lesson: the teacher's own coefficients (a dialog), the last
// run's time course in a window of its own, and the direction field on the empty plot: each
// the session's.
class LessonMenu {
public:
    static constexpr int CoefficientsId = 311;
    static constexpr int ShowTimeCourseId = 312;
    static constexpr int ShowDirectionFieldId = 313;

    LessonMenu(HMENU menu, HWND owner, PlotSession& session);
    ~LessonMenu();
    LessonMenu(const LessonMenu&) = delete;
    LessonMenu& operator=(const LessonMenu&) = delete;

    // Does the item if it is one of these; returns whether it was.
    bool Do(int item);
    // The coefficients dialog; whether the teacher chose coefficients (OK or the presets).
    bool ChooseCoefficients();
    // After a run (the session's): its time course can be shown.
    void RunFinished();

    static void RegisterClasses(HINSTANCE instance);

private:
    void OpenTimeCourse();
    static LRESULT CALLBACK TimeCourseProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    HMENU menu_;
    HWND owner_;
    PlotSession& session_;
    HWND timeCourse_ = nullptr;
    std::unique_ptr<GdiPlotSurface> figure_;  // the time course, drawn once per run
};

}  // namespace morvanta
