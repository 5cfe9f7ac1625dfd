#include "ui/Help.h"

#include "ui/dialogs/DialogTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

namespace nudgeon {
namespace {

QStringList LinksOf(const QTextDocument& document)
{
    QStringList links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QString href = fragment.fragment().charFormat().anchorHref();
            if (!href.isEmpty() && !links.contains(href))
                links.push_back(href);
        }
    return links;
}

class HelpTest : public testing::Test {
protected:
    // Help opened from the main window: it lives as long as that window.
    std::unique_ptr<QWidget> mainWindow = std::make_unique<QWidget>();

    void TearDown() override { mainWindow.reset(); }

    QTextBrowser* Browser() const
    {
        return HelpWindow() == nullptr ? nullptr
                                       : HelpWindow()->findChild<QTextBrowser*>("HelpBrowser");
    }
    QPushButton* Button(const char* name) const
    {
        return HelpWindow()->findChild<QPushButton*>(name);
    }
};

TEST_F(HelpTest, EachTopicNumberOpensItsOwnPage)
{
    const struct {
        int number;
        const char* heading;
    } cases[] = {
        {HelpMainWindow, "The main window"},
        {HelpOneTimeEditor, "Writing a one-time reminder"},
        {HelpRepeatingEditor, "Writing a repeating reminder"},
        {HelpTimeSetDialog, "Setting a time with two clicks"},
        {HelpPreferences, "Preferences"},
        {4711, "Nudgeon! Help"}, // an unknown number gives the contents
    };
    QStringList pages;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        ShowHelpTopic(c.number, mainWindow.get());
        ASSERT_NE(Browser(), nullptr);
        EXPECT_TRUE(HelpWindow()->isVisible());
        EXPECT_EQ(Browser()->source(), HelpTopicUrl(c.number));
        EXPECT_EQ(Browser()->documentTitle(), QString(c.heading));
        EXPECT_TRUE(Browser()->toPlainText().startsWith(c.heading));
        EXPECT_GT(Browser()->toPlainText().size(), 400); // a real page, not a stub
        pages.push_back(Browser()->source().toString());
    }
    pages.removeDuplicates();
    EXPECT_EQ(pages.size(), 6);
    EXPECT_EQ(HelpTopicUrl(4711), QUrl("qrc:/help/index.html"));
}

TEST_F(HelpTest, EveryLinkOnEveryPageLeadsToAPage)
{
    ShowHelpTopic(HelpMainWindow, mainWindow.get());
    const QStringList pages = QDir(":/help").entryList({"*.html"});
    ASSERT_GE(pages.size(), 6);
    QStringList reached{"index.html"};
    for (const QString& page : pages) {
        SCOPED_TRACE(page.toStdString());
        Browser()->setSource(QUrl("qrc:/help/" + page));
        for (const QString& link : LinksOf(*Browser()->document())) {
            SCOPED_TRACE(link.toStdString());
            const QUrl url(link);
            if (url.scheme() == "https")
                continue; // the project's web page
            const QString file = url.path().isEmpty() ? page : url.path();
            EXPECT_TRUE(QFile::exists(":/help/" + file));
            if (!url.fragment().isEmpty()) {
                Browser()->setSource(QUrl("qrc:/help/" + file));
                EXPECT_TRUE(Browser()->toHtml().contains("name=\"" + url.fragment() + "\""));
                Browser()->setSource(QUrl("qrc:/help/" + page));
            }
            reached.push_back(file);
        }
    }
    // Nothing is left that no page points to.
    for (const QString& page : pages)
        EXPECT_TRUE(reached.contains(page)) << page.toStdString();
}

TEST_F(HelpTest, OneWindowServesEveryTopicAndItsButtonsBrowse)
{
    ShowHelpTopic(HelpOneTimeEditor, mainWindow.get());
    QWidget* first = HelpWindow();
    ShowHelpTopic(HelpPreferences, mainWindow.get());
    EXPECT_EQ(HelpWindow(), first);
    EXPECT_EQ(Browser()->source(), HelpTopicUrl(HelpPreferences));

    QTest::mouseClick(Button("HelpContentsButton"), Qt::LeftButton);
    EXPECT_EQ(Browser()->source(), QUrl("qrc:/help/index.html"));
    ASSERT_TRUE(Button("HelpBackButton")->isEnabled());
    QTest::mouseClick(Button("HelpBackButton"), Qt::LeftButton);
    EXPECT_EQ(Browser()->source(), HelpTopicUrl(HelpPreferences));
    QTest::mouseClick(Button("HelpForwardButton"), Qt::LeftButton);
    EXPECT_EQ(Browser()->source(), QUrl("qrc:/help/index.html"));

    QTest::mouseClick(Button("HelpCloseButton"), Qt::LeftButton);
    EXPECT_FALSE(HelpWindow()->isVisible());
}

TEST_F(HelpTest, HelpOpenedFromAModalDialogCanBeUsed)
{
    QDialog dialog(mainWindow.get());
    bool browsed = false;
    QTimer::singleShot(0, &dialog, [&] {
        ShowHelpTopic(HelpOneTimeEditor, &dialog);
        // Clicked through the window system, which drops input to windows a modal one blocks.
        QPushButton* contents = Button("HelpContentsButton");
        QTest::mouseClick(HelpWindow()->windowHandle(), Qt::LeftButton, {},
                          contents->mapTo(HelpWindow(), contents->rect().center()));
        browsed = Browser()->source() == QUrl("qrc:/help/index.html");
        HelpWindow()->close();
        dialog.reject();
    });
    dialog.exec();
    EXPECT_TRUE(browsed);

    // Opened from the main window again, it no longer holds the rest of the program.
    ShowHelpTopic(HelpMainWindow, mainWindow.get());
    EXPECT_EQ(HelpWindow()->windowModality(), Qt::NonModal);
}

TEST_F(HelpTest, Screenshot)
{
    ShowHelpTopic(HelpOneTimeEditor, mainWindow.get());
    QDir().mkpath(NUDGEON_ARTIFACTS_DIR);
    EXPECT_TRUE(HelpWindow()->grab().save(QString(NUDGEON_ARTIFACTS_DIR) + "/help.png"));
}

} // namespace
} // namespace nudgeon
