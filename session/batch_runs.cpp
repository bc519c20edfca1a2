#include "session/batch_runs.h"

#include "core/driver/time_course.h"
#include "core/system_clock.h"

namespace morvanta {
namespace {

class BatchSettings : public RunSettings {
public:
    explicit BatchSettings(const BatchOptions& options) : options_(options) {}
    int TrialsChoice() const override { return options_.trialsItem; }
    int ScenarioChoice() const override { return options_.scenarioItem; }
    bool OutcomeShapes() const override { return options_.outcomeShapes; }
    TrialOverrides Overrides() const override { return OverridesOf(options_.lesson); }

private:
    const BatchOptions& options_;
};

void WriteRun(const std::vector<TrialRecord>& records, const BatchTables& tables) {
    if (tables.trials) WriteTrialsCsvRows(*tables.trials, records);
    if (tables.timeCourse)
        for (const TrialRecord& record : records)
            WriteTimeCourseCsvRows(*tables.timeCourse, TimeCourseOf(record));
}

}  // namespace

TrialOverrides OverridesOf(const LessonOptions& lesson) {
    TrialOverrides overrides;
    if (lesson.a12 && lesson.a21) overrides.coefficients = OffDiagonal{*lesson.a12, *lesson.a21};
    if (lesson.start) overrides.start = Vector2{(*lesson.start)[0], (*lesson.start)[1]};
    return overrides;
}

std::uint32_t FirstSeed(const BatchOptions& options) {
    return options.seed ? *options.seed : MillisecondsOfDay(SystemClock().NowUtc());
}

std::uint32_t SeedOfRun(std::uint32_t firstSeed, long run) {
    if (run == 0) return firstSeed;
    // Seeds one apart shift every draw of the generator by the same amount, so runs seeded
    // MS, MS + 1, ... would start on a lattice. SplitMix64's finaliser of (seed, run) spreads
    // them over the day instead; 2^64 is so far above a day's milliseconds that the
    // remainder favours none of them measurably.
    std::uint64_t x =
        (std::uint64_t{firstSeed} << 32 | static_cast<std::uint64_t>(run)) + 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    x ^= x >> 31;
    return static_cast<std::uint32_t>(x % static_cast<std::uint64_t>(MillisecondsPerDay));
}

EndCounts RunBatchRuns(const BatchOptions& options, PlotSurface& plot, TrialTable& lastRun,
                       const BatchTables& tables, const std::function<void(long)>& done) {
    if (tables.trials) WriteTrialsCsvHeader(*tables.trials);
    if (tables.timeCourse) WriteTimeCourseCsvHeader(*tables.timeCourse);
    const BatchSettings settings(options);
    SilentOutlets outlets;
    BlankSurface blank;
    TrialTable earlier;
    EndCounts counts;
    const std::uint32_t firstSeed = FirstSeed(options);
    const long runs = options.outcomes.runs;
    for (long run = 0; run < runs; ++run) {
        const bool last = run + 1 == runs;
        TrialTable& table = last ? lastRun : earlier;
        // The surface clips the empty plot's rectangle, so any size that covers it will do.
        RunTrials(settings, outlets, last ? plot : blank,
                  FixedClock::ForSeed(SeedOfRun(firstSeed, run)), MapWidth, MapHeight, table);
        WriteRun(table.Records(), tables);
        counts.Add(table.Records());
        if (done) done(run + 1);
    }
    return counts;
}

void WriteSummaryCsv(std::ostream& out, const EndCounts& counts) {
    out << "outcome,trials,share,low95,high95\n";
    const auto row = [&out](const char* name, long long count, const Share& share) {
        out << name << ',' << count << ',' << ShortestText(share.share) << ','
            << ShortestText(share.low95) << ',' << ShortestText(share.high95) << '\n';
    };
    for (int k = 0; k < EndStateCount; ++k) {
        const auto state = static_cast<EndState>(k);
        row(EndStateName(state), counts.Of(state), counts.ShareOf(state));
    }
    // The same trials again, by the lesson's results.
    for (int k = 0; k < TrialResultCount; ++k) {
        const auto result = static_cast<TrialResult>(k);
        row(ResultName(result), counts.Of(result), counts.ShareOf(result));
    }
}

}  // namespace morvanta
