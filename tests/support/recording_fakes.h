#pragma once

// Test doubles for the run driver's interfaces. The recording ones write every call, as
// text, into one shared journal so that a test can check the order across all of them.

#include <string>
#include <vector>

#include "core/run_driver.h"
#include "core/uniform_random.h"
#include "plot/plot_surface.h"

namespace morvanta::testing {

using Journal = std::vector<std::string>;

std::string ToText(Color color);

class FixedClock : public ClockSource {
public:
    explicit FixedClock(TimeOfDay time) : time_(time) {}
    // The reading whose milliseconds since midnight are the given seed.
    static FixedClock ForSeed(unsigned seed);
    TimeOfDay NowUtc() const override { return time_; }

private:
    TimeOfDay time_;
};

class FixedSettings : public RunSettings {
public:
    FixedSettings(int trialsItem, int scenarioItem)
        : trialsItem_(trialsItem), scenarioItem_(scenarioItem) {}
    int TrialsChoice() const override { return trialsItem_; }
    int ScenarioChoice() const override { return scenarioItem_; }

private:
    int trialsItem_;
    int scenarioItem_;
};

class RecordingOutlets : public RunOutlets {
public:
    explicit RecordingOutlets(Journal& journal) : journal_(journal) {}
    void ShowTrialNumber(int n) override;
    void ShowStepNumber(int n) override;
    void AppendLog(const std::string& line) override;

private:
    Journal& journal_;
};

// Records each operation as text, e.g. "LineTo 172 228" or "SetPenColor 255,255,255".
class RecordingSurface : public PlotSurface {
public:
    explicit RecordingSurface(Journal& journal) : journal_(journal) {}
    void SetPenColor(Color color) override;
    void SetBrushColor(Color color) override;
    void SetFont(const std::string& face, int points, Color color) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;

private:
    Journal& journal_;
};

class NullOutlets : public RunOutlets {
public:
    void ShowTrialNumber(int) override {}
    void ShowStepNumber(int) override {}
    void AppendLog(const std::string&) override {}
};

class NullSurface : public PlotSurface {
public:
    void SetPenColor(Color) override {}
    void SetBrushColor(Color) override {}
    void SetFont(const std::string&, int, Color) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void Rectangle(int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void TextOut(int, int, const std::string&) override {}
};

}  // namespace morvanta::testing
