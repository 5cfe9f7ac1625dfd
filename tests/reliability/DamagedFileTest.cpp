// A corpus of damaged and hostile data files, made here from one good three-record file: each
// loads in well under 100 ms without a crash or a hang, keeps every value the format lets it
// read, runs through a scan of the tick engine, and has its original bytes kept aside before
// the next save replaces it.
#include "DataFileOracle.h"
#include "LoadCheck.h"
#include "ReminderStates.h"
#include "controls/ReminderGridRows.h"
#include "schedule/TickEngine.h"
#include "schedule/TickFakes.h"
#include "store/DataFile.h"
#include "store/StoreTestSupport.h"
#include "support/FakeClock.h"

#include <chrono>
#include <cstdint>
#include <cstring>
#include <exception>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <string>
#include <vector>

namespace nudgeon::test {
namespace {

using Bytes = std::string;

// The good file, written here value by value so that the place of every value is known.
class FileBuilder {
public:
    FileBuilder()
    {
        Append("\x01\x03\x9A\x02\x05\x00\x00\x00\x00\x00\x00\x00\x80\x00\x40\x00\x01");
    }
    void Integer(std::int32_t value)
    {
        Mark();
        bytes_ += '\x04';
        for (int i = 0; i < 4; ++i)
            bytes_ += static_cast<char>(static_cast<std::uint32_t>(value) >> (8 * i));
    }
    void Float(double value)
    {
        Mark();
        // Written through the processor's extended format, apart from the program's writer.
        long double extended = value;
        char payload[10];
        std::memcpy(payload, &extended, 10);
        bytes_ += '\x05';
        bytes_.append(payload, 10);
    }
    void Boolean(bool value)
    {
        Mark();
        bytes_ += value ? '\x09' : '\x08';
    }
    void Text(const std::string& text)
    {
        Mark();
        bytes_ += '\x06';
        bytes_ += static_cast<char>(text.size());
        bytes_ += text;
    }
    void EndOfList(bool openAnother)
    {
        bytes_ += '\x00';
        if (openAnother)
            bytes_ += '\x01';
    }
    void Record(std::int32_t kind, double alarm, double start, double end, const std::string& text,
                const std::string& days, std::int32_t every)
    {
        Integer(kind);
        Integer(etShowAndPlay);
        Float(alarm);
        Float(start);
        Float(end);
        Boolean(every != 0);
        Text(text);
        Text(text + ".wav");
        Text(days);
        Integer(every);
        Integer(rsPending);
        Boolean(false);
    }

    const Bytes& Result() const { return bytes_; }
    // Where value `field` of record `record` (counted over both lists) begins: its tag.
    std::size_t Offset(int record, int field) const
    {
        return offsets_[static_cast<std::size_t>(record * oracle::RecordFieldCount + field)];
    }

private:
    void Mark() { offsets_.push_back(bytes_.size()); }
    void Append(const char (&literal)[18]) { bytes_.append(literal, 17); }

    Bytes bytes_;
    std::vector<std::size_t> offsets_;
};

// Two one-time reminders on the test's day and one repeating reminder every 45 minutes.
FileBuilder GoodFile()
{
    FileBuilder file;
    const double day = EncodeDate(2024, 3, 4);
    file.Record(rkOneTime, day + 0.5, 0, 0, "Dentist", "", 0);
    file.Record(rkOneTime, day + 0.75, 0, 0, "Call Anna", "", 0);
    file.EndOfList(true);
    file.Record(rkRepeating, 0, 0.375, 0.75, "Stretch", "12345", 45);
    file.EndOfList(false);
    return file;
}

struct DamagedFile {
    std::string name;
    Bytes bytes;
};

Bytes WithBytes(Bytes bytes, std::size_t at, const Bytes& replacement)
{
    bytes.replace(at, replacement.size(), replacement);
    return bytes;
}

Bytes LittleEndian(std::uint32_t value)
{
    Bytes bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(value >> (8 * i));
    return bytes;
}

Bytes ExtendedBits(std::uint64_t significand, std::uint16_t signAndExponent)
{
    Bytes bytes = "\x05";
    for (int i = 0; i < 8; ++i)
        bytes += static_cast<char>(significand >> (8 * i));
    bytes += static_cast<char>(signAndExponent & 0xFF);
    bytes += static_cast<char>(signAndExponent >> 8);
    return bytes;
}

std::vector<DamagedFile> DamagedCorpus()
{
    const FileBuilder good = GoodFile();
    const Bytes& bytes = good.Result();
    std::vector<DamagedFile> corpus;
    for (std::size_t size = 0; size < bytes.size(); ++size)
        corpus.push_back({"cut at " + std::to_string(size), bytes.substr(0, size)});
    for (std::size_t at = 0; at < bytes.size(); ++at)
        for (const char tag : {'\x07', '\x0A', '\xFF'})
            corpus.push_back({"byte " + std::to_string(at) + " = tag " +
                                  std::to_string(static_cast<unsigned char>(tag)),
                              WithBytes(bytes, at, Bytes(1, tag))});

    const int texts[] = {oracle::FieldDescription, oracle::FieldSoundFile, oracle::FieldDaysSpec};
    for (int record = 0; record < 3; ++record) {
        for (const int field : texts) {
            const std::size_t at = good.Offset(record, field);
            const std::string where =
                " in record " + std::to_string(record) + " field " + std::to_string(field);
            corpus.push_back(
                {"short length past the end" + where, WithBytes(bytes, at, Bytes("\x06\xFF", 2))});
            // A long text cut off where its length says it goes on.
            for (const std::uint32_t length : {0x10000u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu})
                corpus.push_back(
                    {"long length " + std::to_string(length) + where,
                     bytes.substr(0, at) + "\x0C" + LittleEndian(length) + bytes.substr(at + 2)});
        }
        const struct {
            const char* name;
            std::uint64_t significand;
            std::uint16_t exponent;
        } floats[] = {
            {"+inf", 0x8000000000000000ull, 0x7FFF},
            {"-inf", 0x8000000000000000ull, 0xFFFF},
            {"quiet NaN", 0xC000000000000000ull, 0x7FFF},
            {"signalling NaN", 0x8000000000000001ull, 0x7FFF},
            {"pseudo-NaN", 0x0000000000000001ull, 0x7FFF},
            {"denormal", 0x0000000000000001ull, 0x0000},
            {"pseudo-denormal", 0x8000000000000000ull, 0x0000},
            {"unnormal", 0x4000000000000000ull, 0x4000},
            {"past the largest double", 0xFFFFFFFFFFFFFFFFull, 0x43FE},
            {"below the smallest double", 0x8000000000000000ull, 0x3B00},
            {"-2^16000", 0x8000000000000000ull, 0xFE7F},
        };
        for (const int field :
             {oracle::FieldAlarmTime, oracle::FieldStartTime, oracle::FieldEndTime})
            for (const auto& value : floats)
                corpus.push_back({std::string(value.name) + " in record " + std::to_string(record) +
                                      " field " + std::to_string(field),
                                  WithBytes(bytes, good.Offset(record, field),
                                            ExtendedBits(value.significand, value.exponent))});
        for (const std::int32_t every : {-1, -45, INT32_MIN, 1, INT32_MAX, 1000000000})
            corpus.push_back(
                {"RepeatEvery " + std::to_string(every) + " in record " + std::to_string(record),
                 WithBytes(bytes, good.Offset(record, oracle::FieldRepeatEvery),
                           "\x04" + LittleEndian(static_cast<std::uint32_t>(every)))});
        for (const int field : {oracle::FieldKind, oracle::FieldEventType, oracle::FieldStatus})
            for (const std::uint32_t value : {4u, 5u, 77u, 200u, 255u, 256u + 3u, 0xFFFFFF01u})
                corpus.push_back(
                    {"value " + std::to_string(value) + " in record " + std::to_string(record) +
                         " field " + std::to_string(field),
                     WithBytes(bytes, good.Offset(record, field), "\x04" + LittleEndian(value))});
    }
    return corpus;
}

// Loads the file as start-up does, then runs the lists through one scan.
void LoadAndScan(const std::filesystem::path& file)
{
    DataFileEngine run(file);
    run.engine.Reload();
    for (int tick = 0; tick < TickEngine::TicksPerScan; ++tick)
        run.engine.Timer1Timer();
    for (const ReminderGridRows* grid : {&run.alarmGrid, &run.repeatingAlarmGrid})
        for (const auto& reminder : grid->Reminders()) {
            reminder->WhenText();
            reminder->FirstTimeText();
            reminder->RepeatEveryText();
            reminder->DaysText();
            reminder->StatusText();
        }
}

TEST(DamagedFiles, EachLoadsQuicklyKeepsWhatCanBeReadAndIsKeptAside)
{
    // 2024-03-04 13:00, after the first reminder and before the second.
    FakeClock clock(EncodeDate(2024, 3, 4) + EncodeTime(13, 0));
    TempDir folder;
    const std::filesystem::path file = folder / "Nudgeon.dat";
    const std::filesystem::path aside = folder / "Nudgeon.dat.damaged";
    const std::vector<DamagedFile> corpus = DamagedCorpus();
    double slowest = 0;
    int damaged = 0;

    for (const DamagedFile& sample : corpus) {
        SCOPED_TRACE(sample.name);
        std::filesystem::remove(aside);
        WriteFileBytes(file, sample.bytes);
        const oracle::StoredFile stored = oracle::ReadStoredFile(sample.bytes);

        const auto began = std::chrono::steady_clock::now();
        ReminderList oneTime;
        ReminderList repeating;
        TDateTime lastDate = 0;
        bool failed = false;
        try {
            LoadFromDisk(file, oneTime, repeating, lastDate);
        } catch (const std::exception&) {
            failed = true; // start-up and the reload catch it, keeping what was read
        }
        WriteFileBytes(file, sample.bytes);
        std::filesystem::remove(aside);
        LoadAndScan(file);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - began;
        slowest = std::max(slowest, took.count());
        EXPECT_LT(took.count(), 100.0);

        EXPECT_EQ(failed, stored.loadFails);
        for (const std::string& wrong : oracle::ListDifferences(stored, oneTime, repeating))
            ADD_FAILURE() << wrong;
        // What cannot be read cleanly is kept aside before the next save replaces it.
        SaveToDisk(file, oneTime, repeating);
        if (stored.clean) {
            EXPECT_FALSE(std::filesystem::exists(aside));
        } else {
            ++damaged;
            EXPECT_TRUE(ReadFileBytes(aside) == sample.bytes) << "the copy aside differs";
        }
    }
    EXPECT_GT(damaged, static_cast<int>(corpus.size()) / 4);
    std::cout << "[ damaged  ] " << corpus.size() << " files (" << damaged
              << " kept aside as damaged), slowest load and scan " << slowest << " ms\n";
}

} // namespace
} // namespace nudgeon::test
