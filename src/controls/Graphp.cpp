#include "controls/Graphp.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QRegularExpression>
#include <algorithm>

namespace nudgeon {
namespace {

// One frame ring on the rectangle (right and bottom exclusive): light left and top edges,
// dark right and bottom edges, so the top-right and bottom-left corners end up dark.
// The rectangle then shrinks by one pixel on every side.
void DrawRing(QPainter& painter, QRect& r, const QColor& light, const QColor& dark)
{
    const int left = r.left();
    const int top = r.top();
    const int right = r.right(); // QRect::right() is the last column inside
    const int bottom = r.bottom();
    painter.setPen(light);
    painter.drawLine(left, bottom, left, top);
    if (right > left)
        painter.drawLine(left, top, right - 1, top);
    painter.setPen(dark);
    painter.drawLine(right, top, right, bottom);
    painter.drawLine(right, bottom, left, bottom);
    r.adjust(1, 1, -1, -1);
}

void DrawBevel(QPainter& painter, QRect& r, TGraphicPanel::TPanelBevel bevel, int width,
               const QPalette& palette)
{
    if (bevel == TGraphicPanel::bvNone)
        return;
    QColor light = palette.color(QPalette::Light);
    QColor dark = palette.color(QPalette::Dark);
    if (bevel == TGraphicPanel::bvLowered)
        std::swap(light, dark);
    for (int i = 0; i < width && r.isValid(); ++i)
        DrawRing(painter, r, light, dark);
}

Qt::Alignment HorizontalFlag(TAlignment alignment)
{
    switch (alignment) {
    case taRightJustify:
        return Qt::AlignRight;
    case taCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

TGraphicPanel::TGraphicPanel(QWidget* parent)
    : QWidget(parent), color_(palette().color(QPalette::Button)),
      fontColor_(palette().color(QPalette::ButtonText))
{
    resize(185, 41);
    setFocusPolicy(Qt::NoFocus);
    // The panel paints every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGraphicPanel::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
}

void TGraphicPanel::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    update();
}

void TGraphicPanel::SetBevelOuter(TPanelBevel bevel)
{
    bevelOuter_ = bevel;
    update();
}

void TGraphicPanel::SetBevelInner(TPanelBevel bevel)
{
    bevelInner_ = bevel;
    update();
}

void TGraphicPanel::SetBevelWidth(int width)
{
    bevelWidth_ = std::max(1, width);
    update();
}

void TGraphicPanel::SetBorderWidth(int width)
{
    borderWidth_ = std::max(0, width);
    update();
}

void TGraphicPanel::SetBorderStyle(TBorderStyle style)
{
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    update();
}

void TGraphicPanel::SetColor(const QColor& color)
{
    if (color == color_)
        return;
    color_ = color;
    update();
}

void TGraphicPanel::SetFontColor(const QColor& color)
{
    if (color == fontColor_)
        return;
    fontColor_ = color;
    update();
}

void TGraphicPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect r = rect();
    if (borderStyle_ == bsSingle)
        DrawRing(painter, r, Qt::black, Qt::black);
    DrawBevel(painter, r, bevelOuter_, bevelWidth_, palette());
    for (int i = 0; i < borderWidth_ && r.isValid(); ++i)
        DrawRing(painter, r, color_, color_);
    DrawBevel(painter, r, bevelInner_, bevelWidth_, palette());
    if (r.isValid())
        painter.fillRect(r, color_);

    // One line of text, centred on the height of a line of the font.
    const int lineHeight = painter.fontMetrics().height();
    const int bandTop = (r.top() + r.top() + r.height() - lineHeight) / 2;
    const QRect band(r.left(), bandTop, r.width(), lineHeight);
    const QString firstLine = caption_.left(caption_.indexOf(QRegularExpression("[\r\n]")));
    painter.setClipRect(band);
    painter.setPen(fontColor_);
    painter.drawText(band, HorizontalFlag(alignment_) | Qt::AlignTop | Qt::TextExpandTabs,
                     firstLine);
}

void TGraphicPanel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void TGraphicPanel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit Click(this);
}

} // namespace nudgeon
