#include "controls/GridColumns.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nudgeon {
namespace {

TEST(GridColumns, TheAutoColumnTakesUpTheSpareWidthOrFallsBackToItsRecordedWidth)
{
    struct Case {
        const char* name;
        std::vector<int> widths;
        int autoAdjustColumn;
        int clientWidth;
        std::vector<int> expected;
    };
    // The recorded width of the auto column is 345 throughout.
    const Case cases[] = {
        {"room to spare: ends 5 short", {345, 137, 115}, 1, 700, {443, 137, 115}},
        {"too narrow: the recorded width", {443, 137, 115}, 1, 500, {345, 137, 115}},
        {"too narrow, but the recorded width fits", {443, 137, 115}, 1, 650, {393, 137, 115}},
        {"a gap under 5 narrows the column", {345, 137, 115}, 1, 600, {343, 137, 115}},
        {"exactly filled: unchanged", {345, 137, 115}, 1, 597, {345, 137, 115}},
        {"another auto column", {345, 137, 115}, 2, 700, {345, 235, 115}},
        {"no auto column", {345, 137, 115}, 0, 700, {345, 137, 115}},
        {"an auto column beyond the columns", {345, 137, 115}, 4, 700, {345, 137, 115}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridColumns columns{c.widths, c.autoAdjustColumn, 345};
        columns.AdjustColumnWidths(c.clientWidth);
        EXPECT_EQ(columns.ColWidths, c.expected);
    }
}

TEST(GridColumns, RecordsTheAutoColumnsWidthAndFallsBackToIt)
{
    GridColumns columns{{212, 110, 55, 81, 110}, 1, 0};
    columns.RecordAutoColumnWidth();
    EXPECT_EQ(columns.AutoColumnWidth, 212);

    columns.AdjustColumnWidths(800); // 568 wide: 227 to spare
    EXPECT_EQ(columns.ColWidths[0], 212 + 227);
    columns.AdjustColumnWidths(400);
    EXPECT_EQ(columns.ColWidths[0], 212);

    GridColumns none{{212, 110}, 0, 7};
    none.RecordAutoColumnWidth();
    EXPECT_EQ(none.AutoColumnWidth, 7);
}

} // namespace
} // namespace nudgeon
