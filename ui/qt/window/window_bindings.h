#pragma once

#include <QPlainTextEdit>

#include "core/driver/run_driver.h"
#include "core/uniform_random.h"
#include "ui/qt/widgets/number_box.h"
#include "ui/qt/widgets/radio_group.h"

namespace morvanta {

// The run's settings are the selected items of the two radio groups, read when asked, and
// what a teacher fixed instead of the scenario's own choice, if given.
class RadioGroupSettings : public RunSettings {
public:
    RadioGroupSettings(const RadioGroup& trials, const RadioGroup& scenario,
                       const TrialOverrides* overrides = nullptr)
        : trials_(trials), scenario_(scenario), overrides_(overrides) {}
    int TrialsChoice() const override { return trials_.ItemIndex(); }
    int ScenarioChoice() const override { return scenario_.ItemIndex(); }
    TrialOverrides Overrides() const override {
        return overrides_ ? *overrides_ : TrialOverrides{};
    }

private:
    const RadioGroup& trials_;
    const RadioGroup& scenario_;
    const TrialOverrides* overrides_;
};

// The run's outlets are the two number boxes, repainted at once, and the log box.
class EditOutlets : public RunOutlets {
public:
    // The boxes are quiet for assistive technology while the outlets last, a run's time.
    EditOutlets(NumberBox& trial, NumberBox& step, QPlainTextEdit& log);
    ~EditOutlets() override;
    EditOutlets(const EditOutlets&) = delete;
    EditOutlets& operator=(const EditOutlets&) = delete;
    void ShowTrialNumber(int n) override;
    void ShowStepNumber(int n) override;
    void AppendLog(const std::string& line) override;

private:
    NumberBox& trial_;
    NumberBox& step_;
    QPlainTextEdit& log_;
};

}  // namespace morvanta
