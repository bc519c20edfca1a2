// The time course, taken again from a run's trial table, against what the run drew.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/driver/run_driver.h"
#include "core/driver/time_course.h"
#include "plot/plot_point.h"
#include "tests/support/recording_fakes.h"

namespace morvanta {
namespace {

class OwnSettings : public testkit::FixedSettings {
public:
    using FixedSettings::FixedSettings;
    TrialOverrides Overrides() const override { return {OffDiagonal{0.6, 1.4}, std::nullopt}; }
};

TEST(LessonRun, TheTimeCourseIsEveryStepTheRunDrew) {
    testkit::Journal journal;
    testkit::RecordingOutlets outlets(journal);
    testkit::RecordingSurface surface(journal);
    TrialTable table;
    RunTrials(OwnSettings(TenTrialsItem, 3), outlets, surface,
              testkit::FixedClock::ForSeed(43'200'000), 623, 610, table);
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

TEST(LessonRun, TheTimeCourseHighlightsTheLastTrial) {
    // Two one-step trials. The step axis ends at step 1: step 0 is pixel 40, step 1 pixel 380;
    // density d is pixel 360 - 320 d. Species 1 of the first trial, 0.5 then 0.25, is drawn
    // faint (40 % of its orange over navy: 102,64,102); of the last, 1.0 then 0.5, bright.
    const std::vector<TimeCourse> courses = {{1, {{0.5, 0.5}, {0.25, 0.75}}},
                                             {2, {{1.0, 0.0}, {0.5, 0.5}}}};
    testkit::Journal journal;
    testkit::RecordingSurface surface(journal);
    DrawTimeCourses(surface, courses);
    const auto at = [&](const std::vector<std::string>& run) {
        return std::search(journal.begin(), journal.end(), run.begin(), run.end()) != journal.end();
    };
    EXPECT_TRUE(at({"SetPenColor 102,64,102", "MoveTo 40 200", "LineTo 380 280"}));
    EXPECT_TRUE(at({"SetPenColor 255,160,64", "MoveTo 40 40", "LineTo 380 200"}));
}

}  // namespace
}  // namespace morvanta
