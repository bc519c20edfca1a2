#include "core/driver/run_driver.h"

#include <array>
#include <cstdint>

#include "core/competition_model.h"
#include "plot/phase_plot.h"

namespace morvanta {

int TrialsForItem(int item) {
    constexpr std::array<int, 4> TrialsPerItem{1, 10, 50, 100};
    return item >= 0 && item < static_cast<int>(TrialsPerItem.size())
               ? TrialsPerItem[static_cast<std::size_t>(item)]
               : TrialsPerItem[0];
}

// The state of one run and its steps, in the order RunTrials calls them. It lives only
// while the run does.
class SteppedRun::Run {
public:
    Run(const RunSettings& settings, RunOutlets& outlets, PlotSurface& surface,
        RunObserver* observer)
        : settings_(settings), outlets_(outlets), surface_(surface), observer_(observer) {}

    void InitRun(const ClockSource& clock, int windowOuterWidth, int windowOuterHeight) {
        PlotArea(surface_, windowOuterWidth, windowOuterHeight);
        SeedFromClock(clock);
        if (observer_) observer_->RunStarted(ProcessRandom().seed);
        InitRunParameters(model_);
        trialsTarget_ = TrialsForItem(settings_.TrialsChoice());
        trialCounter_ = 0;
    }

    bool TrialsRemain() const { return trialCounter_ < trialsTarget_; }

    void StartTrial() {
        trialCounter_ += 1;
        outlets_.ShowTrialNumber(trialCounter_);
        SetUpTrial(model_, CurrentScenario(), settings_.Overrides());
        if (observer_) observer_->TrialStarted(trialCounter_, CurrentScenario(), model_);
        stepCounter_ = 0;
        position_ = ToPixel(model_.N[0], model_.N[1]);
        DrawStartMarker(surface_, position_);
        stopFlag_ = false;
    }

    bool TrialRunning() const { return !stopFlag_; }

    // The step number is shown before the step is taken, so the last number a trial shows
    // is the number of steps it took.
    void ShowStep() {
        stepCounter_ += 1;
        outlets_.ShowStepNumber(stepCounter_);
    }

    void StepModel() {
        Step(model_, CurrentScenario());
        position_ = ToPixel(model_.N[0], model_.N[1]);
        DrawSegment(surface_, position_);
    }

    void CheckStop() { stopFlag_ = ShouldStop(model_, stepCounter_); }

    void MarkTrialEnd() {
        if (observer_) observer_->TrialEnded(trialCounter_, stepCounter_, model_);
        DrawEndMarker(surface_, position_, AnyExtinct(model_), settings_.OutcomeShapes());
    }

    void LogLine(const std::string& line) { outlets_.AppendLog(line); }

    void LogEndOfJob() {
        outlets_.AppendLog(EndOfJobLine);
        const std::string own = OwnCoefficientsLine(CurrentScenario(), settings_.Overrides());
        if (!own.empty()) outlets_.AppendLog(own);
    }

private:
    Scenario CurrentScenario() const { return ScenarioFromItem(settings_.ScenarioChoice()); }

    const RunSettings& settings_;
    RunOutlets& outlets_;
    PlotSurface& surface_;
    RunObserver* observer_;

    ModelState model_;
    std::int32_t trialsTarget_ = 0;
    std::int32_t trialCounter_ = 0;
    std::int32_t stepCounter_ = 0;
    bool stopFlag_ = false;
    PlotPoint position_;
};

SteppedRun::SteppedRun(const RunSettings& settings, RunOutlets& outlets, PlotSurface& surface,
                       const ClockSource& clock, int windowOuterWidth, int windowOuterHeight,
                       RunObserver* observer)
    : run_(std::make_unique<Run>(settings, outlets, surface, observer)) {
    run_->InitRun(clock, windowOuterWidth, windowOuterHeight);
}

SteppedRun::~SteppedRun() = default;

bool SteppedRun::Over() const { return phase_ == Phase::Over; }

void SteppedRun::EndEarly(const std::string& line) {
    if (phase_ == Phase::Over) return;
    if (phase_ == Phase::Step) run_->MarkTrialEnd();
    run_->LogLine(line);
    phase_ = Phase::Over;
}

// The loops of a run, one trial after another and one step after another, unrolled into
// phases so that the run can pause after any step.
bool SteppedRun::Advance(const std::function<bool()>& keepGoing) {
    while (phase_ != Phase::Over) {
        switch (phase_) {
            case Phase::StartTrial:
                run_->StartTrial();
                phase_ = Phase::Step;
                break;
            case Phase::Step:
                run_->ShowStep();
                run_->StepModel();
                run_->CheckStop();
                if (!run_->TrialRunning()) {
                    run_->MarkTrialEnd();
                    phase_ = run_->TrialsRemain() ? Phase::StartTrial : Phase::EndOfJob;
                }
                if (phase_ != Phase::EndOfJob && !keepGoing()) return false;
                break;
            case Phase::EndOfJob:
                run_->LogEndOfJob();
                phase_ = Phase::Over;
                break;
            case Phase::Over:
                break;
        }
    }
    return true;
}

namespace {

void RunWith(const RunSettings& settings, RunOutlets& outlets, PlotSurface& surface,
             const ClockSource& clock, int windowOuterWidth, int windowOuterHeight,
             RunObserver* observer) {
    SteppedRun run(settings, outlets, surface, clock, windowOuterWidth, windowOuterHeight,
                   observer);
    run.Advance([] { return true; });
}

}  // namespace

void RunTrials(const RunSettings& settings, RunOutlets& outlets, PlotSurface& surface,
               const ClockSource& clock, int windowOuterWidth, int windowOuterHeight) {
    RunWith(settings, outlets, surface, clock, windowOuterWidth, windowOuterHeight, nullptr);
}

void RunTrials(const RunSettings& settings, RunOutlets& outlets, PlotSurface& surface,
               const ClockSource& clock, int windowOuterWidth, int windowOuterHeight,
               RunObserver& observer) {
    RunWith(settings, outlets, surface, clock, windowOuterWidth, windowOuterHeight, &observer);
}

}  // namespace morvanta
