#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/driver/run_observer.h"
#include "core/trial_overrides.h"
#include "core/uniform_random.h"
#include "plot/plot_surface.h"

namespace morvanta {

// What a run reads. Each call asks the window afresh; nothing is copied or kept.
class RunSettings {
public:
    virtual ~RunSettings() = default;
    // Item 0..3 of the "Trials" group: 1, 10, 50 or 100 trials.
    virtual int TrialsChoice() const = 0;
    // Item 0..3 of the "Fixed" group: the scenario.
    virtual int ScenarioChoice() const = 0;
    // Whether an extinct trial ends in a cross rather than a dot (off unless asked for).
    virtual bool OutcomeShapes() const { return false; }
    // What a teacher fixes instead of the scenario's own choice; by default nothing.
    virtual TrialOverrides Overrides() const { return {}; }
};

// What a run writes. Each number must be on the screen before the call returns.
class RunOutlets {
public:
    virtual ~RunOutlets() = default;
    virtual void ShowTrialNumber(int n) = 0;
    virtual void ShowStepNumber(int n) = 0;
    virtual void AppendLog(const std::string& line) = 0;
};

// Outlets nobody watches: a batch run's counters and log, a benchmark's.
class SilentOutlets : public RunOutlets {
public:
    void ShowTrialNumber(int) override {}
    void ShowStepNumber(int) override {}
    void AppendLog(const std::string&) override {}
};

inline constexpr const char* EndOfJobLine = "Normal End of Job";

// The items of the "Trials" group, numbered by their place in it.
inline constexpr int OneTrialItem = 0;
inline constexpr int TenTrialsItem = 1;
inline constexpr int FiftyTrialsItem = 2;
inline constexpr int HundredTrialsItem = 3;

// The number of trials of a "Trials" item; an item outside 0..3 counts as the first.
int TrialsForItem(int item);

// One whole run: clears the plot, seeds the random source from the clock, runs the chosen
// number of trials of the chosen scenario with live counters and drawing, then logs the
// end of the job.
void RunTrials(const RunSettings& settings, RunOutlets& outlets, PlotSurface& surface,
               const ClockSource& clock, int windowOuterWidth, int windowOuterHeight);
// The same run, reported to the observer as it goes.
void RunTrials(const RunSettings& settings, RunOutlets& outlets, PlotSurface& surface,
               const ClockSource& clock, int windowOuterWidth, int windowOuterHeight,
               RunObserver& observer);

// The same run as RunTrials, taken a slice at a time by a caller that must return to its
// event loop between slices (the browser). Constructing it clears the plot and seeds the
// random source; the settings, outlets, surface and observer must outlive it.
class SteppedRun {
public:
    SteppedRun(const RunSettings& settings, RunOutlets& outlets, PlotSurface& surface,
               const ClockSource& clock, int windowOuterWidth, int windowOuterHeight,
               RunObserver* observer = nullptr);
    ~SteppedRun();
    // Goes on with the run, in the driver's order, until it is over or keepGoing, asked after
    // every step, says to pause. Whether the run is over.
    bool Advance(const std::function<bool()>& keepGoing);
    bool Over() const;
    // Ends the run before its time: a trial under way ends where it is, with its end dot, and
    // the log gets the line instead of the end of job.
    void EndEarly(const std::string& line);

private:
    class Run;
    enum class Phase { StartTrial, Step, EndOfJob, Over };
    std::unique_ptr<Run> run_;
    Phase phase_ = Phase::StartTrial;
};

}  // namespace morvanta
