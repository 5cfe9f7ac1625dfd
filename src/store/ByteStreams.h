// Where a value writer's bytes go and where a value reader's bytes come from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>

namespace nudgeon {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Writes every byte or throws EWriteError.
    virtual void Write(const std::uint8_t* data, std::size_t size) = 0;
};

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to size bytes; fewer only at the end. Throws EReadError when reading fails.
    virtual std::size_t Read(std::uint8_t* data, std::size_t size) = 0;
};

// A sink over an output stream of the standard library (a file or a string).
class OStreamSink : public ByteSink {
public:
    explicit OStreamSink(std::ostream& stream) : stream_(stream) {}
    void Write(const std::uint8_t* data, std::size_t size) override;

private:
    std::ostream& stream_;
};

// A source over an input stream of the standard library (a file or a string).
class IStreamSource : public ByteSource {
public:
    explicit IStreamSource(std::istream& stream) : stream_(stream) {}
    std::size_t Read(std::uint8_t* data, std::size_t size) override;

private:
    std::istream& stream_;
};

} // namespace nudgeon
