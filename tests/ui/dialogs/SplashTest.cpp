#include "ui/Splash.h"

#include "ui/Settd.h"
#include "ui/dialogs/DialogTestSupport.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace nudgeon {
namespace {

TEST(SplashTest, TheBoxNamesTheVersionAndTheBuildsWordSize)
{
    EXPECT_EQ(BitnessText(4), "32-bit version");
    EXPECT_EQ(BitnessText(8), "64-bit version");

    TSplashform box;
    EXPECT_EQ(box.windowTitle(), "About Nudgeon!");
    EXPECT_EQ(box.size(), QSize(434, 236));
    EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(box.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(box.Label4->text(), "Version 2.8");
    EXPECT_EQ(box.Label3216->text().toStdString(), BitnessText(sizeof(void*)));
    EXPECT_EQ(box.Label3216->pos(), QPoint(199, 42));
    EXPECT_EQ(box.OKButton->text(), "Ok");
    EXPECT_EQ(box.OKButton->geometry(), QRect(329, 189, 76, 35));
    EXPECT_EQ(box.Bevel1->geometry().width(), 203);
}

TEST(SplashTest, TheNameIsWhiteOnBlue)
{
    const QImage picture = NamePicture().toImage();
    ASSERT_EQ(picture.size(), QSize(161, 42));
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(0, 0, 128));
    int white = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            white += picture.pixelColor(x, y) == Qt::white ? 1 : 0;
    }
    // Letters were drawn: a fair share of the picture, yet far from all of it.
    EXPECT_GT(white, 200);
    EXPECT_LT(white, 161 * 42 / 2);
}

TEST(SplashTest, OkClosesTheModalBox)
{
    TSplashform box;
    test::WhenModalOpens<TSplashform>([](TSplashform& shown) {
        test::SaveScreenshot(shown, "about-box");
        QTest::mouseClick(shown.OKButton, Qt::LeftButton);
    });
    EXPECT_EQ(box.exec(), mrOk);
}

} // namespace
} // namespace nudgeon
