// A run with a teacher's own coefficients, and the time course taken again from its trials.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/driver/run_driver.h"
#include "core/driver/time_course.h"
#include "core/driver/trial_table.h"
#include "plot/plot_point.h"
#include "tests/support/recording_fakes.h"

namespace morvanta {
namespace {

using testkit::FixedClock;
using testkit::Journal;

class OwnSettings : public testkit::FixedSettings {
public:
    OwnSettings(int trialsItem, int scenarioItem, TrialOverrides overrides)
        : FixedSettings(trialsItem, scenarioItem), overrides_(overrides) {}
    TrialOverrides Overrides() const override { return overrides_; }

private:
    TrialOverrides overrides_;
};

const TrialOverrides Own{OffDiagonal{0.6, 1.4}, std::nullopt};

Journal RunWith(const RunSettings& settings, TrialTable& table) {
    Journal journal;
    testkit::RecordingOutlets outlets(journal);
    testkit::RecordingSurface surface(journal);
    RunTrials(settings, outlets, surface, FixedClock::ForSeed(43'200'000), 623, 610, table);
    return journal;
}

std::vector<std::string> LogOf(const Journal& journal) {
    std::vector<std::string> log;
    for (const std::string& entry : journal)
        if (entry.rfind("AppendLog ", 0) == 0) log.push_back(entry.substr(10));
    return log;
}

TEST(LessonRun, ARunWithOwnCoefficientsSaysSoAfterTheEndOfJob) {
    TrialTable table;
    EXPECT_EQ(LogOf(RunWith(OwnSettings(OneTrialItem, 1, Own), table)),
              (std::vector<std::string>{"Normal End of Job", "a12 0.6, a21 1.4"}));
    EXPECT_EQ(table.Records().at(0).a12, 0.6);
    EXPECT_EQ(table.Records().at(0).a21, 1.4);
    // The start-point scenario draws its own coefficients: nothing to say.
    EXPECT_EQ(LogOf(RunWith(OwnSettings(OneTrialItem, 0, Own), table)),
              (std::vector<std::string>{"Normal End of Job"}));
}

TEST(LessonRun, TheTimeCourseIsEveryStepTheRunDrew) {
    for (const int scenario : {1, 3}) {
        SCOPED_TRACE("scenario " + std::to_string(scenario));
        TrialTable table;
        const Journal journal = RunWith(OwnSettings(TenTrialsItem, scenario, Own), table);
        // Every segment the trials drew, in order: each ends on the pixel of a step.
        const auto firstTrial = std::find(journal.begin(), journal.end(), "ShowTrialNumber 1");
        std::vector<std::string> drawn;
        std::copy_if(firstTrial, journal.end(), std::back_inserter(drawn),
                     [](const std::string& entry) { return entry.rfind("LineTo ", 0) == 0; });

        std::vector<std::string> steps;
        for (const TrialRecord& record : table.Records()) {
            const TimeCourse course = TimeCourseOf(record);
            ASSERT_EQ(course.densities.size(), static_cast<std::size_t>(record.steps) + 1);
            EXPECT_EQ(course.densities.front(), record.start);
            EXPECT_EQ(course.densities.back(), record.end) << "trial " << record.trial;
            for (std::size_t i = 1; i < course.densities.size(); ++i) {
                const PlotPoint p = ToPixel(course.densities[i][0], course.densities[i][1]);
                steps.push_back("LineTo " + std::to_string(p.x) + " " + std::to_string(p.y));
            }
        }
        EXPECT_EQ(steps, drawn);
    }
}

}  // namespace
}  // namespace morvanta
