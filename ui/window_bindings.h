#pragma once

#include <functional>
#include <QPlainTextEdit>

#include "core/run_driver.h"
#include "core/uniform_random.h"
#include "ui/number_box.h"
#include "ui/radio_group.h"

namespace morvanta {

// The run's settings are the selected items of the two radio groups, read when asked.
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

// Called with each step number once it is on the screen, together with everything the
// steps before it drew: where tests and benchmarks look at a run in progress.
using StepHook = std::function<void(int step)>;

// The run's outlets are the two number boxes, repainted at once, and the log box.
class EditOutlets : public RunOutlets {
public:
    EditOutlets(NumberBox& trial, NumberBox& step, QPlainTextEdit& log, StepHook hook = {})
        : trial_(trial), step_(step), log_(log), hook_(std::move(hook)) {}
    // A trial's end, or the run's, brings the boxes' texts up to date.
    void ShowTrialNumber(int n) override {
        step_.SyncText();
        trial_.ShowNumber(n);
        trial_.SyncText();
    }
    void ShowStepNumber(int n) override {
        step_.ShowNumber(n);
        if (hook_) hook_(n);
    }
    void AppendLog(const std::string& line) override;

private:
    NumberBox& trial_;
    NumberBox& step_;
    QPlainTextEdit& log_;
    StepHook hook_;
};

// The system clock's UTC time of day.
class SystemClock : public ClockSource {
public:
    TimeOfDay NowUtc() const override;
};

}  // namespace morvanta
