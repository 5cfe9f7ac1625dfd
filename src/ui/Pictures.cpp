#include "ui/Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace nudgeon {
namespace {

const QColor ClockRed(200, 24, 24);
const QColor BellYellow(250, 210, 30);
const QColor Outline(60, 10, 10);

void DrawHand(QPainter& painter, QPointF centre, double length, double turns, double width)
{
    const double angle = turns * 2 * M_PI - M_PI / 2;
    painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(length * std::cos(angle), length * std::sin(angle)));
}

} // namespace

QPixmap AlarmClockPicture(int size, int frame)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    // Bells and the hammer between them.
    painter.setPen(QPen(Outline, 1));
    painter.setBrush(BellYellow);
    painter.drawChord(QRectF(2, 1, 11, 11), 30 * 16, 180 * 16);
    painter.drawChord(QRectF(19, 1, 11, 11), -30 * 16, 180 * 16);
    painter.drawRect(QRectF(15, 2, 2, 4));
    // Feet.
    painter.setPen(QPen(Outline, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(8, 26), QPointF(5, 30));
    painter.drawLine(QPointF(24, 26), QPointF(27, 30));
    // Case and face.
    painter.setPen(QPen(Outline, 1));
    painter.setBrush(ClockRed);
    painter.drawEllipse(QRectF(4, 5, 24, 24));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(7.5, 8.5, 17, 17));
    const QPointF centre(16, 17);
    painter.setPen(QPen(Qt::black, 1));
    for (int hour = 0; hour < 12; hour += 3) {
        const double angle = hour / 12.0 * 2 * M_PI;
        painter.drawPoint(centre + QPointF(7 * std::sin(angle), -7 * std::cos(angle)));
    }
    // The still clock shows ten past ten; the frames sweep the minute hand round.
    const double minuteTurns = frame == 0 ? 10.0 / 60 : (frame - 1) / double(AnimationFrameCount);
    const double hourTurns = frame == 0 ? (10 + 10.0 / 60) / 12 : minuteTurns / 12 + 0.25;
    DrawHand(painter, centre, 4.5, hourTurns, 1.8);
    DrawHand(painter, centre, 6.5, minuteTurns, 1.2);
    return pixmap;
}

QIcon AlarmClockIcon(int frame)
{
    QIcon icon;
    for (const int size : {16, 22, 32, 48, 64})
        icon.addPixmap(AlarmClockPicture(size, frame));
    return icon;
}

QIcon ButtonIcon(ButtonPicture picture)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen thick(QColor(30, 30, 30), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (picture) {
    case ButtonPicture::New:
        painter.setPen(QPen(QColor(0, 130, 0), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(8, 2, 8, 14);
        painter.drawLine(2, 8, 14, 8);
        break;
    case ButtonPicture::Edit:
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(BellYellow);
        painter.drawPolygon(QPolygonF({{3, 13}, {4, 10}, {12, 2}, {14, 4}, {6, 12}}));
        break;
    case ButtonPicture::Delete:
        painter.setPen(QPen(ClockRed, 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(3, 3, 13, 13);
        painter.drawLine(13, 3, 3, 13);
        break;
    case ButtonPicture::Clone:
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(1.5, 1.5, 8, 10));
        painter.setBrush(QColor(200, 220, 255));
        painter.drawRect(QRectF(6.5, 4.5, 8, 10));
        break;
    case ButtonPicture::AdjustTime:
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        painter.setPen(thick);
        painter.drawLine(8, 8, 8, 4);
        painter.drawLine(8, 8, 11, 9);
        break;
    case ButtonPicture::Minimize:
        painter.setPen(thick);
        painter.drawLine(3, 13, 13, 13);
        painter.setPen(QPen(QColor(0, 70, 160), 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(8, 2, 8, 10);
        painter.drawLine(8, 10, 5, 7);
        painter.drawLine(8, 10, 11, 7);
        break;
    case ButtonPicture::Exit:
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor(150, 90, 40));
        painter.drawRect(QRectF(2.5, 1.5, 8, 13));
        painter.setPen(QPen(ClockRed, 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(9, 8, 15, 8);
        painter.drawLine(15, 8, 12, 5);
        painter.drawLine(15, 8, 12, 11);
        break;
    }
    return QIcon(pixmap);
}

} // namespace nudgeon
