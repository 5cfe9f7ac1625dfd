#include "store/ReminderRecord.h"

#include "model/Reminder.h"
#include "store/ValueStream.h"

#include <cstdint>

namespace nudgeon {

TDateTime ConvertLegacyDate(TDateTime stored)
{
    return stored > LegacyDateThreshold ? stored - LegacyDateOffset : stored;
}

// EndTime comes before HasUntil in the record, unlike in the class.
void TReminder::SaveTo(TValueWriter& writer) const
{
    writer.PutInteger(Kind);
    writer.PutInteger(EventType);
    writer.PutFloat(AlarmTime);
    writer.PutFloat(StartTime);
    writer.PutFloat(EndTime);
    writer.PutBoolean(HasUntil);
    writer.PutText(Description);
    writer.PutText(SoundFile);
    writer.PutText(DaysSpec);
    writer.PutInteger(RepeatEvery);
    writer.PutInteger(Status);
    writer.PutBoolean(ReservedFlag);
}

// Each field is set as soon as its value is read, so a record cut short keeps what it had.
void TReminder::LoadFrom(TValueReader& reader)
{
    auto lowByte = [](std::int32_t value) {
        return static_cast<std::uint8_t>(value & 0xFF);
    };
    Kind = static_cast<TReminderKind>(lowByte(reader.GetInteger()));
    EventType = static_cast<TEventType>(lowByte(reader.GetInteger()));
    AlarmTime = ConvertLegacyDate(reader.GetFloat());
    StartTime = reader.GetFloat();
    EndTime = reader.GetFloat();
    HasUntil = reader.GetBoolean();
    Description = reader.GetText();
    SoundFile = reader.GetText();
    DaysSpec = reader.GetText();
    RepeatEvery = reader.GetInteger();
    Status = static_cast<TReminderStatus>(lowByte(reader.GetInteger()));
    ReservedFlag = reader.GetBoolean();
}

} // namespace nudgeon
