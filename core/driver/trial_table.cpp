#include "core/driver/trial_table.h"

#include "core/driver/outcome_shares.h"

namespace morvanta {

Outcome OutcomeOf(const ModelState& model) {
    if (AnyExtinct(model)) return Outcome::Extinct;
    if (AnyAtCapacity(model)) return Outcome::Capacity;
    return Outcome::Limit;
}

const char* OutcomeName(Outcome outcome) {
    switch (outcome) {
        case Outcome::Extinct:
            return "extinct";
        case Outcome::Capacity:
            return "capacity";
        case Outcome::Limit:
            break;
    }
    return "limit";
}

void TrialTable::RunStarted(std::uint32_t seed) {
    seed_ = seed;
    records_.clear();
    if (atRunStart_) atRunStart_();
}

void TrialTable::TrialStarted(int trial, Scenario scenario, const ModelState& model) {
    TrialRecord record;
    record.trial = trial;
    record.seed = seed_;
    record.scenario = scenario;
    record.a12 = model.A[0][1];
    record.a21 = model.A[1][0];
    record.start = model.N;
    records_.push_back(record);
}

void TrialTable::TrialEnded(int trial, int steps, const ModelState& model) {
    if (records_.empty() || records_.back().trial != trial) return;
    TrialRecord& record = records_.back();
    record.end = model.N;
    record.steps = steps;
    record.outcome = OutcomeOf(model);
}

namespace {

constexpr const char* TrialsCsvHeader =
    "trial,seed,scenario,a12,a21,n1_start,n2_start,n1_end,n2_end,steps,outcome,extinct,"
    "scenario_name\n";

std::string TrialsCsvRows(const std::vector<TrialRecord>& records) {
    std::string text;
    for (const TrialRecord& r : records) {
        text += std::to_string(r.trial) + ',' + std::to_string(r.seed) + ',' +
                std::to_string(static_cast<int>(r.scenario));
        for (const double value : {r.a12, r.a21, r.start[0], r.start[1], r.end[0], r.end[1]})
            text += ',' + ShortestText(value);
        text += ',' + std::to_string(r.steps) + ',' + OutcomeName(r.outcome) + ',' +
                ExtinctWord(EndStateOf(r.end)) + ',' + ScenarioName(r.scenario) + '\n';
    }
    return text;
}

}  // namespace

std::string TrialsCsvText(const std::vector<TrialRecord>& records) {
    return TrialsCsvHeader + TrialsCsvRows(records);
}

void WriteTrialsCsv(std::ostream& out, const std::vector<TrialRecord>& records) {
    WriteTrialsCsvHeader(out);
    WriteTrialsCsvRows(out, records);
}

void WriteTrialsCsvHeader(std::ostream& out) { out << TrialsCsvHeader; }

void WriteTrialsCsvRows(std::ostream& out, const std::vector<TrialRecord>& records) {
    out << TrialsCsvRows(records);
}

std::string TallyLine(const std::vector<TrialRecord>& records) {
    EndCounts counts;
    counts.Add(records);
    return "Extinct: sp.2 " + std::to_string(counts.Of(EndState::Species2Extinct)) + ", sp.1 " +
           std::to_string(counts.Of(EndState::Species1Extinct)) + ", both " +
           std::to_string(counts.Of(EndState::BothExtinct)) + ", neither " +
           std::to_string(counts.Of(EndState::Neither));
}

}  // namespace morvanta
