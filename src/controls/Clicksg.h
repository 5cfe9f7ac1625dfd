// TClickableStringGrid: the list control of both reminder lists, drawn from its row model.
#pragma once

#include "controls/Alignment.h"
#include "controls/GridColumns.h"
#include "controls/ReminderGridRows.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QStringList>
#include <functional>

namespace nudgeon {

// How one cell is drawn; the format events may change any field.
struct TFormatOptions {
    QFont Font;
    QColor FontColor;
    TAlignment AlignmentHorz = taLeftJustify;
    TVertAlignment AlignmentVert = taTopJustify;
    QString Text;
    // Header: the cell's fill. Body: the background of the text after a mark square.
    QColor BrushColor;
    // Any colour but white draws the 6 x 6 mark square in front of the text.
    QColor MarkColor = QColor(255, 255, 255);
};

enum TGridDrawStateFlag { gdSelected = 1, gdFocused = 2, gdFixed = 4 };

class TClickableStringGrid;
using TFormatDrawCellEvent = std::function<void(TClickableStringGrid& sender, int col, int row,
                                                int state, TFormatOptions& options)>;

class TClickableStringGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr int GridLineWidth = 1;

    explicit TClickableStringGrid(QWidget* parent = nullptr);

    // The rows and the reminders they own. After changing them directly, call RowsChanged().
    ReminderGridRows& Rows() { return rows_; }
    const ReminderGridRows& Rows() const { return rows_; }
    // Fits the scroll range to the rows and repaints.
    void RowsChanged();

    int RowCount() const { return rows_.RowCount(); }
    int Row() const { return rows_.Row(); }
    void SetRow(int row);
    int FixedRows() const { return rows_.FixedRows(); }
    void SetFixedRows(int count);
    int AddRow();
    void DeleteRow(int row);
    void ClearRows();
    void MoveRow(int fromIndex, int toIndex);

    int ColCount() const { return static_cast<int>(columns_.ColWidths.size()); }
    void SetColCount(int count);
    int ColWidth(int col) const { return columns_.ColWidths.at(static_cast<std::size_t>(col)); }
    void SetColWidth(int col, int width);
    int DefaultRowHeight() const { return rowHeight_; }
    void SetDefaultRowHeight(int height);

    int AutoAdjustColumn() const { return columns_.AutoAdjustColumn; }
    void SetAutoAdjustColumn(int column) { columns_.AutoAdjustColumn = column; }
    int AutoColumnWidth() const { return columns_.AutoColumnWidth; }
    // Records the auto column's width once the designed widths are in place.
    void SettingsApplied() { columns_.RecordAutoColumnWidth(); }
    void AdjustColumnWidths();

    QStringList HeaderStrings() const { return headerStrings_; }
    void SetHeaderStrings(const QStringList& captions);
    QFont HeaderFont() const { return headerFont_; }
    void SetHeaderFont(const QFont& font, const QColor& color);
    QFont SelectedFont() const { return selectedFont_; }
    QColor SelectedFontColor() const { return selectedFontColor_; }
    void SetSelectedFont(const QFont& font, const QColor& color);
    QColor SelectedColor() const { return selectedColor_; }
    void SetSelectedColor(const QColor& color);
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& color);
    QColor Color() const { return color_; }
    QColor FixedColor() const { return fixedColor_; }
    TAlignment AlignmentHorz() const { return alignmentHorz_; }
    void SetAlignmentHorz(TAlignment alignment);
    TVertAlignment AlignmentVert() const { return alignmentVert_; }
    void SetAlignmentVert(TVertAlignment alignment);
    // The user may drag the column borders in the header.
    void SetColumnSizing(bool enabled) { columnSizing_ = enabled; }

    TFormatDrawCellEvent OnGetCellFormat;
    TFormatDrawCellEvent OnGetHeaderCellFormat;

    // The cell's rectangle inside the grid lines, in viewport coordinates (may lie outside).
    QRect CellRect(int col, int row) const;
    // The row under a viewport point, or -1.
    int RowAt(int y) const;
    // Paints the visible rows at once.
    void RepaintNow();

signals:
    void DblClick();
    void KeyPress(QChar key);
    void KeyDown(int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void DrawCell(class QPainter& painter, int col, int row, const QRect& cell);
    TFormatOptions InitialFormat(int col, int row) const;
    int ColumnLeft(int col) const;
    int TotalWidth() const;
    int TopRow() const;
    int VisibleBodyRows() const;
    void UpdateScrollBars();
    void ScrollToCurrentRow();
    int ColumnBorderAt(const QPoint& point) const;

    ReminderGridRows rows_;
    GridColumns columns_;
    int rowHeight_ = 20;
    QStringList headerStrings_;
    QFont headerFont_;
    QColor headerFontColor_;
    QFont selectedFont_;
    QColor selectedFontColor_{255, 255, 255};
    QColor selectedColor_{0, 0, 255};
    QColor fontColor_;
    QColor color_;
    QColor fixedColor_;
    TAlignment alignmentHorz_ = taLeftJustify;
    TVertAlignment alignmentVert_ = taTopJustify;
    bool columnSizing_ = false;
    int sizingColumn_ = -1;
    int sizingStartX_ = 0;
    int sizingStartWidth_ = 0;
};

} // namespace nudgeon
