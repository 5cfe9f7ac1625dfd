#include "store/DataFile.h"

#include "store/PlatformFiles.h"
#include "store/ProgramDir.h"
#include "store/StoreErrors.h"
#include "store/ValueStream.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

namespace nudgeon {

namespace {

constexpr int MaxDamagedCopies = 1000;
// The data file is read and written in pieces of this size: a long list takes few system calls.
constexpr std::size_t FilePieceSize = 64 * 1024;

// Gathers the value writer's small pieces into large writes to the file.
class GatheringSink : public ByteSink {
public:
    explicit GatheringSink(ByteSink& file) : file_(file) { pending_.reserve(FilePieceSize); }

    void Write(const std::uint8_t* data, std::size_t size) override
    {
        pending_.insert(pending_.end(), data, data + size);
        if (pending_.size() >= FilePieceSize)
            Flush();
    }

    void Flush()
    {
        if (!pending_.empty())
            file_.Write(pending_.data(), pending_.size());
        pending_.clear();
    }

private:
    ByteSink& file_;
    std::vector<std::uint8_t> pending_;
};

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

void RemoveAbandonedSaves(const std::filesystem::path& file)
{
    // Tidying up is a courtesy: it must never turn a save that succeeded into a failure.
    try {
        const std::u8string prefix = file.filename().u8string() + u8".new-";
        const auto cutOff = std::filesystem::file_time_type::clock::now() - AbandonedSaveAge;
        const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
        std::error_code error;
        for (auto entry = std::filesystem::directory_iterator(folder, error);
             !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
            std::error_code ignored;
            if (entry->path().filename().u8string().starts_with(prefix) &&
                entry->is_regular_file(ignored) && entry->last_write_time(ignored) < cutOff)
                std::filesystem::remove(entry->path(), ignored);
        }
    } catch (const std::exception&) {
    }
}

void SaveToDisk(const std::filesystem::path& file, const ReminderList& oneTime,
                const ReminderList& repeating)
{
    ReplacingFile out(file);
    GatheringSink gathered(out);
    TValueWriter writer(gathered);
    writer.BeginList();
    writer.PutInteger(DataFileSignature);
    writer.PutFloat(DataFileVersion);
    writer.EndList();
    WriteList(writer, oneTime);
    WriteList(writer, repeating);
    writer.Flush();
    gathered.Flush();
    out.Commit();
    RemoveAbandonedSaves(file);
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
    std::vector<char> streamBuffer(FilePieceSize);
    std::ifstream in;
    in.rdbuf()->pubsetbuf(streamBuffer.data(), static_cast<std::streamsize>(streamBuffer.size()));
    in.open(file, std::ios::binary);
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
