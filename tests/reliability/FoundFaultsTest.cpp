// Faults that the fuzzing and reliability runs found, kept as regression cases.
#include "store/Placement.h"

#include <climits>
#include <gtest/gtest.h>

namespace nudgeon {
namespace {

// A damaged settings file may hold any 32-bit edges; fitting them to the screen overflowed.
TEST(FoundFaults, ExtremeSavedEdgesFitWithoutOverflow)
{
    const struct {
        TRect saved;
        TBounds expected;
    } cases[] = {
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}},
        {{INT_MIN, 0, 900, 500}, {INT_MIN, 0, INT_MAX, 500}},
        {{0, 0, INT_MAX, 700}, {800 - INT_MAX, -100, INT_MAX, 700}},
        {{-10, -20, INT_MIN, INT_MIN}, {-10, -20, INT_MIN + 10, INT_MIN + 20}},
        {{100, 100, 900, 700}, {0, 0, 800, 600}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.saved.Left << " " << c.saved.Top << " "
                                        << c.saved.Right << " " << c.saved.Bottom);
        const auto bounds = FitSavedRect(c.saved, {800, 600});
        ASSERT_TRUE(bounds.has_value());
        EXPECT_EQ(*bounds, c.expected);
    }
}

} // namespace
} // namespace nudgeon
