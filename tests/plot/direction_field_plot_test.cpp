// The direction field's arrows as passed to the surface.

#include "plot/direction_field_plot.h"

#include <gtest/gtest.h>

#include "tests/support/recording_surface.h"

namespace morvanta {
namespace {

using testkit::Journal;
using testkit::ToText;

TEST(DirectionFieldPlot, ArrowsPointTheWayOfTheChangeAndTheLargerIsLonger) {
    Journal journal;
    testkit::RecordingSurface surface(journal);
    // At (0.6, 0.6), pixel (200, 200): the largest change, to the right. At (0.3, 0.3), pixel
    // (110, 290): an eighth of it, upwards, so half as long. At (0.9, 0.3): none, a dot.
    DrawDirectionField(surface,
                       {{0.6, 0.6, 0.01, 0.0}, {0.3, 0.3, 0.0, 0.00125}, {0.9, 0.3, 0, 0}});
    EXPECT_EQ(journal.front(), "SetPenColor " + ToText(FieldColor));
    const Journal shafts{journal[1], journal[2], journal[7], journal[8], journal[13], journal[14]};
    EXPECT_EQ(shafts, (Journal{"MoveTo 188 200", "LineTo 212 200", "MoveTo 110 296",
                               "LineTo 110 284", "MoveTo 290 290", "LineTo 291 290"}));
    EXPECT_EQ(journal[3], "MoveTo 212 200") << "the head is at the change's end";
    EXPECT_EQ(journal.back(), "SetBrushColor " + ToText(Navy));
}

}  // namespace
}  // namespace morvanta
