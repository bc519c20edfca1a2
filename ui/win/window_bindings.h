#pragma once

#include <windows.h>

#include <functional>

#include "core/driver/run_driver.h"
#include "ui/win/gdi_plot_surface.h"
#include "ui/win/number_box.h"
#include "ui/win/radio_group.h"

namespace morvanta {

// The run's settings: the selected items of the two groups, read when asked.
class RadioGroupSettings : public RunSettings {
public:
    RadioGroupSettings(const RadioGroup& trials, const RadioGroup& scenario)
        : trials_(trials), scenario_(scenario) {}
    int TrialsChoice() const override { return trials_.ItemIndex(); }
    int ScenarioChoice() const override { return scenario_.ItemIndex(); }

private:
    const RadioGroup& trials_;
    const RadioGroup& scenario_;
};

// The run's outlets: the two number boxes and the log box.
class BoxOutlets : public RunOutlets {
public:
    BoxOutlets(NumberBox& trial, NumberBox& step, HWND log)
        : trial_(trial), step_(step), log_(log) {}
    void ShowTrialNumber(int n) override;
    void ShowStepNumber(int n) override { step_.ShowNumber(n); }
    void AppendLog(const std::string& line) override;

private:
    NumberBox& trial_;
    NumberBox& step_;
    HWND log_;
};

// For the length of a run, the number boxes and the plot keep their device contexts and
// their changes, which go to the window once a refresh of the display; at the run's end (or
// an error's) what is left is sent.
class HeldDisplays {
public:
    HeldDisplays(NumberBox& trial, NumberBox& step, GdiPlotSurface& plot, HWND window)
        : trial_(trial), step_(step), plot_(plot), frames_({&plot, &trial, &step}) {
        frames_.SetRefreshRate(DisplayFrames::RefreshRate(window));
        trial_.Hold(frames_);
        step_.Hold(frames_);
        plot_.Hold();
    }
    ~HeldDisplays() {
        plot_.Release();
        trial_.Release();
        step_.Release();
    }
    HeldDisplays(const HeldDisplays&) = delete;
    HeldDisplays& operator=(const HeldDisplays&) = delete;

    DisplayFrames& Frames() { return frames_; }
    // Before a paced run lets the display's messages through: the boxes' texts are their
    // numbers, for whoever reads them.
    void SyncTexts() {
        trial_.SyncText();
        step_.SyncText();
    }
    // The boxes painted themselves (a paced run lets the display's paints through).
    void BoxesPainted() {
        trial_.ForgetScreen();
        step_.ForgetScreen();
    }

private:
    NumberBox& trial_;
    NumberBox& step_;
    GdiPlotSurface& plot_;
    DisplayFrames frames_;
};

// Adds a line after the lines of a multi-line edit (the first line when it is empty).
void AppendLine(HWND edit, const std::string& line);

}  // namespace morvanta
