#include "controls/GridColumns.h"

#include <cstddef>
#include <numeric>

namespace nudgeon {
namespace {

// Room kept free at the right of the last column.
constexpr int RightMargin = 5;

} // namespace

void GridColumns::RecordAutoColumnWidth()
{
    if (const int* column = AutoColumn())
        AutoColumnWidth = *column;
}

void GridColumns::AdjustColumnWidths(int clientWidth)
{
    int* column = AutoColumn();
    if (column == nullptr)
        return;
    const int total = TotalWidth();
    if (total < clientWidth)
        *column += clientWidth - total - RightMargin;
    else if (total > clientWidth)
        *column = AutoColumnWidth;
    // The recorded width may leave a gap of its own.
    const int fallbackTotal = TotalWidth();
    if (fallbackTotal < clientWidth)
        *column += clientWidth - fallbackTotal - RightMargin;
}

int* GridColumns::AutoColumn()
{
    if (AutoAdjustColumn <= 0 || static_cast<std::size_t>(AutoAdjustColumn) > ColWidths.size())
        return nullptr;
    return &ColWidths[static_cast<std::size_t>(AutoAdjustColumn - 1)];
}

int GridColumns::TotalWidth() const
{
    return std::accumulate(ColWidths.begin(), ColWidths.end(), 0);
}

} // namespace nudgeon
