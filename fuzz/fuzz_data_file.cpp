// Fuzz target: LoadFromDisk on any bytes as the data file.
//
// A load may end with one of the reader's own errors, which its callers catch, but never with
// anything else. It keeps every value the format lets it read (checked against an independent
// reading of the same bytes), sets the file aside unchanged when it did not read cleanly, and
// leaves lists that save and load back exactly.
#include "DataFileOracle.h"
#include "FuzzSupport.h"
#include "LoadCheck.h"
#include "model/DateTime.h"
#include "model/Reminder.h"
#include "store/DataFile.h"
#include "store/StoreErrors.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <string>

namespace nudgeon::fuzz {
namespace {

struct Setup {
    ScratchFolder folder;
    Setup()
    {
        // A fixed "now", so that one input always loads the same way.
        const TDateTime now = EncodeDate(2024, 3, 4) + EncodeTime(12, 0);
        SetClock([now] { return now; });
    }
};

// Loads the file; true when the load ended with one of the reader's errors.
bool Load(const std::filesystem::path& file, ReminderList& oneTime, ReminderList& repeating)
{
    TDateTime lastDate = 0;
    try {
        LoadFromDisk(file, oneTime, repeating, lastDate);
    } catch (const EPropertyError&) {
        return true;
    } catch (const EReadError&) {
        return true;
    } catch (const std::exception& error) {
        Fail("the load threw only the reader's errors", __FILE__, __LINE__, error.what());
    }
    FUZZ_CHECK(lastDate == Today());
    return false;
}

void CheckAgainst(const oracle::StoredFile& stored, const ReminderList& oneTime,
                  const ReminderList& repeating, oracle::Direction direction)
{
    const auto wrong = oracle::ListDifferences(stored, oneTime, repeating, direction);
    FUZZ_CHECK_MSG(wrong.empty(), wrong.empty() ? std::string() : wrong.front());
}

// The texts the lists show; a damaged value must not break them.
void ShowTexts(const ReminderList& list)
{
    for (const auto& reminder : list) {
        reminder->WhenText();
        reminder->FirstTimeText();
        reminder->RepeatEveryText();
        reminder->DaysText();
        reminder->StatusText();
    }
}

} // namespace
} // namespace nudgeon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace nudgeon;
    using namespace nudgeon::fuzz;
    static Setup setup;
    setup.folder.Empty();
    const std::filesystem::path file = setup.folder.Path() / "Nudgeon.dat";
    const std::filesystem::path damaged = setup.folder.Path() / "Nudgeon.dat.damaged";
    WriteWholeFile(file, data, size);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const oracle::StoredFile stored = oracle::ReadStoredFile(bytes);

    ReminderList oneTime;
    ReminderList repeating;
    const bool failed = Load(file, oneTime, repeating);
    FUZZ_CHECK(failed == stored.loadFails);
    CheckAgainst(stored, oneTime, repeating, oracle::Direction::Loaded);
    if (stored.clean)
        FUZZ_CHECK(!std::filesystem::exists(damaged));
    else
        FUZZ_CHECK(ReadWholeFile(damaged) == bytes);
    ShowTexts(oneTime);
    ShowTexts(repeating);

    // What was loaded is written whole and reads back without a fault.
    SaveToDisk(file, oneTime, repeating);
    const oracle::StoredFile written = oracle::ReadStoredFile(ReadWholeFile(file));
    FUZZ_CHECK(written.clean);
    CheckAgainst(written, oneTime, repeating, oracle::Direction::Written);
    std::filesystem::remove(damaged);
    ReminderList oneTimeAgain;
    ReminderList repeatingAgain;
    FUZZ_CHECK(!Load(file, oneTimeAgain, repeatingAgain));
    FUZZ_CHECK(!std::filesystem::exists(damaged));
    CheckAgainst(written, oneTimeAgain, repeatingAgain, oracle::Direction::Loaded);
    return 0;
}
