// TValueWriter and TValueReader: the tagged value stream the data file is made of.
//
// Every value is a one-byte tag and its payload; numbers are little-endian. Lists, integers in
// their smallest form, 80-bit floats, Booleans and texts (short up to 255 bytes, else long).
// Texts are UTF-8 in the program and in the system's code page in the stream (SystemTextToUtf8).
#pragma once

#include "store/ByteStreams.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace nudgeon {

enum TValueTag : std::uint8_t {
    TagEndOfList = 0,
    TagList = 1,
    TagInt8 = 2,
    TagInt16 = 3,
    TagInt32 = 4,
    TagExtended = 5,
    TagShortString = 6,
    TagFalse = 8,
    TagTrue = 9,
    TagLongString = 12
};

inline constexpr std::size_t ValueBufferSize = 1000;

// Gathers values in a buffer of ValueBufferSize bytes and hands it to the sink when full.
// Flush() writes out the rest; a writer dropped without it discards its buffer, which is what
// an abandoned save wants. Sink failures come through as EWriteError.
class TValueWriter {
public:
    explicit TValueWriter(ByteSink& sink) : sink_(sink) {}
    TValueWriter(const TValueWriter&) = delete;
    TValueWriter& operator=(const TValueWriter&) = delete;

    void BeginList();
    void EndList();
    // In the smallest of the three integer forms that holds the value.
    void PutInteger(std::int32_t value);
    void PutFloat(double value);
    void PutBoolean(bool value);
    void PutText(std::string_view text);
    void Flush();

private:
    void PutByte(std::uint8_t byte);
    void PutBytes(const std::uint8_t* data, std::size_t size);
    void PutLittleEndian(std::uint32_t value, int byteCount);

    ByteSink& sink_;
    std::array<std::uint8_t, ValueBufferSize> buffer_{};
    std::size_t used_ = 0;
};

// Reads values through a buffer of ValueBufferSize bytes. A value of the wrong kind throws
// EPropertyError ("Invalid property value"); the end of the data inside any value throws
// EReadError ("Stream read error").
class TValueReader {
public:
    explicit TValueReader(ByteSource& source) : source_(source) {}
    TValueReader(const TValueReader&) = delete;
    TValueReader& operator=(const TValueReader&) = delete;

    void ExpectListBegin();
    void ExpectListEnd();
    // Looks at the next tag without taking it.
    bool AtListEnd();
    // Any of the three integer forms, sign-extended.
    std::int32_t GetInteger();
    // An 80-bit float rounded to the nearest double, or an integer in any form.
    double GetFloat();
    // Takes one byte, whatever it is: only TagTrue is True.
    bool GetBoolean();
    std::string GetText();

private:
    std::uint8_t ReadByte();
    std::uint8_t PeekByte();
    void ReadBytes(std::uint8_t* data, std::size_t size);
    // The next `size` bytes, taken where they lie in the buffer; nullptr when they run past it.
    const std::uint8_t* TakeBuffered(std::size_t size);
    std::uint32_t ReadLittleEndian(int byteCount);
    std::int32_t IntegerOfTag(std::uint8_t tag);
    bool Refill();

    ByteSource& source_;
    std::array<std::uint8_t, ValueBufferSize> buffer_{};
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
};

} // namespace nudgeon
