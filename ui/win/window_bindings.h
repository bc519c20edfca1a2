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

// The run's outlets: the two number boxes, on the screen at once, and the log box.
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

// For the length of a run, the number boxes and the plot keep their device contexts.
class HeldDisplays {
public:
    HeldDisplays(NumberBox& trial, NumberBox& step, GdiPlotSurface& plot)
        : trial_(trial), step_(step), plot_(plot) {
        trial_.Hold();
        step_.Hold();
        plot_.Hold();
    }
    ~HeldDisplays() {
        trial_.Release();
        step_.Release();
        plot_.Release();
    }
    HeldDisplays(const HeldDisplays&) = delete;
    HeldDisplays& operator=(const HeldDisplays&) = delete;

private:
    NumberBox& trial_;
    NumberBox& step_;
    GdiPlotSurface& plot_;
};

// Adds a line after the lines of a multi-line edit (the first line when it is empty).
void AppendLine(HWND edit, const std::string& line);

}  // namespace morvanta
