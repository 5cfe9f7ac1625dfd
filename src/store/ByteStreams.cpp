#include "store/ByteStreams.h"

#include "store/StoreErrors.h"

#include <istream>
#include <ostream>

namespace nudgeon {

void OStreamSink::Write(const std::uint8_t* data, std::size_t size)
{
    stream_.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!stream_)
        throw EWriteError();
}

std::size_t IStreamSource::Read(std::uint8_t* data, std::size_t size)
{
    stream_.read(reinterpret_cast<char*>(data), static_cast<std::streamsize>(size));
    if (stream_.bad())
        throw EReadError();
    return static_cast<std::size_t>(stream_.gcount());
}

} // namespace nudgeon
