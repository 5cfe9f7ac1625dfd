// TTabSet: the tab strip under the reminder lists, drawn by its owner.
#pragma once

#include <QColor>
#include <QTabBar>
#include <functional>

namespace nudgeon {

class TTabSet : public QTabBar {
    Q_OBJECT

public:
    static constexpr int TabHeight = 22;

    explicit TTabSet(QWidget* parent = nullptr);

    QColor SelectedColor;
    QColor UnselectedColor;

    // The width of a tab: its caption in the strip's font made bold, plus 6 pixels.
    int TabSetMeasureTab(int index) const;
    // Fills the tab with its colour and writes the caption 2 pixels in from the left and 4
    // from the top, in the strip's font without bold.
    void TabSetDrawTab(class QPainter& painter, int index, const QRect& rect) const;

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void paintEvent(QPaintEvent* event) override;
};

} // namespace nudgeon
