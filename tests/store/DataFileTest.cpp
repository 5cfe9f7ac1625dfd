#include "store/DataFile.h"

#include "StoreTestSupport.h"
#include "store/ReminderRecord.h"
#include "store/StoreErrors.h"
#include "store/ValueStream.h"
#include "support/FakeClock.h"

#include <algorithm>
#include <cmath>
#include <csignal>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace nudgeon {
namespace {

using test::Hex;
using test::ReadFileBytes;
using test::ToHex;
using test::WriteFileBytes;

const std::string EmptyFile = Hex("01 03 9A 02 05 00 00 00 00 00 00 00 80 00 40 00 01 00 01 00");

// One one-time reminder, Dentist on 2000-01-15 at 12:00, and no repeating reminder.
const std::string DentistFile = Hex("01 03 9A 02 05 00 00 00 00 00 00 00 80 00 40 00"
                                    "01"
                                    "02 00 02 00"
                                    "05 00 00 00 00 00 80 BC 8E 0E 40"
                                    "05 00 00 00 00 00 00 00 00 00 00"
                                    "05 00 00 00 00 00 00 00 00 00 00"
                                    "08"
                                    "06 07 44 65 6E 74 69 73 74"
                                    "06 00 06 00"
                                    "02 00 02 00 08"
                                    "00 01 00");

std::unique_ptr<TReminder> Dentist()
{
    return TReminder::CreateOneTime(rkOneTime, 36540.5, "Dentist", "", etShowAndPlay);
}

auto Fields(const TReminder& r)
{
    return std::make_tuple(static_cast<int>(r.Kind), static_cast<int>(r.EventType), r.AlarmTime,
                           r.StartTime, r.HasUntil, r.EndTime, r.Description, r.SoundFile,
                           r.DaysSpec, r.RepeatEvery, static_cast<int>(r.Status), r.ReservedFlag);
}

std::string RecordBytes(const TReminder& reminder)
{
    std::ostringstream out;
    OStreamSink sink(out);
    TValueWriter writer(sink);
    reminder.SaveTo(writer);
    writer.Flush();
    return out.str();
}

class DataFileTest : public ::testing::Test {
protected:
    void Load() { LoadFromDisk(file, oneTime, repeating, lastDate); }
    std::vector<std::string> DirectoryEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TempDir dir;
    std::filesystem::path file = dir / "Nudgeon.dat";
    test::FakeClock clock{EncodeDate(2000, 1, 15) + EncodeTime(11, 0)};
    ReminderList oneTime;
    ReminderList repeating;
    TDateTime lastDate = -1;
};

TEST_F(DataFileTest, EmptyListsMakeTheTwentyByteFile)
{
    SaveToDisk(file, oneTime, repeating);
    EXPECT_EQ(ToHex(ReadFileBytes(file)), ToHex(EmptyFile));
}

TEST_F(DataFileTest, ASaveClearsAwayNewFilesAbandonedByEarlierSaves)
{
    // Left by saves killed part-way: one long ago, one that could still be in progress.
    const auto now = std::filesystem::file_time_type::clock::now();
    test::WriteFileBytes(dir / "Nudgeon.dat.new-4711-0", "half a file");
    std::filesystem::last_write_time(dir / "Nudgeon.dat.new-4711-0", now - std::chrono::hours(2));
    test::WriteFileBytes(dir / "Nudgeon.dat.new-4712-0", "being written");
    test::WriteFileBytes(dir / "Other.dat.new-4711-0", "not ours");
    std::filesystem::last_write_time(dir / "Other.dat.new-4711-0", now - std::chrono::hours(2));

    SaveToDisk(file, oneTime, repeating);
    EXPECT_EQ(DirectoryEntries(), (std::vector<std::string>{"Nudgeon.dat", "Nudgeon.dat.new-4712-0",
                                                            "Other.dat.new-4711-0"}));
    EXPECT_EQ(ToHex(ReadFileBytes(file)), ToHex(EmptyFile));
}

TEST_F(DataFileTest, OneReminderIsWrittenByteForByte)
{
    oneTime.push_back(Dentist());
    SaveToDisk(file, oneTime, repeating);
    EXPECT_EQ(ToHex(ReadFileBytes(file)), ToHex(DentistFile));
}

TEST_F(DataFileTest, OneReminderLoadsWithItsStatusWorkedOutAfresh)
{
    const struct {
        TDateTime now;
        TReminderStatus status;
    } cases[] = {
        {EncodeDate(2000, 1, 15) + EncodeTime(11, 0), rsPending},
        {EncodeDate(2000, 1, 16) + EncodeTime(0, 0), rsExpired},
        {EncodeDate(2000, 3, 1) + EncodeTime(9, 0), rsExpired},
        {EncodeDate(2000, 1, 14) + EncodeTime(23, 0), rsNotToday},
    };
    WriteFileBytes(file, DentistFile);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.now);
        clock.Set(c.now);
        Load();
        ASSERT_EQ(oneTime.size(), 1u);
        auto expected = Dentist();
        expected->Status = c.status;
        EXPECT_EQ(Fields(*oneTime[0]), Fields(*expected));
        EXPECT_TRUE(repeating.empty());
        EXPECT_EQ(lastDate, std::trunc(c.now));
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "Nudgeon.dat.damaged"));
}

TEST_F(DataFileTest, AnotherWritersValueFormsLoadLikeOurs)
{
    // The Dentist file with every integer in its 32-bit form, texts in the long form, a float
    // given as an integer, and another signature and version in the header.
    const std::string otherForms = Hex("01 04 01 00 00 00 02 07 00"
                                       "01"
                                       "04 00 00 00 00 03 00 00"
                                       "05 00 00 00 00 00 80 BC 8E 0E 40"
                                       "02 00"
                                       "04 00 00 00 00"
                                       "08"
                                       "0C 07 00 00 00 44 65 6E 74 69 73 74"
                                       "0C 00 00 00 00 06 00"
                                       "04 00 00 00 00 03 00 00 08"
                                       "00 01 00");
    WriteFileBytes(file, otherForms);
    Load();
    ASSERT_EQ(oneTime.size(), 1u);
    auto expected = Dentist();
    expected->UpdateStatus();
    EXPECT_EQ(Fields(*oneTime[0]), Fields(*expected));
    SaveToDisk(file, oneTime, repeating);
    EXPECT_EQ(ToHex(ReadFileBytes(file)), ToHex(DentistFile));
}

TEST_F(DataFileTest, EveryFieldSurvivesASaveAndLoad)
{
    oneTime.push_back(TReminder::CreateOneTime(rkOneTime, EncodeDate(2000, 1, 15) + 0.75,
                                               "Call \xC3\xA9mile \xE2\x82\xAC", "/snd/a.wav",
                                               etShowOnly));
    auto done = TReminder::CreateOneTime(rkRepeating, EncodeDate(1999, 5, 1), std::string(300, 'L'),
                                         "", etNothing);
    done->Status = rsDone;
    done->ReservedFlag = true;
    oneTime.push_back(std::move(done));
    repeating.push_back(TReminder::CreateRepeating(rkRepeating, EncodeTime(12, 0), true,
                                                   EncodeTime(18, 30), "0123456", 90, "Stretch",
                                                   "/snd/b.mid", etPlayOnly));
    repeating.push_back(TReminder::CreateRepeating(rkRepeating, EncodeTime(8, 0), false, 0, "@1500",
                                                   -1, "Rent", "", etShowAndPlay));

    ReminderList expectedOneTime;
    for (const auto& reminder : oneTime) {
        expectedOneTime.push_back(reminder->Clone());
        expectedOneTime.back()->UpdateStatus();
    }
    ReminderList expectedRepeating;
    for (const auto& reminder : repeating) {
        expectedRepeating.push_back(reminder->Clone());
        expectedRepeating.back()->UpdateNextOccurrence();
    }

    SaveToDisk(file, oneTime, repeating);
    Load();
    ASSERT_EQ(oneTime.size(), 2u);
    ASSERT_EQ(repeating.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Fields(*oneTime[i]), Fields(*expectedOneTime[i]));
        EXPECT_EQ(Fields(*repeating[i]), Fields(*expectedRepeating[i]));
    }
    EXPECT_EQ(oneTime[1]->Status, rsDone);
    EXPECT_EQ(oneTime[1]->Kind, rkRepeating);
}

TEST_F(DataFileTest, ARepeatingRemindersStoredAlarmTimeIsIgnored)
{
    auto daily = TReminder::CreateRepeating(rkRepeating, EncodeTime(12, 0), false, 0, "0123456", 0,
                                            "Lunch", "", etShowAndPlay);
    daily->AlarmTime = 12345.5;
    daily->Status = rsDone;
    repeating.push_back(std::move(daily));
    SaveToDisk(file, oneTime, repeating);

    const struct {
        int hour;
        TDateTime alarmTime;
        TReminderStatus status;
    } cases[] = {
        {11, EncodeDate(2000, 1, 15) + EncodeTime(12, 0), rsPending},
        {13, 0, rsNotToday},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hour);
        clock.Set(2000, 1, 15, c.hour);
        Load();
        ASSERT_EQ(repeating.size(), 1u);
        EXPECT_EQ(repeating[0]->AlarmTime, c.alarmTime);
        EXPECT_EQ(repeating[0]->Status, c.status);
    }
}

TEST_F(DataFileTest, EmptySlotsWriteNothing)
{
    oneTime.push_back(Dentist());
    oneTime.push_back(nullptr);
    repeating.push_back(nullptr);
    SaveToDisk(file, oneTime, repeating);
    EXPECT_EQ(ToHex(ReadFileBytes(file)), ToHex(DentistFile));
    Load();
    EXPECT_EQ(oneTime.size(), 1u);
    EXPECT_TRUE(repeating.empty());
}

TEST(LegacyDateTest, OnlyCountsFromYearOneAreConverted)
{
    const struct {
        TDateTime stored;
        TDateTime loaded;
    } cases[] = {
        {729145.75, 35551.75},
        {693594.0, 0.0},
        {600000.5, 600000.5 - 693594},
        {60000.0, 60000.0},
        {60000.5, 60000.5},
        // Dates after 2064 are today's dates, not old ones.
        {EncodeDate(2065, 3, 1) + 0.25, EncodeDate(2065, 3, 1) + 0.25},
        {EncodeDate(2999, 12, 31), EncodeDate(2999, 12, 31)},
        {600000.0, 600000.0},
        {36540.5, 36540.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(ConvertLegacyDate(c.stored), c.loaded);
    }
}

TEST_F(DataFileTest, LegacyAlarmDatesAreConvertedOnLoadOnly)
{
    auto old = TReminder::CreateOneTime(rkOneTime, 729145.75, "Old", "", etShowAndPlay);
    old->StartTime = 0.5;
    oneTime.push_back(std::move(old));
    oneTime.push_back(TReminder::CreateOneTime(rkOneTime, EncodeDate(2070, 6, 1) + 0.5, "Later", "",
                                               etShowAndPlay));
    SaveToDisk(file, oneTime, repeating);
    Load();
    ASSERT_EQ(oneTime.size(), 2u);
    EXPECT_EQ(oneTime[0]->AlarmTime, 35551.75);
    EXPECT_EQ(oneTime[0]->StartTime, 0.5);
    EXPECT_EQ(oneTime[1]->AlarmTime, EncodeDate(2070, 6, 1) + 0.5);
    EXPECT_EQ(oneTime[1]->Status, rsNotToday);
}

TEST_F(DataFileTest, AMissingFileGivesEmptyListsSilently)
{
    oneTime.push_back(Dentist());
    repeating.push_back(Dentist());
    clock.Set(2001, 2, 3, 4, 5);
    EXPECT_NO_THROW(Load());
    EXPECT_TRUE(oneTime.empty());
    EXPECT_TRUE(repeating.empty());
    EXPECT_EQ(lastDate, EncodeDate(2001, 2, 3));
    EXPECT_TRUE(DirectoryEntries().empty());
}

TEST_F(DataFileTest, AHeaderWithAThirdValueEndsTheLoadAndKeepsTheFileAside)
{
    const std::string bytes =
        Hex("01 03 9A 02 05 00 00 00 00 00 00 00 80 00 40 02 01 00") + DentistFile.substr(16);
    WriteFileBytes(file, bytes);
    oneTime.push_back(Dentist());
    try {
        Load();
        ADD_FAILURE() << "the bad header was accepted";
    } catch (const EPropertyError& error) {
        EXPECT_STREQ(error.what(), "Invalid property value");
    }
    EXPECT_TRUE(oneTime.empty());
    EXPECT_TRUE(repeating.empty());
    EXPECT_EQ(lastDate, EncodeDate(2000, 1, 15));
    EXPECT_EQ(ReadFileBytes(dir / "Nudgeon.dat.damaged"), bytes);
    EXPECT_EQ(ReadFileBytes(file), bytes);
}

TEST_F(DataFileTest, AFileCutInsideTheThirdRecordKeepsWhatWasRead)
{
    oneTime.push_back(Dentist());
    oneTime.push_back(TReminder::CreateOneTime(rkOneTime, EncodeDate(2000, 1, 15) + 0.8, "Second",
                                               "", etShowOnly));
    const std::string twoRecords = [&] {
        SaveToDisk(file, oneTime, repeating);
        return ReadFileBytes(file);
    }();
    auto third =
        TReminder::CreateOneTime(rkOneTime, EncodeDate(2000, 1, 20), "Third", "x.wav", etPlayOnly);
    third->HasUntil = true;
    oneTime.push_back(std::move(third));
    SaveToDisk(file, oneTime, repeating);
    // Into the third record up to its Description's length: Kind, EventType, three floats
    // and HasUntil are whole (2 + 2 + 33 + 1 bytes), the text is not.
    const std::size_t thirdStart = twoRecords.size() - 3;
    WriteFileBytes(file, ReadFileBytes(file).substr(0, thirdStart + 40));

    EXPECT_THROW(Load(), EReadError);
    ASSERT_EQ(oneTime.size(), 3u);
    EXPECT_EQ(oneTime[0]->Description, "Dentist");
    EXPECT_EQ(oneTime[1]->Description, "Second");
    EXPECT_EQ(oneTime[1]->Status, rsPending);
    const TReminder& partial = *oneTime[2];
    EXPECT_EQ(partial.EventType, etPlayOnly);
    EXPECT_EQ(partial.AlarmTime, EncodeDate(2000, 1, 20));
    EXPECT_TRUE(partial.HasUntil);
    EXPECT_EQ(partial.Description, "");
    EXPECT_EQ(partial.SoundFile, "");
    EXPECT_EQ(partial.Status, rsNotToday);
    EXPECT_TRUE(repeating.empty());
    EXPECT_TRUE(std::filesystem::exists(dir / "Nudgeon.dat.damaged"));
}

TEST_F(DataFileTest, ABadValueInsideARecordEndsOnlyThatRecord)
{
    auto first = Dentist();
    first->Status = rsDone;
    first->ReservedFlag = true;
    first->RepeatEvery = 7;
    auto second = TReminder::CreateOneTime(rkOneTime, EncodeDate(2000, 1, 15) + 0.9, "Second", "",
                                           etShowOnly);
    second->ReservedFlag = true;
    // The first record's Status holds a Boolean (08) and its ReservedFlag is missing.
    std::string firstRecord = RecordBytes(*first);
    firstRecord.replace(firstRecord.size() - 3, 3, Hex("08"));
    const std::string bytes = EmptyFile.substr(0, 17) + firstRecord + RecordBytes(*second) +
                              Hex("00 01") + RecordBytes(*first) + Hex("00");
    WriteFileBytes(file, bytes);

    EXPECT_NO_THROW(Load());
    ASSERT_EQ(oneTime.size(), 2u);
    EXPECT_EQ(oneTime[0]->RepeatEvery, 7);
    EXPECT_EQ(oneTime[0]->Status, rsPending); // Create's value, worked out afresh
    EXPECT_FALSE(oneTime[0]->ReservedFlag);
    EXPECT_EQ(oneTime[1]->Description, "Second");
    EXPECT_TRUE(oneTime[1]->ReservedFlag);
    ASSERT_EQ(repeating.size(), 1u);
    EXPECT_EQ(repeating[0]->Description, "Dentist");
    EXPECT_EQ(ReadFileBytes(dir / "Nudgeon.dat.damaged"), bytes);
}

TEST_F(DataFileTest, DamagedCopiesAreNumberedAndNotRepeated)
{
    WriteFileBytes(file, "first damage");
    EXPECT_EQ(KeepDamagedCopy(file), dir / "Nudgeon.dat.damaged");
    EXPECT_EQ(KeepDamagedCopy(file), dir / "Nudgeon.dat.damaged");
    WriteFileBytes(file, "second damage");
    EXPECT_EQ(KeepDamagedCopy(file), dir / "Nudgeon.dat.damaged.2");
    WriteFileBytes(file, "third damage");
    EXPECT_EQ(KeepDamagedCopy(file), dir / "Nudgeon.dat.damaged.3");
    EXPECT_EQ(ReadFileBytes(dir / "Nudgeon.dat.damaged"), "first damage");
    EXPECT_EQ(ReadFileBytes(dir / "Nudgeon.dat.damaged.2"), "second damage");
    EXPECT_EQ(DirectoryEntries().size(), 4u);
}

TEST_F(DataFileTest, AFileThatCannotBeCreatedEndsTheSave)
{
    const auto missing = dir / "no such folder" / "Nudgeon.dat";
    try {
        SaveToDisk(missing, oneTime, repeating);
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + missing.string());
    }
}

TEST_F(DataFileTest, ASaveReplacesTheFileWholeAndKeepsItsPermissions)
{
    WriteFileBytes(file, DentistFile);
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    SaveToDisk(file, oneTime, repeating);
    EXPECT_EQ(ReadFileBytes(file), EmptyFile);
#ifndef _WIN32
    // Windows keeps no such bits; WindowsFilesTest checks the attributes kept there.
    EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
#endif
    EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{"Nudgeon.dat"});
}

#ifndef _WIN32
TEST_F(DataFileTest, ADataFileThatIsALinkStaysALink)
{
    WriteFileBytes(dir / "real.dat", DentistFile);
    std::filesystem::create_symlink("real.dat", file);
    SaveToDisk(file, oneTime, repeating);
    EXPECT_TRUE(std::filesystem::is_symlink(file));
    EXPECT_EQ(ReadFileBytes(dir / "real.dat"), EmptyFile);
}

// Lets no file grow past a size, as a full disk does, while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(DataFileTest, ASaveThatFailsHalfWayLeavesTheOldFileAsItWas)
{
    WriteFileBytes(file, DentistFile);
    for (int i = 0; i < 300; ++i)
        oneTime.push_back(TReminder::CreateOneTime(
            rkOneTime, 36540 + i, "Reminder number " + std::to_string(i), "", etShowAndPlay));
    try {
        const FileSizeLimit diskFull(4096);
        SaveToDisk(file, oneTime, repeating);
        ADD_FAILURE() << "the failed write went unnoticed";
    } catch (const EWriteError& error) {
        EXPECT_STREQ(error.what(), "Stream write error");
    }
    EXPECT_EQ(ToHex(ReadFileBytes(file)), ToHex(DentistFile));
    EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{"Nudgeon.dat"});

    // Without the limit the same save goes through.
    SaveToDisk(file, oneTime, repeating);
    Load();
    EXPECT_EQ(oneTime.size(), 300u);
}

#endif

} // namespace
} // namespace nudgeon
