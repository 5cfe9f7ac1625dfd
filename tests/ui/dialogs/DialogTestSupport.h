// Helpers of the dialog tests: the user's formats from a named locale, recorded message boxes,
// answers to modal windows and screenshots.
#pragma once

#include "model/DateTime.h"
#include "store/Formats.h"
#include "store/MessageBoxes.h"
#include "support/FakeClock.h"
#include "ui/UserFormats.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

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
