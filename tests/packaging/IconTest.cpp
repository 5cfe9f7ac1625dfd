// The installed icons: each PNG is the program's own drawing at its size, and the hand-written
// SVG looks the same.
#include "UnpackedPackage.h"
#include "ui/Pictures.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace nudgeon::test {
namespace {

QImage OnWhite(const QImage& picture)
{
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    return flat;
}

int ChannelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

// The largest difference of any pixel of two images of one size, 0 to 255.
int LargestPixelDifference(const QImage& a, const QImage& b)
{
    const QImage first = a.convertToFormat(QImage::Format_ARGB32);
    const QImage second = b.convertToFormat(QImage::Format_ARGB32);
    int largest = 0;
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x)
            largest = std::max(largest, ChannelDifference(first.pixel(x, y), second.pixel(x, y)));
    return largest;
}

// The largest mean difference over any square of an eighth of the side, so that a small part
// drawn wrongly (a hand, a bell) shows even where the rest agrees. 0 to 255.
double LargestRegionDifference(const QImage& a, const QImage& b)
{
    const QImage first = OnWhite(a);
    const QImage second = OnWhite(b);
    const int side = first.width() / 8;
    double largest = 0;
    for (int top = 0; top + side <= first.height(); top += side) {
        for (int left = 0; left + side <= first.width(); left += side) {
            long sum = 0;
            for (int y = top; y < top + side; ++y)
                for (int x = left; x < left + side; ++x)
                    sum += ChannelDifference(first.pixel(x, y), second.pixel(x, y));
            largest = std::max(largest, double(sum) / (side * side));
        }
    }
    return largest;
}

class IconTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(package_.Unpacked()) << package_.Log().toStdString(); }
    UnpackedPackage package_;
};

TEST_F(IconTest, EachPngIsTheProgramsOwnDrawingAtTheSizeItsFolderNames)
{
    for (const int size : IconSizes) {
        SCOPED_TRACE(size);
        const QImage icon(package_.Path(PngIconPath(size)));
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(LargestPixelDifference(icon, AlarmClockPicture(size).toImage()), 0);
    }
}

TEST_F(IconTest, TheScalableIconLooksLikeTheDrawing)
{
    QTemporaryDir renders;
    // Below 64 pixels the two renderers place thin lines on different pixels.
    for (const int size : {64, 256}) {
        SCOPED_TRACE(size);
        const QString render = renders.filePath(QString("%1.png").arg(size));
        const CommandResult drawn = RunTool(
            "rsvg-convert", {"--width", QString::number(size), "--height", QString::number(size),
                             "--output", render, package_.Path(ScalableIconPath())});
        ASSERT_EQ(drawn.exitCode, 0) << drawn.output.toStdString();
        const QImage svg(render);
        ASSERT_EQ(svg.size(), QSize(size, size));
        // A faithful copy scores about 5 here; one that lacks a single hour mark, 17.
        EXPECT_LT(LargestRegionDifference(svg, AlarmClockPicture(size).toImage()), 10.0);
    }
}

} // namespace
} // namespace nudgeon::test
