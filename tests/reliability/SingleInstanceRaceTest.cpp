// Five copies of the real program, each in a folder of its own but under the same file name,
// started at the same moment: exactly one runs, the other four end with code 0 and leave their
// folders as they found them.
#include "app/AppProcess.h"
#include "model/Reminder.h"
#include "store/DataFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace nudgeon::test {
namespace {

constexpr int Copies = 5;
constexpr int Rounds = 3;

QByteArray Contents(const QString& file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// Every entry of the folder but the program and its output log.
QStringList FilesMadeIn(const ProgramCopy& copy)
{
    QStringList names = QDir(copy.Dir()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    names.removeAll("nudgeon");
    names.removeAll("output.log");
    return names;
}

TEST(SingleInstanceRace, OfFiveCopiesStartedAtOnceExactlyOneRuns)
{
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ReminderList oneTime;
    oneTime.push_back(TReminder::CreateOneTime(rkOneTime, 45355.5, "Dentist", "", etShowAndPlay));
    const ReminderList repeating;

    for (int round = 0; round < Rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::vector<std::unique_ptr<ProgramCopy>> copies;
        std::vector<QByteArray> before;
        for (int i = 0; i < Copies; ++i) {
            copies.push_back(std::make_unique<ProgramCopy>("nudgeon"));
            SaveToDisk(copies.back()->FilePath("Nudgeon.dat").toStdString(), oneTime, repeating);
            before.push_back(Contents(copies.back()->FilePath("Nudgeon.dat")));
        }
        for (auto& copy : copies)
            copy->Start(runtime.path());

        // Wait until all but one have ended.
        QElapsedTimer elapsed;
        elapsed.start();
        int ended = 0;
        while (elapsed.elapsed() < 60000) {
            ended = 0;
            for (auto& copy : copies)
                if (copy->Process().state() == QProcess::NotRunning ||
                    copy->Process().waitForFinished(50))
                    ++ended;
            if (ended >= Copies - 1)
                break;
        }
        ASSERT_EQ(ended, Copies - 1);

        int running = 0;
        for (int i = 0; i < Copies; ++i) {
            ProgramCopy& copy = *copies[static_cast<std::size_t>(i)];
            if (copy.Process().state() != QProcess::NotRunning) {
                ++running;
                EXPECT_TRUE(copy.WaitUntilRunning()) << copy.Output().toStdString();
                EXPECT_TRUE(copy.Terminate());
                const StoredLists stored = ReadDataFile(copy.FilePath("Nudgeon.dat"));
                ASSERT_EQ(stored.oneTime.size(), 1u);
                EXPECT_EQ(stored.oneTime.front()->Description, "Dentist");
                continue;
            }
            EXPECT_EQ(copy.Process().exitStatus(), QProcess::NormalExit) << i;
            EXPECT_EQ(copy.Process().exitCode(), 0) << copy.Output().toStdString();
            EXPECT_EQ(Contents(copy.FilePath("Nudgeon.dat")), before[static_cast<std::size_t>(i)]);
            EXPECT_EQ(FilesMadeIn(copy), QStringList{"Nudgeon.dat"}) << i;
        }
        EXPECT_EQ(running, 1);
    }
    std::cout << "[ race     ] " << Rounds << " rounds of " << Copies
              << " copies started at once: one ran each time, the others ended untouched\n";
}

} // namespace
} // namespace nudgeon::test
