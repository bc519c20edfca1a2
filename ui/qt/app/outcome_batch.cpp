#include "ui/qt/app/outcome_batch.h"

#include <unistd.h>

#include <chrono>
#include <iostream>
#include <sstream>

#include "core/driver/outcome_shares.h"
#include "core/system_clock.h"
#include "ui/qt/app/export_files.h"
#include "ui/qt/app/lesson_batch.h"

namespace morvanta {
namespace {

// "runs: 120 of 1000" on a terminal's standard error, once the work has taken a second, at
// most every tenth of a second.
class Progress {
public:
    explicit Progress(long total) : total_(total), shown_(::isatty(STDERR_FILENO) == 1) {}
    ~Progress() {
        if (said_) std::cerr << '\n';
    }
    void Done(long runs) {
        if (!shown_) return;
        const auto now = Clock::now();
        if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(100))
            return;
        last_ = now;
        said_ = true;
        std::cerr << "\rruns: " << runs << " of " << total_ << std::flush;
    }

private:
    using Clock = std::chrono::steady_clock;
    long total_;
    bool shown_;
    bool said_ = false;
    Clock::time_point start_ = Clock::now();
    Clock::time_point last_{};
};

std::string SummaryCsv(const std::vector<TrialRecord>& records) {
    EndCounts counts;
    counts.Add(records);
    std::ostringstream out;
    out << "outcome,trials,share,low95,high95\n";
    for (int k = 0; k < EndStateCount; ++k) {
        const auto state = static_cast<EndState>(k);
        const Share share = counts.ShareOf(state);
        out << EndStateName(state) << ',' << counts.Of(state) << ',' << ShortestText(share.share)
            << ',' << ShortestText(share.low95) << ',' << ShortestText(share.high95) << '\n';
    }
    return out.str();
}

}  // namespace

std::uint32_t FirstSeed(const BatchOptions& options) {
    return options.seed ? *options.seed : MillisecondsOfDay(SystemClock().NowUtc());
}

std::uint32_t SeedOfRun(std::uint32_t firstSeed, long run) {
    return static_cast<std::uint32_t>((static_cast<std::int64_t>(firstSeed) + run) %
                                      MillisecondsPerDay);
}

std::vector<TrialRecord> RunEarlierRuns(const BatchOptions& options, const RunSettings& settings,
                                        std::uint32_t firstSeed) {
    std::vector<TrialRecord> records;
    BlankSurface blank;
    SilentOutlets outlets;
    TrialTable table;
    Progress progress(options.outcomes.runs);
    for (long run = 0; run + 1 < options.outcomes.runs; ++run) {
        RunTrials(settings, outlets, blank, FixedClock::ForSeed(SeedOfRun(firstSeed, run)),
                  MapWidth, MapHeight, table);
        records.insert(records.end(), table.Records().begin(), table.Records().end());
        progress.Done(run + 1);
    }
    return records;
}

void DrawOutcomeField(PlotSurface& surface, const BatchOptions& options, OutcomeMaps& maps) {
    if (options.outcomes.outcomeMap)
        DrawScenarioOutcomeMap(surface, maps, ScenarioFromItem(options.scenarioItem),
                               OverridesOf(options.lesson), options.outcomes.grid);
}

std::vector<std::string> WriteOutcomeFiles(const BatchOptions& options,
                                           const std::vector<TrialRecord>& records,
                                           OutcomeMaps& maps) {
    const OutcomeOptions& outcomes = options.outcomes;
    std::vector<std::string> errors;
    if (!outcomes.outcomeMapPath.empty()) {
        if (const OutcomeMap* map =
                ScenarioOutcomeMap(maps, ScenarioFromItem(options.scenarioItem),
                                   OverridesOf(options.lesson), outcomes.grid)) {
            std::ostringstream text;
            WriteOutcomeMapCsv(text, *map);
            errors.push_back(SaveTextFile(outcomes.outcomeMapPath, text.str()));
        }
    }
    if (!outcomes.summaryPath.empty())
        errors.push_back(SaveTextFile(outcomes.summaryPath, SummaryCsv(records)));
    std::erase(errors, std::string());
    return errors;
}

}  // namespace morvanta
