#include "store/ValueStream.h"

#include "store/Extended.h"
#include "store/PlatformFiles.h"
#include "store/StoreErrors.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace nudgeon {

namespace {

constexpr std::size_t ShortStringMax = 255;

bool Fits(std::int32_t value, std::int32_t low, std::int32_t high)
{
    return value >= low && value <= high;
}

bool IsAscii(std::string_view text)
{
    // Eight bytes at a time: texts are read and written by the hundred thousand.
    constexpr std::uint64_t HighBits = 0x8080808080808080u;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + i, 8);
        if ((word & HighBits) != 0)
            return false;
    }
    unsigned char bits = 0;
    for (; i < text.size(); ++i)
        bits |= static_cast<unsigned char>(text[i]);
    return bits < 0x80;
}

} // namespace

// --- TValueWriter ------------------------------------------------------------

void TValueWriter::BeginList()
{
    PutByte(TagList);
}

void TValueWriter::EndList()
{
    PutByte(TagEndOfList);
}

void TValueWriter::PutInteger(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    if (Fits(value, std::numeric_limits<std::int8_t>::min(),
             std::numeric_limits<std::int8_t>::max())) {
        PutByte(TagInt8);
        PutLittleEndian(bits, 1);
    } else if (Fits(value, std::numeric_limits<std::int16_t>::min(),
                    std::numeric_limits<std::int16_t>::max())) {
        PutByte(TagInt16);
        PutLittleEndian(bits, 2);
    } else {
        PutByte(TagInt32);
        PutLittleEndian(bits, 4);
    }
}

void TValueWriter::PutFloat(double value)
{
    PutByte(TagExtended);
    const ExtendedBytes bytes = DoubleToExtended(value);
    PutBytes(bytes.data(), bytes.size());
}

void TValueWriter::PutBoolean(bool value)
{
    PutByte(value ? TagTrue : TagFalse);
}

void TValueWriter::PutText(std::string_view text)
{
    // Plain ASCII is the same in every code page: most texts need no converted copy.
    const bool ascii = IsAscii(text);
    const std::string converted = ascii ? std::string() : Utf8ToSystemText(text);
    const std::string_view bytes = ascii ? text : std::string_view(converted);
    if (bytes.size() <= ShortStringMax) {
        PutByte(TagShortString);
        PutLittleEndian(static_cast<std::uint32_t>(bytes.size()), 1);
    } else {
        PutByte(TagLongString);
        PutLittleEndian(static_cast<std::uint32_t>(bytes.size()), 4);
    }
    PutBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

void TValueWriter::Flush()
{
    if (used_ == 0)
        return;
    // Emptied first, so that a failed write is not written again by a later flush.
    const std::size_t size = used_;
    used_ = 0;
    sink_.Write(buffer_.data(), size);
}

void TValueWriter::PutByte(std::uint8_t byte)
{
    PutBytes(&byte, 1);
}

void TValueWriter::PutBytes(const std::uint8_t* data, std::size_t size)
{
    // Most values fit in the buffer as it is.
    if (size <= buffer_.size() - used_) {
        std::memcpy(buffer_.data() + used_, data, size);
        used_ += size;
        return;
    }
    while (size > 0) {
        if (used_ == buffer_.size())
            Flush();
        const std::size_t chunk = std::min(size, buffer_.size() - used_);
        std::memcpy(buffer_.data() + used_, data, chunk);
        used_ += chunk;
        data += chunk;
        size -= chunk;
    }
}

void TValueWriter::PutLittleEndian(std::uint32_t value, int byteCount)
{
    std::array<std::uint8_t, 4> bytes{};
    for (int i = 0; i < byteCount; ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    PutBytes(bytes.data(), static_cast<std::size_t>(byteCount));
}

// --- TValueReader ------------------------------------------------------------

void TValueReader::ExpectListBegin()
{
    if (ReadByte() != TagList)
        throw EPropertyError();
}

void TValueReader::ExpectListEnd()
{
    if (ReadByte() != TagEndOfList)
        throw EPropertyError();
}

bool TValueReader::AtListEnd()
{
    return PeekByte() == TagEndOfList;
}

std::int32_t TValueReader::GetInteger()
{
    return IntegerOfTag(ReadByte());
}

double TValueReader::GetFloat()
{
    const std::uint8_t tag = ReadByte();
    if (tag != TagExtended)
        return IntegerOfTag(tag);
    ExtendedBytes bytes{};
    if (const std::uint8_t* buffered = TakeBuffered(bytes.size()))
        std::memcpy(bytes.data(), buffered, bytes.size());
    else
        ReadBytes(bytes.data(), bytes.size());
    return ExtendedToDouble(bytes);
}

bool TValueReader::GetBoolean()
{
    return ReadByte() == TagTrue;
}

std::string TValueReader::GetText()
{
    std::uint32_t length = 0;
    switch (ReadByte()) {
    case TagShortString:
        length = ReadLittleEndian(1);
        break;
    case TagLongString:
        length = ReadLittleEndian(4);
        break;
    default:
        throw EPropertyError();
    }
    // Read in pieces rather than trusting a length from a possibly damaged file with one
    // large allocation: a false length runs into the end of the file first.
    std::string bytes;
    while (length > 0) {
        if (position_ == filled_ && !Refill())
            throw EReadError();
        const auto size = std::min<std::size_t>(length, filled_ - position_);
        bytes.append(reinterpret_cast<const char*>(buffer_.data() + position_), size);
        position_ += size;
        length -= static_cast<std::uint32_t>(size);
    }
    // Plain ASCII is the same in every code page: most texts are taken as read, uncopied.
    if (IsAscii(bytes))
        return bytes;
    return SystemTextToUtf8(bytes);
}

std::int32_t TValueReader::IntegerOfTag(std::uint8_t tag)
{
    switch (tag) {
    case TagInt8:
        return static_cast<std::int8_t>(ReadLittleEndian(1));
    case TagInt16:
        return static_cast<std::int16_t>(ReadLittleEndian(2));
    case TagInt32:
        return static_cast<std::int32_t>(ReadLittleEndian(4));
    default:
        throw EPropertyError();
    }
}

bool TValueReader::Refill()
{
    position_ = 0;
    filled_ = source_.Read(buffer_.data(), buffer_.size());
    return filled_ > 0;
}

std::uint8_t TValueReader::PeekByte()
{
    if (position_ == filled_ && !Refill())
        throw EReadError();
    return buffer_[position_];
}

std::uint8_t TValueReader::ReadByte()
{
    const std::uint8_t byte = PeekByte();
    ++position_;
    return byte;
}

void TValueReader::ReadBytes(std::uint8_t* data, std::size_t size)
{
    if (const std::uint8_t* buffered = TakeBuffered(size)) {
        std::memcpy(data, buffered, size);
        return;
    }
    while (size > 0) {
        if (position_ == filled_ && !Refill())
            throw EReadError();
        const std::size_t chunk = std::min(size, filled_ - position_);
        std::memcpy(data, buffer_.data() + position_, chunk);
        position_ += chunk;
        data += chunk;
        size -= chunk;
    }
}

const std::uint8_t* TValueReader::TakeBuffered(std::size_t size)
{
    // Most values lie whole in the buffer.
    if (size > filled_ - position_)
        return nullptr;
    const std::uint8_t* data = buffer_.data() + position_;
    position_ += size;
    return data;
}

std::uint32_t TValueReader::ReadLittleEndian(int byteCount)
{
    std::array<std::uint8_t, 4> bytes{};
    const std::uint8_t* data = TakeBuffered(static_cast<std::size_t>(byteCount));
    if (data == nullptr) {
        ReadBytes(bytes.data(), static_cast<std::size_t>(byteCount));
        data = bytes.data();
    }
    std::uint32_t value = 0;
    for (int i = byteCount - 1; i >= 0; --i)
        value = (value << 8) | data[i];
    return value;
}

} // namespace nudgeon
