#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/competition_model.h"
#include "core/driver/run_observer.h"
#include "core/number_text.h"

namespace morvanta {

// How a trial ended: a species died out; else a species reached its capacity; else the step
// limit was hit.
enum class Outcome { Extinct, Capacity, Limit };

Outcome OutcomeOf(const ModelState& model);
const char* OutcomeName(Outcome outcome);

// One trial of a run, enough to reproduce and analyse it.
struct TrialRecord {
    int trial = 0;
    std::uint32_t seed = 0;
    Scenario scenario = Scenario::StartPoint;
    double a12 = 0.0;
    double a21 = 0.0;
    Vector2 start{};
    Vector2 end{};
    int steps = 0;
    Outcome outcome = Outcome::Limit;
};

// The trials of the latest run, collected as the driver reports them. What is given as
// atRunStart runs once the run's empty plot is drawn, to draw over it.
class TrialTable : public RunObserver {
public:
    explicit TrialTable(std::function<void()> atRunStart = {})
        : atRunStart_(std::move(atRunStart)) {}
    void RunStarted(std::uint32_t seed) override;
    void TrialStarted(int trial, Scenario scenario, const ModelState& model) override;
    void TrialEnded(int trial, int steps, const ModelState& model) override;

    const std::vector<TrialRecord>& Records() const { return records_; }

private:
    std::function<void()> atRunStart_;
    std::uint32_t seed_ = 0;
    std::vector<TrialRecord> records_;
};

// A header line, then one line per trial; doubles read back exactly. After the outcome, which
// species died out (1, 2, both, none) and the scenario's command-line name.
std::string TrialsCsvText(const std::vector<TrialRecord>& records);
void WriteTrialsCsv(std::ostream& out, const std::vector<TrialRecord>& records);
// The two parts of it, for a table written a run at a time.
void WriteTrialsCsvHeader(std::ostream& out);
void WriteTrialsCsvRows(std::ostream& out, const std::vector<TrialRecord>& records);

// One short log line: how many trials lost species 2, how many species 1, how many both, and
// how many neither; each trial counts once.
std::string TallyLine(const std::vector<TrialRecord>& records);

}  // namespace morvanta
