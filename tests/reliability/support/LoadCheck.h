// Compares the lists a load produced with the records the data file oracle read from the same
// bytes: every value that could be read is kept, nothing is invented for the rest.
#pragma once

#include "DataFileOracle.h"
#include "model/Reminder.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace nudgeon::oracle {

namespace detail {

// Well-formed UTF-8 by the standard's table (no overlongs, surrogates or values past U+10FFFF).
inline bool WellFormedUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(length) > text.size())
            return false;
        const auto second = static_cast<unsigned char>(text[i + 1]);
        if (second < low || second > high)
            return false;
        for (int k = 2; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
                return false;
        i += static_cast<std::size_t>(length);
    }
    return true;
}

inline std::uint8_t LowByte(const StoredValue& value)
{
    return static_cast<std::uint8_t>(std::get<std::int32_t>(value) & 0xFF);
}

// A text keeps its bytes when they are UTF-8; other bytes (a file from Windows) are decoded
// into UTF-8, each byte becoming one to three.
inline bool TextKept(const std::string& stored, const std::string& loaded)
{
    if (WellFormedUtf8(stored))
        return loaded == stored;
    return WellFormedUtf8(loaded) && loaded.size() >= stored.size() &&
           loaded.size() <= 3 * stored.size();
}

inline bool FloatKept(const StoredValue& value, double loaded, bool legacyDate)
{
    auto expected = ExpectedDouble(std::get<StoredFloat>(value));
    if (!expected)
        return true;
    // Alarm dates above 600000 count from the year 1 and are moved to 1899-12-30.
    if (legacyDate && *expected > 600000)
        *expected -= 693594;
    return SameDouble(*expected, loaded);
}

} // namespace detail

// How the reminders came to be beside the records: loaded from them, or written into them.
enum class Direction { Loaded, Written };

// The fields of the reminder that differ from the record; empty when they all match.
// A load works AlarmTime and Status out afresh, so only what must survive of them is checked
// there: a one-time alarm date read from the file (old dates moved), and a stored Done.
inline std::vector<std::string> Differences(const StoredRecord& record, const TReminder& reminder,
                                            bool oneTime, Direction direction = Direction::Loaded)
{
    const bool written = direction == Direction::Written;
    using namespace detail;
    std::vector<std::string> wrong;
    const auto& v = record.values;
    const auto has = [&](RecordField field) {
        return v.size() > static_cast<std::size_t>(field);
    };
    const auto check = [&](bool ok, const char* field) {
        if (!ok)
            wrong.emplace_back(field);
    };
    check(has(FieldKind) ? reminder.Kind == LowByte(v[FieldKind]) : reminder.Kind == 0, "Kind");
    check(has(FieldEventType) ? reminder.EventType == LowByte(v[FieldEventType])
                              : reminder.EventType == 0,
          "EventType");
    if (oneTime || written)
        check(has(FieldAlarmTime) ? FloatKept(v[FieldAlarmTime], reminder.AlarmTime, !written)
                                  : reminder.AlarmTime == 0,
              "AlarmTime");
    check(has(FieldStartTime) ? FloatKept(v[FieldStartTime], reminder.StartTime, false)
                              : reminder.StartTime == 0,
          "StartTime");
    check(has(FieldEndTime) ? FloatKept(v[FieldEndTime], reminder.EndTime, false)
                            : reminder.EndTime == 0,
          "EndTime");
    check(has(FieldHasUntil) ? reminder.HasUntil == std::get<bool>(v[FieldHasUntil])
                             : !reminder.HasUntil,
          "HasUntil");
    check(has(FieldDescription)
              ? TextKept(std::get<std::string>(v[FieldDescription]), reminder.Description)
              : reminder.Description.empty(),
          "Description");
    check(has(FieldSoundFile)
              ? TextKept(std::get<std::string>(v[FieldSoundFile]), reminder.SoundFile)
              : reminder.SoundFile.empty(),
          "SoundFile");
    check(has(FieldDaysSpec) ? TextKept(std::get<std::string>(v[FieldDaysSpec]), reminder.DaysSpec)
                             : reminder.DaysSpec.empty(),
          "DaysSpec");
    check(has(FieldRepeatEvery)
              ? reminder.RepeatEvery == std::get<std::int32_t>(v[FieldRepeatEvery])
              : reminder.RepeatEvery == 0,
          "RepeatEvery");
    if (written)
        check(has(FieldStatus) && LowByte(v[FieldStatus]) == reminder.Status, "Status");
    else if (oneTime && has(FieldStatus) && LowByte(v[FieldStatus]) == rsDone)
        check(reminder.Status == rsDone, "Status");
    check(has(FieldReservedFlag) ? reminder.ReservedFlag == std::get<bool>(v[FieldReservedFlag])
                                 : !reminder.ReservedFlag,
          "ReservedFlag");
    return wrong;
}

// What is wrong with the loaded lists as a whole; empty when both match the file.
inline std::vector<std::string> ListDifferences(const StoredFile& file, const ReminderList& oneTime,
                                                const ReminderList& repeating,
                                                Direction direction = Direction::Loaded)
{
    std::vector<std::string> wrong;
    const auto compare = [&](const std::vector<StoredRecord>& records, const ReminderList& list,
                             bool isOneTime, const char* name) {
        if (records.size() != list.size()) {
            wrong.push_back(std::string(name) + " list has " + std::to_string(list.size()) +
                            " reminders, the file " + std::to_string(records.size()));
            return;
        }
        for (std::size_t i = 0; i < records.size(); ++i)
            for (const std::string& field : Differences(records[i], *list[i], isOneTime, direction))
                wrong.push_back(std::string(name) + " record " + std::to_string(i) + ": " + field);
    };
    compare(file.oneTime, oneTime, true, "one-time");
    compare(file.repeating, repeating, false, "repeating");
    return wrong;
}

} // namespace nudgeon::oracle
