#include "ui/TabSet.h"

#include <QFontMetrics>
#include <QPainter>

namespace nudgeon {

TTabSet::TTabSet(QWidget* parent)
    : QTabBar(parent), SelectedColor(palette().color(QPalette::Base)),
      UnselectedColor(palette().color(QPalette::Button))
{
    setShape(QTabBar::RoundedSouth);
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(false);
}

int TTabSet::TabSetMeasureTab(int index) const
{
    QFont bold = font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(tabText(index)) + 6;
}

void TTabSet::TabSetDrawTab(QPainter& painter, int index, const QRect& rect) const
{
    painter.fillRect(rect, index == currentIndex() ? SelectedColor : UnselectedColor);
    QFont plain = font();
    plain.setBold(false);
    painter.setFont(plain);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect textRect = rect.adjusted(2, 4, 0, 0);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, tabText(index));
}

QSize TTabSet::tabSizeHint(int index) const
{
    return QSize(TabSetMeasureTab(index), TabHeight);
}

void TTabSet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int index = 0; index < count(); ++index) {
        const QRect rect = tabRect(index);
        TabSetDrawTab(painter, index, rect);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(rect.topRight(), rect.bottomRight());
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    }
}

} // namespace nudgeon
