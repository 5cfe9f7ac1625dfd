// A data file far longer than the pieces it is written and read in: every byte as the value
// stream gives it, and every reminder back as it was.
#include "StoreTestSupport.h"
#include "store/DataFile.h"
#include "store/ValueStream.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace nudgeon {
namespace {

// Texts of every length up to a long text, now and then with a letter beyond ASCII.
std::string Text(int i)
{
    std::string text =
        "Reminder " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 300), '.');
    if (i % 7 == 0)
        text += " caf\xC3\xA9";
    return text;
}

// What the value stream writes for the lists, in one piece.
std::string StreamOf(const ReminderList& oneTime, const ReminderList& repeating)
{
    std::ostringstream out;
    OStreamSink sink(out);
    TValueWriter writer(sink);
    writer.BeginList();
    writer.PutInteger(DataFileSignature);
    writer.PutFloat(DataFileVersion);
    writer.EndList();
    for (const ReminderList* list : {&oneTime, &repeating}) {
        writer.BeginList();
        for (const auto& reminder : *list)
            reminder->SaveTo(writer);
        writer.EndList();
    }
    writer.Flush();
    return out.str();
}

TEST(DataFilePiecesTest, AListOfManyPiecesIsWrittenAndReadWhole)
{
    ReminderList oneTime;
    ReminderList repeating;
    for (int i = 0; i < 3000; ++i) {
        oneTime.push_back(TReminder::CreateOneTime(rkOneTime, 45000 + i / 10.0, Text(i),
                                                   Text(i + 1), etShowOnly));
        oneTime.back()->Status = rsDone;
        repeating.push_back(TReminder::CreateRepeating(rkRepeating, 0.25, true, 0.75, "12345", 30,
                                                       Text(i + 2), "", etPlayOnly));
    }
    const test::TempDir dir;
    const auto file = dir / "Nudgeon.dat";
    SaveToDisk(file, oneTime, repeating);
    const std::string written = test::ReadFileBytes(file);
    ASSERT_GT(written.size(), 4u * 64 * 1024);
    EXPECT_TRUE(written == StreamOf(oneTime, repeating)) << "the file differs from the stream";

    ReminderList readOneTime;
    ReminderList readRepeating;
    TDateTime lastDate = 0;
    LoadFromDisk(file, readOneTime, readRepeating, lastDate);
    ASSERT_EQ(readOneTime.size(), oneTime.size());
    ASSERT_EQ(readRepeating.size(), repeating.size());
    for (std::size_t i = 0; i < oneTime.size(); ++i) {
        ASSERT_EQ(readOneTime[i]->Description, oneTime[i]->Description) << "one-time " << i;
        ASSERT_EQ(readOneTime[i]->SoundFile, oneTime[i]->SoundFile) << "one-time " << i;
        ASSERT_EQ(readOneTime[i]->AlarmTime, oneTime[i]->AlarmTime) << "one-time " << i;
        ASSERT_EQ(readRepeating[i]->Description, repeating[i]->Description) << "repeating " << i;
    }
}

} // namespace
} // namespace nudgeon
