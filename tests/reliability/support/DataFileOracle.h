// What a data file holds, read here from its bytes by the format's own rules and without the
// program's value reader, so that a load can be checked against it.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace nudgeon::oracle {

// The twelve values of a record, in file order.
enum RecordField {
    FieldKind,
    FieldEventType,
    FieldAlarmTime,
    FieldStartTime,
    FieldEndTime,
    FieldHasUntil,
    FieldDescription,
    FieldSoundFile,
    FieldDaysSpec,
    FieldRepeatEvery,
    FieldStatus,
    FieldReservedFlag,
    RecordFieldCount
};

// An 80-bit float as stored, or a float position holding an integer.
struct StoredFloat {
    bool isInteger = false;
    std::int32_t integer = 0;
    std::uint8_t bytes[10] = {};
};

using StoredValue = std::variant<std::int32_t, StoredFloat, bool, std::string>;

struct StoredRecord {
    // The values read before the record ended; all twelve when it is complete.
    std::vector<StoredValue> values;
    bool Complete() const { return values.size() == RecordFieldCount; }
};

struct StoredFile {
    std::vector<StoredRecord> oneTime;
    std::vector<StoredRecord> repeating;
    // The header or a list marker was wrong or missing: the load ends with an error.
    bool loadFails = false;
    // Every record was complete and the load ran to the end.
    bool clean = false;
};

namespace detail {

enum class Stop { None, WrongTag, EndOfData };

class Cursor {
public:
    explicit Cursor(std::string_view bytes) : bytes_(bytes) {}

    std::optional<std::uint8_t> Peek() const
    {
        if (position_ >= bytes_.size())
            return std::nullopt;
        return static_cast<std::uint8_t>(bytes_[position_]);
    }
    std::optional<std::uint8_t> Take()
    {
        auto byte = Peek();
        if (byte)
            ++position_;
        return byte;
    }
    // Consumes what is there even when it is too short, as a reader at the end of a file does.
    std::optional<std::string_view> TakeBytes(std::uint64_t count)
    {
        const std::size_t left = bytes_.size() - position_;
        if (count > left) {
            position_ = bytes_.size();
            return std::nullopt;
        }
        const std::string_view piece = bytes_.substr(position_, static_cast<std::size_t>(count));
        position_ += static_cast<std::size_t>(count);
        return piece;
    }
    std::optional<std::uint32_t> TakeLittleEndian(int count)
    {
        const auto piece = TakeBytes(static_cast<std::uint64_t>(count));
        if (!piece)
            return std::nullopt;
        std::uint32_t value = 0;
        for (int i = count - 1; i >= 0; --i)
            value = (value << 8) | static_cast<std::uint8_t>((*piece)[static_cast<std::size_t>(i)]);
        return value;
    }

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
};

inline std::variant<std::int32_t, Stop> IntegerAfterTag(Cursor& in, std::uint8_t tag)
{
    std::optional<std::uint32_t> bits;
    switch (tag) {
    case 2:
        bits = in.TakeLittleEndian(1);
        return bits ? std::variant<std::int32_t, Stop>(static_cast<std::int8_t>(*bits))
                    : Stop::EndOfData;
    case 3:
        bits = in.TakeLittleEndian(2);
        return bits ? std::variant<std::int32_t, Stop>(static_cast<std::int16_t>(*bits))
                    : Stop::EndOfData;
    case 4:
        bits = in.TakeLittleEndian(4);
        return bits ? std::variant<std::int32_t, Stop>(static_cast<std::int32_t>(*bits))
                    : Stop::EndOfData;
    default:
        return Stop::WrongTag;
    }
}

inline std::variant<StoredValue, Stop> ReadValue(Cursor& in, int field)
{
    const auto tag = in.Take();
    if (!tag)
        return Stop::EndOfData;
    switch (field) {
    case FieldHasUntil:
    case FieldReservedFlag:
        return StoredValue(*tag == 9);
    case FieldAlarmTime:
    case FieldStartTime:
    case FieldEndTime: {
        StoredFloat value;
        if (*tag == 5) {
            const auto payload = in.TakeBytes(10);
            if (!payload)
                return Stop::EndOfData;
            std::memcpy(value.bytes, payload->data(), 10);
            return StoredValue(value);
        }
        const auto integer = IntegerAfterTag(in, *tag);
        if (const auto* stop = std::get_if<Stop>(&integer))
            return *stop;
        value.isInteger = true;
        value.integer = std::get<std::int32_t>(integer);
        return StoredValue(value);
    }
    case FieldDescription:
    case FieldSoundFile:
    case FieldDaysSpec: {
        std::optional<std::uint32_t> length;
        if (*tag == 6)
            length = in.TakeLittleEndian(1);
        else if (*tag == 12)
            length = in.TakeLittleEndian(4);
        else
            return Stop::WrongTag;
        if (!length)
            return Stop::EndOfData;
        const auto text = in.TakeBytes(*length);
        if (!text)
            return Stop::EndOfData;
        return StoredValue(std::string(*text));
    }
    default: {
        const auto integer = IntegerAfterTag(in, *tag);
        if (const auto* stop = std::get_if<Stop>(&integer))
            return *stop;
        return StoredValue(std::get<std::int32_t>(integer));
    }
    }
}

// Reads one list; returns false when the load ends inside it.
inline bool ReadStoredList(Cursor& in, std::vector<StoredRecord>& list, bool& clean)
{
    if (in.Take() != std::optional<std::uint8_t>(1))
        return false;
    for (;;) {
        const auto next = in.Peek();
        if (!next)
            return false;
        if (*next == 0) {
            in.Take();
            return true;
        }
        StoredRecord& record = list.emplace_back();
        for (int field = 0; field < RecordFieldCount; ++field) {
            auto value = ReadValue(in, field);
            if (std::holds_alternative<Stop>(value)) {
                clean = false;
                break;
            }
            record.values.push_back(std::get<StoredValue>(std::move(value)));
        }
    }
}

inline bool ReadStoredHeader(Cursor& in)
{
    if (in.Take() != std::optional<std::uint8_t>(1))
        return false;
    const auto integerTag = in.Take();
    if (!integerTag || !std::holds_alternative<std::int32_t>(IntegerAfterTag(in, *integerTag)))
        return false;
    if (!std::holds_alternative<StoredValue>(ReadValue(in, FieldStartTime)))
        return false;
    return in.Take() == std::optional<std::uint8_t>(0);
}

} // namespace detail

inline StoredFile ReadStoredFile(std::string_view bytes)
{
    StoredFile file;
    detail::Cursor in(bytes);
    bool clean = true;
    file.loadFails = !detail::ReadStoredHeader(in) ||
                     !detail::ReadStoredList(in, file.oneTime, clean) ||
                     !detail::ReadStoredList(in, file.repeating, clean);
    file.clean = clean && !file.loadFails;
    return file;
}

// The double an 80-bit float stands for, worked out by the processor's own extended
// arithmetic; nothing where that is not available or the bytes are no valid extended number
// (unnormals, pseudo-denormals), whose reading the format leaves open.
inline std::optional<double> ExpectedDouble(const StoredFloat& value)
{
    if (value.isInteger)
        return static_cast<double>(value.integer);
#if defined(__x86_64__) || defined(__i386__)
    static_assert(LDBL_MANT_DIG == 64, "x86 long double is the 80-bit format");
    std::uint64_t significand = 0;
    std::memcpy(&significand, value.bytes, 8);
    const unsigned exponent = (value.bytes[8] | (unsigned{value.bytes[9]} << 8)) & 0x7FFFu;
    const bool integerBit = (significand >> 63) != 0;
    if ((exponent != 0) != integerBit)
        return std::nullopt;
    long double extended = 0;
    std::memcpy(&extended, value.bytes, 10);
    if (std::isnan(extended))
        return std::nan("");
    // Past the largest double by half a unit or more rounds to infinity; below that, to it.
    const long double overflow = std::ldexp(1.0L, 1024) - std::ldexp(1.0L, 970);
    if (std::fabs(extended) >= overflow)
        return std::copysign(HUGE_VAL, static_cast<double>(std::signbit(extended) ? -1 : 1));
    if (std::fabs(extended) > DBL_MAX)
        return std::copysign(DBL_MAX, static_cast<double>(std::signbit(extended) ? -1 : 1));
    return static_cast<double>(extended);
#else
    return std::nullopt;
#endif
}

// Equal as stored doubles: the same bits, or both not a number.
inline bool SameDouble(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    std::uint64_t bitsA = 0;
    std::uint64_t bitsB = 0;
    std::memcpy(&bitsA, &a, sizeof a);
    std::memcpy(&bitsB, &b, sizeof b);
    return bitsA == bitsB;
}

} // namespace nudgeon::oracle
