// The lesson's batch options as the parser reads them; the refusals are checked on the real
// program, with their exit status (batch_program_test).

#include <gtest/gtest.h>

#include "core/cli/command_line.h"

namespace morvanta {
namespace {

TEST(LessonOptions, AreReadInBothSpellings) {
    const CommandLine c = ParseCommandLine({"--batch", "--scenario", "comp-mild", "--a12=0.6",
                                            "--a21", "1.4", "--start", "0.1,1", "--direction-field",
                                            "--time-course", "-", "--time-course-png=tc.png"});
    ASSERT_EQ(c.action, CommandLine::Action::Batch) << c.error;
    EXPECT_EQ(c.batch.lesson.a12, 0.6);
    EXPECT_EQ(c.batch.lesson.a21, 1.4);
    EXPECT_EQ(c.batch.lesson.start, (std::array<double, 2>{0.1, 1.0}));
    EXPECT_TRUE(c.batch.lesson.directionField);
    EXPECT_EQ(c.batch.lesson.timeCoursePath, "-");
    EXPECT_EQ(c.batch.lesson.timeCoursePngPath, "tc.png");

    const LessonOptions none = ParseCommandLine({"--batch"}).batch.lesson;
    EXPECT_FALSE(none.a12 || none.a21 || none.start || none.directionField);
    EXPECT_TRUE(none.timeCoursePath.empty() && none.timeCoursePngPath.empty());
    EXPECT_EQ(ParseCommandLine({"--direction-field"}).action, CommandLine::Action::Refuse)
        << "a batch option without --batch";
}

}  // namespace
}  // namespace morvanta
