// Helpers of the dialog and editor tests: the user's formats from a named locale, recorded
// message boxes and sounds, clicks and typing, answers to modal windows, the help window and
// screenshots.
#pragma once

#include "model/DateTime.h"
#include "store/Formats.h"
#include "store/MessageBoxes.h"
#include "support/FakeClock.h"
#include "ui/Help.h"
#include "ui/SoundPreview.h"
#include "ui/UserFormats.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QString>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

// Readable failure messages for Qt's strings and addresses.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QUrl& url, std::ostream* os)
{
    *os << url.toString().toStdString();
}

namespace nudgeon::test {

// Puts a locale's formats in place as the program does at start, and the previous formats
// back at the end.
class UserFormatsFixture : public testing::Test {
protected:
    ~UserFormatsFixture() override
    {
        SaveSystemFormats(SystemFormatSettings());
        SetFormatsInForce(saved_);
    }

    void UseLocale(const char* name) { SetUpProgramFormats(QLocale(QString::fromLatin1(name))); }

    // The program's fixed short date format differs from that of every locale used here.
    static void ExpectProgramFormatsInForce()
    {
        EXPECT_EQ(FormatsInForce().ShortDateFormat, "mm/dd/yyyy");
        EXPECT_EQ(FormatsInForce().DateSeparator, "/");
    }

private:
    TFormatSettings saved_ = FormatsInForce();
};

// Records every information box and answers every question with `answer`.
class InfoRecorder {
public:
    InfoRecorder()
    {
        SetMessageBoxHooks(
            {[this](std::string_view, std::string_view text) { texts.emplace_back(text); },
             [this](std::string_view, std::string_view text) {
                 questions.emplace_back(text);
                 return answer;
             }});
    }
    ~InfoRecorder() { SetMessageBoxHooks({}); }
    InfoRecorder(const InfoRecorder&) = delete;
    InfoRecorder& operator=(const InfoRecorder&) = delete;

    std::vector<std::string> texts;
    std::vector<std::string> questions;
    bool answer = true;
};

// Records what the dialogs' "Play Now" and "Shhhh" ask of the sound player.
struct SoundRecorder {
    std::vector<std::string> played;
    int shutups = 0;

    SoundPreview Preview()
    {
        return {[this](const std::string& path) { played.push_back(path); },
                [this] {
                    ++shutups;
                }};
    }
};

// Near the left edge: a radio button or check box answers only on its box and caption.
inline void Click(QWidget* widget)
{
    const QPoint point(std::min(8, widget->width() / 2), widget->height() / 2);
    QTest::mouseClick(widget, Qt::LeftButton, {}, point);
}

// Replaces the field's text by typing, as the user does.
template <typename Field> void Type(Field* field, const QString& text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
}

// The help window is open at the topic; closes it for the next test.
inline void ExpectHelpShows(int topic)
{
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_TRUE(HelpWindow()->isVisible());
    const auto* browser = HelpWindow()->findChild<QTextBrowser*>("HelpBrowser");
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source(), HelpTopicUrl(topic));
    HelpWindow()->close();
}

// Runs `answer` on the next modal window of the type once it is open, from the event loop
// of its exec().
template <typename Window = QWidget> void WhenModalOpens(std::function<void(Window&)> answer)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer = std::move(answer)] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (window == nullptr)
            return;
        timer->stop();
        timer->deleteLater();
        answer(*window);
    });
    timer->start();
}

// Keeps a picture of the window under the build's artifacts folder for a person to look at.
inline void SaveScreenshot(QWidget& window, const char* name)
{
#ifdef NUDGEON_ARTIFACTS_DIR
    QDir().mkpath(NUDGEON_ARTIFACTS_DIR);
    const QString path = QString(NUDGEON_ARTIFACTS_DIR) + "/" + name + ".png";
    EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
#else
    (void)window;
    (void)name;
#endif
}

} // namespace nudgeon::test
