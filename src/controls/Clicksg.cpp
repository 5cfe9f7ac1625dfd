#include "controls/Clicksg.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace nudgeon {
namespace {

const QColor White(255, 255, 255);
const QColor BodyLineColor(192, 192, 192);
const QColor FixedLineColor(128, 128, 128);
constexpr int MarkSize = 6;
constexpr int SizingGrip = 3;

Qt::Alignment AlignmentFlags(TAlignment horizontal, TVertAlignment vertical)
{
    Qt::Alignment flags = horizontal == taRightJustify ? Qt::AlignRight
                          : horizontal == taCenter     ? Qt::AlignHCenter
                                                       : Qt::AlignLeft;
    flags |= vertical == taBottomJustify ? Qt::AlignBottom
             : vertical == taMiddle      ? Qt::AlignVCenter
                                         : Qt::AlignTop;
    return flags;
}

} // namespace

TClickableStringGrid::TClickableStringGrid(QWidget* parent)
    : QAbstractScrollArea(parent), headerFont_(font()),
      headerFontColor_(palette().color(QPalette::WindowText)), selectedFont_(font()),
      fontColor_(palette().color(QPalette::Text)), color_(palette().color(QPalette::Base)),
      fixedColor_(palette().color(QPalette::Button))
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    SetColCount(5);
}

void TClickableStringGrid::RowsChanged()
{
    UpdateScrollBars();
    viewport()->update();
}

void TClickableStringGrid::SetRow(int row)
{
    if (row < rows_.FixedRows() || row >= rows_.RowCount() || row == rows_.Row())
        return;
    rows_.SetRow(row);
    ScrollToCurrentRow();
    viewport()->update();
}

void TClickableStringGrid::SetFixedRows(int count)
{
    if (count == rows_.FixedRows())
        return;
    rows_.SetFixedRows(count);
    UpdateScrollBars();
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

int TClickableStringGrid::AddRow()
{
    const int row = rows_.AddRow();
    RowsChanged();
    return row;
}

void TClickableStringGrid::DeleteRow(int row)
{
    rows_.DeleteRow(row);
    RowsChanged();
}

void TClickableStringGrid::ClearRows()
{
    rows_.ClearRows();
    RowsChanged();
}

void TClickableStringGrid::MoveRow(int fromIndex, int toIndex)
{
    rows_.MoveRow(fromIndex, toIndex);
    viewport()->update();
}

void TClickableStringGrid::SetColCount(int count)
{
    columns_.ColWidths.resize(static_cast<std::size_t>(std::max(0, count)), 64);
    RowsChanged();
}

void TClickableStringGrid::SetColWidth(int col, int width)
{
    columns_.ColWidths.at(static_cast<std::size_t>(col)) = std::max(0, width);
    RowsChanged();
}

void TClickableStringGrid::SetDefaultRowHeight(int height)
{
    rowHeight_ = std::max(1, height);
    RowsChanged();
}

void TClickableStringGrid::AdjustColumnWidths()
{
    columns_.AdjustColumnWidths(viewport()->width());
    RowsChanged();
}

void TClickableStringGrid::SetHeaderStrings(const QStringList& captions)
{
    headerStrings_ = captions;
    viewport()->update();
}

void TClickableStringGrid::SetHeaderFont(const QFont& font, const QColor& color)
{
    headerFont_ = font;
    headerFontColor_ = color;
    viewport()->update();
}

void TClickableStringGrid::SetSelectedFont(const QFont& font, const QColor& color)
{
    selectedFont_ = font;
    selectedFontColor_ = color;
    viewport()->update();
}

void TClickableStringGrid::SetSelectedColor(const QColor& color)
{
    if (color == selectedColor_)
        return;
    selectedColor_ = color;
    viewport()->update();
}

void TClickableStringGrid::SetFontColor(const QColor& color)
{
    fontColor_ = color;
    viewport()->update();
}

void TClickableStringGrid::SetAlignmentHorz(TAlignment alignment)
{
    alignmentHorz_ = alignment;
    viewport()->update();
}

void TClickableStringGrid::SetAlignmentVert(TVertAlignment alignment)
{
    alignmentVert_ = alignment;
    viewport()->update();
}

int TClickableStringGrid::ColumnLeft(int col) const
{
    int x = -horizontalScrollBar()->value();
    for (int i = 0; i < col; ++i)
        x += ColWidth(i) + GridLineWidth;
    return x;
}

int TClickableStringGrid::TotalWidth() const
{
    int width = 0;
    for (const int w : columns_.ColWidths)
        width += w + GridLineWidth;
    return width;
}

int TClickableStringGrid::TopRow() const
{
    return rows_.FixedRows() + verticalScrollBar()->value();
}

int TClickableStringGrid::VisibleBodyRows() const
{
    const int pitch = rowHeight_ + GridLineWidth;
    return std::max(1, (viewport()->height() - rows_.FixedRows() * pitch) / pitch);
}

QRect TClickableStringGrid::CellRect(int col, int row) const
{
    const int pitch = rowHeight_ + GridLineWidth;
    const int y = row < rows_.FixedRows() ? row * pitch
                                          : rows_.FixedRows() * pitch + (row - TopRow()) * pitch;
    return QRect(ColumnLeft(col), y, ColWidth(col), rowHeight_);
}

int TClickableStringGrid::RowAt(int y) const
{
    const int pitch = rowHeight_ + GridLineWidth;
    if (y < 0)
        return -1;
    const int fixedHeight = rows_.FixedRows() * pitch;
    const int row = y < fixedHeight ? y / pitch : TopRow() + (y - fixedHeight) / pitch;
    return row < rows_.RowCount() ? row : -1;
}

void TClickableStringGrid::RepaintNow()
{
    UpdateScrollBars();
    viewport()->repaint();
}

void TClickableStringGrid::UpdateScrollBars()
{
    const int scrollable = rows_.RowCount() - rows_.FixedRows();
    const int visible = VisibleBodyRows();
    verticalScrollBar()->setRange(0, std::max(0, scrollable - visible));
    verticalScrollBar()->setPageStep(visible);
    horizontalScrollBar()->setRange(0, std::max(0, TotalWidth() - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(20);
}

void TClickableStringGrid::ScrollToCurrentRow()
{
    const int row = rows_.Row();
    if (row < rows_.FixedRows())
        return;
    const int offset = row - rows_.FixedRows();
    QScrollBar* bar = verticalScrollBar();
    if (offset < bar->value())
        bar->setValue(offset);
    else if (offset >= bar->value() + VisibleBodyRows())
        bar->setValue(offset - VisibleBodyRows() + 1);
}

TFormatOptions TClickableStringGrid::InitialFormat(int col, int row) const
{
    TFormatOptions options;
    options.AlignmentHorz = alignmentHorz_;
    options.AlignmentVert = alignmentVert_;
    if (row == 0) {
        options.Font = headerFont_;
        options.FontColor = headerFontColor_;
        options.Text = headerStrings_.value(col);
        options.BrushColor = fixedColor_;
    } else if (row == rows_.Row()) {
        options.Font = selectedFont_;
        options.FontColor = selectedFontColor_;
        options.BrushColor = selectedColor_;
    } else {
        options.Font = font();
        options.Font.setBold(false);
        options.Font.setItalic(false);
        options.Font.setUnderline(false);
        options.Font.setStrikeOut(false);
        options.FontColor = fontColor_;
        options.BrushColor = color_;
    }
    return options;
}

void TClickableStringGrid::DrawCell(QPainter& painter, int col, int row, const QRect& cell)
{
    const bool header = row == 0;
    const bool current = !header && row == rows_.Row();
    const QColor rowColor = current ? selectedColor_ : color_;
    painter.fillRect(cell, rowColor);

    int state = 0;
    if (row < rows_.FixedRows())
        state |= gdFixed;
    if (current)
        state |= gdSelected | (hasFocus() ? gdFocused : 0);
    TFormatOptions options = InitialFormat(col, row);
    const TFormatDrawCellEvent& handler = header ? OnGetHeaderCellFormat : OnGetCellFormat;
    if (handler)
        handler(*this, col, row, state, options);

    if (header)
        painter.fillRect(cell, options.BrushColor);
    QRect r = cell.adjusted(2, 2, 0, 0);
    QColor textBackground = header ? options.BrushColor : rowColor;
    if (options.MarkColor != White) {
        const int markTop = r.top() + (r.height() - MarkSize) / 2 - 2;
        painter.fillRect(QRect(r.left() + 2, markTop, MarkSize, MarkSize), options.MarkColor);
        r.setLeft(r.left() + 12);
        textBackground = options.BrushColor;
    }
    painter.save();
    painter.setClipRect(r.intersected(cell));
    painter.setFont(options.Font);
    painter.setPen(options.FontColor);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(textBackground);
    // No mnemonic flag: an ampersand shows as itself.
    painter.drawText(
        r, AlignmentFlags(options.AlignmentHorz, options.AlignmentVert) | Qt::TextSingleLine,
        options.Text);
    painter.restore();

    if (header) {
        // The raised edge of a fixed cell.
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(cell.left(), cell.bottom(), cell.left(), cell.top());
        painter.drawLine(cell.left(), cell.top(), cell.right(), cell.top());
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(cell.right(), cell.top() + 1, cell.right(), cell.bottom());
        painter.drawLine(cell.right(), cell.bottom(), cell.left() + 1, cell.bottom());
    }
}

void TClickableStringGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), color_);
    const int pitch = rowHeight_ + GridLineWidth;
    const int lastRow = std::min(rows_.RowCount() - 1, TopRow() + viewport()->height() / pitch + 1);
    auto drawRow = [&](int row) {
        for (int col = 0; col < ColCount(); ++col) {
            const QRect cell = CellRect(col, row);
            if (cell.right() < 0 || cell.left() > viewport()->width())
                continue;
            DrawCell(painter, col, row, cell);
            painter.setPen(row < rows_.FixedRows() ? FixedLineColor : BodyLineColor);
            painter.drawLine(cell.right() + 1, cell.top(), cell.right() + 1, cell.bottom() + 1);
            painter.drawLine(cell.left(), cell.bottom() + 1, cell.right() + 1, cell.bottom() + 1);
        }
    };
    for (int row = 0; row < rows_.FixedRows(); ++row)
        drawRow(row);
    // Only the rows in view are drawn, however long the list.
    for (int row = TopRow(); row <= lastRow; ++row)
        drawRow(row);
}

void TClickableStringGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void TClickableStringGrid::scrollContentsBy(int, int)
{
    viewport()->update();
}

int TClickableStringGrid::ColumnBorderAt(const QPoint& point) const
{
    const bool headerShown = rows_.FixedRows() > 0 || TopRow() == 0;
    if (!headerShown || point.y() >= rowHeight_ + GridLineWidth)
        return -1;
    for (int col = 0; col < ColCount(); ++col) {
        const int border = ColumnLeft(col) + ColWidth(col);
        if (std::abs(point.x() - border) <= SizingGrip)
            return col;
    }
    return -1;
}

void TClickableStringGrid::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    const QPoint point = event->position().toPoint();
    if (columnSizing_ && event->button() == Qt::LeftButton) {
        sizingColumn_ = ColumnBorderAt(point);
        if (sizingColumn_ >= 0) {
            sizingStartX_ = point.x();
            sizingStartWidth_ = ColWidth(sizingColumn_);
            return;
        }
    }
    const int row = RowAt(point.y());
    if (row >= 0)
        SetRow(row);
}

void TClickableStringGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (sizingColumn_ >= 0) {
        SetColWidth(sizingColumn_, sizingStartWidth_ + point.x() - sizingStartX_);
        return;
    }
    const bool overBorder = columnSizing_ && ColumnBorderAt(point) >= 0;
    viewport()->setCursor(overBorder ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void TClickableStringGrid::mouseReleaseEvent(QMouseEvent*)
{
    sizingColumn_ = -1;
}

void TClickableStringGrid::mouseDoubleClickEvent(QMouseEvent*)
{
    emit DblClick();
}

void TClickableStringGrid::keyPressEvent(QKeyEvent* event)
{
    const int row = rows_.Row();
    const int first = rows_.FixedRows();
    const int last = rows_.RowCount() - 1;
    switch (event->key()) {
    case Qt::Key_Up:
        SetRow(std::max(first, row - 1));
        return;
    case Qt::Key_Down:
        SetRow(std::min(last, row + 1));
        return;
    case Qt::Key_PageUp:
        SetRow(std::max(first, row - VisibleBodyRows()));
        return;
    case Qt::Key_PageDown:
        SetRow(std::min(last, row + VisibleBodyRows()));
        return;
    case Qt::Key_Home:
        SetRow(first);
        return;
    case Qt::Key_End:
        SetRow(last);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit KeyPress(QChar(13));
        return;
    case Qt::Key_Delete:
        emit KeyDown(Qt::Key_Delete);
        return;
    default:
        if (!event->text().isEmpty())
            emit KeyPress(event->text().front());
        else
            QAbstractScrollArea::keyPressEvent(event);
    }
}

} // namespace nudgeon
