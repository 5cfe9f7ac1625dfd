#include "controls/Graphp.h"

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace nudgeon {
namespace {

class CountingPanel : public TGraphicPanel {
public:
    using TGraphicPanel::TGraphicPanel;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        TGraphicPanel::paintEvent(event);
    }
};

QImage Render(TGraphicPanel& panel)
{
    QImage image(panel.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta); // shows any pixel the panel leaves unpainted
    panel.render(&image);
    return image;
}

class GraphpTest : public testing::Test {
protected:
    TGraphicPanel panel;
    QColor light = QColor(panel.palette().color(QPalette::Light).rgb());
    QColor dark = QColor(panel.palette().color(QPalette::Dark).rgb());
    QColor fill{200, 210, 220};

    void SetUp() override
    {
        panel.resize(20, 12);
        panel.SetColor(fill);
        panel.SetCaption("");
    }
};

TEST_F(GraphpTest, DefaultRaisedBevelIsLightTopLeftAndDarkBottomRight)
{
    const QImage image = Render(panel);
    EXPECT_EQ(image.pixelColor(0, 0), light);
    EXPECT_EQ(image.pixelColor(18, 0), light);
    EXPECT_EQ(image.pixelColor(0, 10), light);
    EXPECT_EQ(image.pixelColor(19, 0), dark); // top-right corner
    EXPECT_EQ(image.pixelColor(0, 11), dark); // bottom-left corner
    EXPECT_EQ(image.pixelColor(19, 11), dark);
    EXPECT_EQ(image.pixelColor(10, 11), dark);
    EXPECT_EQ(image.pixelColor(19, 5), dark);
    for (int y = 1; y < 11; ++y)
        for (int x = 1; x < 19; ++x)
            ASSERT_EQ(image.pixelColor(x, y), fill) << x << "," << y;
}

TEST_F(GraphpTest, WithoutBevelTheWholeAreaIsFilled)
{
    panel.SetBevelOuter(TGraphicPanel::bvNone);
    const QImage image = Render(panel);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixelColor(x, y), fill) << x << "," << y;
}

TEST_F(GraphpTest, RingsNestFromTheOutside)
{
    panel.SetBorderStyle(TGraphicPanel::bsSingle);
    panel.SetBevelOuter(TGraphicPanel::bvLowered);
    panel.SetBorderWidth(1);
    panel.SetBevelInner(TGraphicPanel::bvRaised);
    const QImage image = Render(panel);
    // Along the left edge: black line, lowered bevel (dark on the left), border, raised bevel.
    EXPECT_EQ(image.pixelColor(0, 6), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(1, 6), dark);
    EXPECT_EQ(image.pixelColor(2, 6), fill);
    EXPECT_EQ(image.pixelColor(3, 6), light);
    EXPECT_EQ(image.pixelColor(4, 6), fill);
    // Along the right edge the other way round.
    EXPECT_EQ(image.pixelColor(19, 6), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(18, 6), light);
    EXPECT_EQ(image.pixelColor(16, 6), dark);
}

// The columns a caption's pixels cover, or an empty pair when nothing differs from the fill.
std::pair<int, int> InkColumns(const QImage& image, const QColor& fill)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) != fill) {
                if (first < 0)
                    first = x;
                last = x;
            }
    return {first, last};
}

TEST_F(GraphpTest, CaptionIsPlacedByAlignment)
{
    panel.resize(120, 25);
    panel.SetBevelOuter(TGraphicPanel::bvNone);
    panel.SetCaption("Wi");
    const auto centred = InkColumns(Render(panel), fill);
    ASSERT_GE(centred.first, 0);
    EXPECT_NEAR((centred.first + centred.second) / 2.0, 60, 3);

    panel.SetAlignment(taLeftJustify);
    EXPECT_LE(InkColumns(Render(panel), fill).first, 2);
    panel.SetAlignment(taRightJustify);
    EXPECT_GE(InkColumns(Render(panel), fill).second, 117);
}

TEST_F(GraphpTest, OnlyTheFirstLineShowsAndLongTextStaysInsideTheBevel)
{
    panel.resize(60, 25);
    panel.SetCaption("12:00");
    const QImage oneLine = Render(panel);
    panel.SetCaption("12:00\nsecond line");
    EXPECT_EQ(Render(panel), oneLine);

    panel.SetCaption("WWWWWWWWWWWWWWWWWWWW");
    const QImage image = Render(panel);
    for (int y = 0; y < 24; ++y) {
        EXPECT_EQ(image.pixelColor(0, y), light) << y;
        EXPECT_EQ(image.pixelColor(59, y), dark) << y;
    }
}

TEST(Graphp, RepaintsOnlyForANewCaption)
{
    CountingPanel panel;
    panel.SetCaption("09:00:00am");
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    QApplication::processEvents();
    panel.paints = 0;

    panel.SetCaption("09:00:00am");
    panel.SetBorderStyle(TGraphicPanel::bsNone);
    QApplication::processEvents();
    EXPECT_EQ(panel.paints, 0);

    panel.SetCaption("09:00:01am");
    QApplication::processEvents();
    EXPECT_EQ(panel.paints, 1);

    panel.SetAlignment(panel.Alignment()); // the same value still repaints
    QApplication::processEvents();
    EXPECT_EQ(panel.paints, 2);
}

TEST(Graphp, AClickReportsThePanel)
{
    TGraphicPanel panel;
    panel.resize(24, 19);
    panel.setProperty("Tag", 13);
    QSignalSpy clicks(&panel, &TGraphicPanel::Click);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).value<TGraphicPanel*>(), &panel);
    EXPECT_EQ(panel.focusPolicy(), Qt::NoFocus);
}

} // namespace
} // namespace nudgeon
