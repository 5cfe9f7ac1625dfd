// A main window over a scratch program folder, with fake notification, sound and boxes.
#pragma once

#include "store/DataFile.h"
#include "store/MessageBoxes.h"
#include "support/FakeClock.h"
#include "ui/Main.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QToolButton>
#include <fstream>
#include <gtest/gtest.h>

namespace nudgeon {

class FakeNotifier : public Notifier {
public:
    int Notify(const std::string& message, bool) override
    {
        messages.push_back(message);
        return AnswerDone;
    }
    std::vector<std::string> messages;
};

class FakeSound : public SoundPlayer {
public:
    void PlaySoundNow(const std::string& path) override { played.push_back(path); }
    std::vector<std::string> played;
};

inline TDateTime At(int hour, int minute)
{
    return EncodeDate(2026, 12, 11) + EncodeTime(hour, minute);
}

class MainFormTest : public testing::Test {
protected:
    QTemporaryDir directory;
    std::filesystem::path dir{directory.path().toStdString()};
    test::FakeClock clock{At(9, 30)};
    FakeNotifier notifier;
    FakeSound sound;
    std::vector<std::string> infos;
    std::vector<QString> errors;
    bool confirmAnswer = true;
    std::unique_ptr<TMainForm> form;

    void SetUp() override
    {
        SetMessageBoxHooks(
            {[this](std::string_view, std::string_view text) { infos.emplace_back(text); },
             [this](std::string_view, std::string_view) {
                 return confirmAnswer;
             }});
    }
    void TearDown() override
    {
        form.reset();
        SetMessageBoxHooks({});
    }

    void WriteData(std::vector<std::unique_ptr<TReminder>> oneTime,
                   std::vector<std::unique_ptr<TReminder>> repeating)
    {
        SaveToDisk(dir / "Nudgeon.dat", oneTime, repeating);
    }
    void WriteSettings(const std::string& text) { std::ofstream(dir / "Nudgeon.INI") << text; }
    void WriteSampleData()
    {
        ReminderList oneTime;
        oneTime.push_back(TReminder::CreateOneTime(rkOneTime, At(8, 0), "Past", "", etShowOnly));
        oneTime.push_back(
            TReminder::CreateOneTime(rkOneTime, At(10, 0), "Call & write", "", etShowOnly));
        oneTime.push_back(
            TReminder::CreateOneTime(rkOneTime, At(10, 0) + 1, "Tomorrow", "", etShowOnly));
        oneTime[0]->Status = rsDone;
        ReminderList repeating;
        repeating.push_back(TReminder::CreateRepeating(rkRepeating, EncodeTime(11, 0), false, 0,
                                                       "0123456", 0, "Daily", "", etShowOnly));
        repeating.push_back(TReminder::CreateRepeating(rkRepeating, EncodeTime(8, 0), false, 0,
                                                       "0123456", 0, "Gone", "", etShowOnly));
        WriteData(std::move(oneTime), std::move(repeating));
    }
    void Create()
    {
        form = std::make_unique<TMainForm>(notifier, sound, nullptr, dir);
        form->ErrorBox = [this](const QString& message) {
            errors.push_back(message);
        };
    }
    void ShowAndActivate()
    {
        form->show();
        QApplication::processEvents();
        QApplication::processEvents();
    }
    QToolButton* Button(const char* name) { return form->findChild<QToolButton*>(name); }
    ReminderList ReadBack()
    {
        ReminderList oneTime, repeating;
        TDateTime lastDate = 0;
        LoadFromDisk(dir / "Nudgeon.dat", oneTime, repeating, lastDate);
        return oneTime;
    }
};

} // namespace nudgeon
