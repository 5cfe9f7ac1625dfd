#include "store/DataFile.h"

#include "store/PlatformFiles.h"
#include "store/ProgramDir.h"
#include "store/StoreErrors.h"
#include "store/ValueStream.h"

#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace nudgeon {

namespace {

constexpr int MaxDamagedCopies = 1000;

void WriteList(TValueWriter& writer, const ReminderList& list)
{
    writer.BeginList();
    for (const auto& reminder : list) {
        if (reminder)
            reminder->SaveTo(writer);
    }
    writer.EndList();
}

void ReadHeader(TValueReader& reader)
{
    // Neither value is checked: any signature and version are accepted.
    reader.ExpectListBegin();
    reader.GetInteger();
    reader.GetFloat();
    reader.ExpectListEnd();
}

// Reads one list; finish runs on each reminder after its record. Returns whether every record
// read cleanly.
template <typename Finish> bool ReadList(TValueReader& reader, ReminderList& list, Finish finish)
{
    bool clean = true;
    reader.ExpectListBegin();
    while (!reader.AtListEnd()) {
        list.push_back(TReminder::Create());
        TReminder& reminder = *list.back();
        try {
            reminder.LoadFrom(reader);
        } catch (const EPropertyError&) {
            clean = false;
        } catch (const EReadError&) {
            clean = false;
        }
        finish(reminder);
    }
    reader.ExpectListEnd();
    return clean;
}

bool ReadLists(TValueReader& reader, ReminderList& oneTime, ReminderList& repeating)
{
    ReadHeader(reader);
    const bool oneTimeClean =
        ReadList(reader, oneTime, [](TReminder& reminder) { reminder.UpdateStatus(); });
    const bool repeatingClean = ReadList(reader, repeating, [](TReminder& reminder) {
        reminder.AlarmTime = 0;
        reminder.UpdateNextOccurrence();
    });
    return oneTimeClean && repeatingClean;
}

std::string ContentsOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::filesystem::path DamagedCopyName(const std::filesystem::path& file, int number)
{
    std::filesystem::path name = file;
    name += ".damaged";
    if (number > 1)
        name += "." + std::to_string(number);
    return name;
}

} // namespace

void SaveToDisk(const std::filesystem::path& file, const ReminderList& oneTime,
                const ReminderList& repeating)
{
    ReplacingFile out(file);
    TValueWriter writer(out);
    writer.BeginList();
    writer.PutInteger(DataFileSignature);
    writer.PutFloat(DataFileVersion);
    writer.EndList();
    WriteList(writer, oneTime);
    WriteList(writer, repeating);
    writer.Flush();
    out.Commit();
}

void LoadFromDisk(const std::filesystem::path& file, ReminderList& oneTime, ReminderList& repeating,
                  TDateTime& lastDate)
{
    lastDate = Today();
    oneTime.clear();
    repeating.clear();
    std::error_code error;
    if (!std::filesystem::exists(file, error) && !error)
        return;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        KeepDamagedCopy(file);
        throw EFOpenError(file.string());
    }
    IStreamSource source(in);
    TValueReader reader(source);
    bool clean = false;
    try {
        clean = ReadLists(reader, oneTime, repeating);
    } catch (const EPropertyError&) {
        KeepDamagedCopy(file);
        throw;
    } catch (const EReadError&) {
        KeepDamagedCopy(file);
        throw;
    }
    if (!clean)
        KeepDamagedCopy(file);
}

void SaveToDisk(const ReminderList& oneTime, const ReminderList& repeating)
{
    SaveToDisk(DataFilePath(), oneTime, repeating);
}

void LoadFromDisk(ReminderList& oneTime, ReminderList& repeating, TDateTime& lastDate)
{
    LoadFromDisk(DataFilePath(), oneTime, repeating, lastDate);
}

std::filesystem::path KeepDamagedCopy(const std::filesystem::path& file)
{
    const std::string contents = ContentsOf(file);
    for (int number = 1; number <= MaxDamagedCopies; ++number) {
        const std::filesystem::path copy = DamagedCopyName(file, number);
        std::error_code error;
        if (std::filesystem::exists(copy, error)) {
            if (ContentsOf(copy) == contents)
                return copy;
            continue;
        }
        if (std::filesystem::copy_file(file, copy, error))
            return copy;
        return {};
    }
    return {};
}

} // namespace nudgeon
