// Column widths of a list grid and the rule that lets one column take up the spare width.
#pragma once

#include <vector>

namespace nudgeon {

struct GridColumns {
    // Width of each column in pixels.
    std::vector<int> ColWidths;
    // 1-based number of the column that takes up spare width; 0 or less: none.
    int AutoAdjustColumn = 0;
    // The auto column's width when the grid's stored settings were applied; the width rule
    // falls back to it when the columns do not fit.
    int AutoColumnWidth = 0;

    // Records the auto column's present width as AutoColumnWidth.
    void RecordAutoColumnWidth();
    // Widens or narrows the auto column so that the columns end 5 pixels short of the client
    // width; when they cannot fit, the auto column returns to AutoColumnWidth and the grid
    // scrolls sideways.
    void AdjustColumnWidths(int clientWidth);

private:
    int* AutoColumn();
    int TotalWidth() const;
};

} // namespace nudgeon
