#include "store/ValueStream.h"

#include "StoreTestSupport.h"
#include "store/StoreErrors.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace nudgeon {
namespace {

using test::Hex;
using test::ToHex;

std::string Written(const std::function<void(TValueWriter&)>& write)
{
    std::ostringstream out;
    OStreamSink sink(out);
    TValueWriter writer(sink);
    write(writer);
    writer.Flush();
    return out.str();
}

// A reader over fixed bytes.
class Reading {
public:
    explicit Reading(std::string bytes) : in_(std::move(bytes)), source_(in_), reader_(source_) {}
    TValueReader& operator*() { return reader_; }
    TValueReader* operator->() { return &reader_; }

private:
    std::istringstream in_;
    IStreamSource source_;
    TValueReader reader_;
};

TEST(ValueWriterTest, IntegersTakeTheSmallestFormAndReadBack)
{
    constexpr auto min32 = std::numeric_limits<std::int32_t>::min();
    const struct {
        std::int32_t value;
        const char* bytes;
    } cases[] = {
        {0, "02 00"},
        {90, "02 5A"},
        {-1, "02 FF"},
        {127, "02 7F"},
        {-128, "02 80"},
        {128, "03 80 00"},
        {200, "03 C8 00"},
        {-129, "03 7F FF"},
        {32767, "03 FF 7F"},
        {-32768, "03 00 80"},
        {32768, "04 00 80 00 00"},
        {70000, "04 70 11 01 00"},
        {-32769, "04 FF 7F FF FF"},
        {min32, "04 00 00 00 80"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const std::string bytes = Written([&](TValueWriter& w) { w.PutInteger(c.value); });
        EXPECT_EQ(ToHex(bytes), ToHex(Hex(c.bytes)));
        Reading reader(bytes);
        EXPECT_EQ(reader->GetInteger(), c.value);
    }
}

TEST(ValueReaderTest, AcceptsEveryIntegerFormForAnyValueAndSignExtends)
{
    const struct {
        const char* bytes;
        std::int32_t value;
    } cases[] = {
        {"04 05 00 00 00", 5}, {"03 05 00", 5},        {"03 FF FF", -1},
        {"02 FE", -2},         {"04 FF FF FF FF", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        Reading reader(Hex(c.bytes));
        EXPECT_EQ(reader->GetInteger(), c.value);
    }
}

TEST(ValueWriterTest, FloatsAreTenByteExtendedValues)
{
    const struct {
        double value;
        const char* bytes;
    } cases[] = {
        {0.0, "05 00 00 00 00 00 00 00 00 00 00"},
        {2.0, "05 00 00 00 00 00 00 00 80 00 40"},
        {36540.5, "05 00 00 00 00 00 80 BC 8E 0E 40"},
        {-1.5, "05 00 00 00 00 00 00 00 C0 FF BF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const std::string bytes = Written([&](TValueWriter& w) { w.PutFloat(c.value); });
        EXPECT_EQ(ToHex(bytes), ToHex(Hex(c.bytes)));
        Reading reader(bytes);
        EXPECT_EQ(reader->GetFloat(), c.value);
    }
}

TEST(ValueReaderTest, FloatInIntegerFormReadsAsItsValue)
{
    Reading reader(Hex("02 05 03 18 FC"));
    EXPECT_EQ(reader->GetFloat(), 5.0);
    EXPECT_EQ(reader->GetFloat(), -1000.0);
}

TEST(ValueWriterTest, TextsUpTo255BytesAreShortLongerOnesLong)
{
    const std::string text255(255, 'a');
    const std::string text256(256, 'b');
    EXPECT_EQ(Written([](TValueWriter& w) { w.PutText(""); }), Hex("06 00"));
    EXPECT_EQ(Written([&](TValueWriter& w) { w.PutText(text255); }), Hex("06 FF") + text255);
    EXPECT_EQ(Written([&](TValueWriter& w) { w.PutText(text256); }),
              Hex("0C 00 01 00 00") + text256);

    Reading reader(Hex("06 FF") + text255 + Hex("0C 00 01 00 00") + text256 +
                   Hex("0C 02 00 00 00") + "hi");
    EXPECT_EQ(reader->GetText(), text255);
    EXPECT_EQ(reader->GetText(), text256);
    EXPECT_EQ(reader->GetText(), "hi");
}

TEST(ValueReaderTest, TextsFromAWindowsSystemAreDecodedAsWindows1252)
{
    // "café" once as UTF-8, once as written by a Windows copy; then "€5" in Windows-1252.
    Reading reader(Hex("06 05 63 61 66 C3 A9 06 04 63 61 66 E9 06 02 80 35"));
    EXPECT_EQ(reader->GetText(), "caf\xC3\xA9");
    EXPECT_EQ(reader->GetText(), "caf\xC3\xA9");
    EXPECT_EQ(reader->GetText(), "\xE2\x82\xAC"
                                 "5");
}

TEST(ValueWriterTest, BooleansAndListMarkers)
{
    const std::string bytes = Written([](TValueWriter& w) {
        w.BeginList();
        w.PutBoolean(true);
        w.PutBoolean(false);
        w.EndList();
    });
    EXPECT_EQ(bytes, Hex("01 09 08 00"));
}

TEST(ValueReaderTest, BooleanPositionTakesOneByteOfAnyValue)
{
    // Only 09 is True; the byte after each Boolean is read as the next value.
    Reading reader(Hex("09 08 02 05 00 09"));
    EXPECT_TRUE(reader->GetBoolean());
    EXPECT_FALSE(reader->GetBoolean());
    EXPECT_FALSE(reader->GetBoolean()); // 02, an integer tag
    EXPECT_FALSE(reader->GetBoolean()); // 05
    EXPECT_FALSE(reader->GetBoolean()); // 00
    EXPECT_TRUE(reader->GetBoolean());
}

TEST(ValueReaderTest, ListMarkers)
{
    Reading reader(Hex("01 00"));
    reader->ExpectListBegin();
    EXPECT_TRUE(reader->AtListEnd());
    EXPECT_TRUE(reader->AtListEnd()); // looking does not consume
    reader->ExpectListEnd();
}

struct ReaderCall {
    const char* name;
    std::function<void(TValueReader&)> call;
};

const std::vector<ReaderCall>& EveryReaderOperation()
{
    static const std::vector<ReaderCall> calls = {
        {"ExpectListBegin",
         [](TValueReader& r) {
             r.ExpectListBegin();
         }},
        {"ExpectListEnd",
         [](TValueReader& r) {
             r.ExpectListEnd();
         }},
        {"AtListEnd",
         [](TValueReader& r) {
             r.AtListEnd();
         }},
        {"GetInteger",
         [](TValueReader& r) {
             r.GetInteger();
         }},
        {"GetFloat",
         [](TValueReader& r) {
             r.GetFloat();
         }},
        {"GetBoolean",
         [](TValueReader& r) {
             r.GetBoolean();
         }},
        {"GetText",
         [](TValueReader& r) {
             r.GetText();
         }},
    };
    return calls;
}

TEST(ValueReaderTest, EveryOperationFailsAtTheEndOfTheData)
{
    for (const auto& operation : EveryReaderOperation()) {
        SCOPED_TRACE(operation.name);
        Reading reader("");
        try {
            operation.call(*reader);
            ADD_FAILURE() << "no error at the end of the data";
        } catch (const EReadError& error) {
            EXPECT_STREQ(error.what(), "Stream read error");
        }
    }
}

TEST(ValueReaderTest, ValuesCutShortFailWithReadError)
{
    const auto getFloat = [](TValueReader& r) {
        r.GetFloat();
    };
    const auto getText = [](TValueReader& r) {
        r.GetText();
    };
    const struct {
        const char* bytes;
        std::function<void(TValueReader&)> call;
    } cases[] = {
        {"03 9A", getFloat},
        {"04 01 02 03", getFloat},
        {"05 00 00 00 00 00 00 00 80 00", getFloat},
        {"06 05 61 62", getText},
        {"0C 01 00", getText},
        // A length no file could hold runs into the end, not out of memory.
        {"0C FF FF FF FF 61", getText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        Reading reader(Hex(c.bytes));
        EXPECT_THROW(c.call(*reader), EReadError);
    }
}

TEST(ValueReaderTest, ValuesOfTheWrongKindAreInvalidPropertyValues)
{
    const struct {
        const char* name;
        const char* bytes;
        std::function<void(TValueReader&)> call;
    } cases[] = {
        {"list begin", "00",
         [](TValueReader& r) {
             r.ExpectListBegin();
         }},
        {"list end", "02 00",
         [](TValueReader& r) {
             r.ExpectListEnd();
         }},
        {"integer from a float", "05 00 00 00 00 00 00 00 80 00 40",
         [](TValueReader& r) {
             r.GetInteger();
         }},
        {"integer from a text", "06 00",
         [](TValueReader& r) {
             r.GetInteger();
         }},
        {"float from a text", "06 00",
         [](TValueReader& r) {
             r.GetFloat();
         }},
        {"float from a Boolean", "09",
         [](TValueReader& r) {
             r.GetFloat();
         }},
        {"text from an integer", "02 05",
         [](TValueReader& r) {
             r.GetText();
         }},
        {"text from tag 7", "07 00",
         [](TValueReader& r) {
             r.GetText();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reading reader(Hex(c.bytes));
        try {
            c.call(*reader);
            ADD_FAILURE() << "accepted";
        } catch (const EPropertyError& error) {
            EXPECT_STREQ(error.what(), "Invalid property value");
        }
    }
}

// Records the size of every write and fails from a chosen write on.
class RecordingSink : public ByteSink {
public:
    explicit RecordingSink(int failFromWrite = -1) : failFromWrite_(failFromWrite) {}
    void Write(const std::uint8_t* data, std::size_t size) override
    {
        if (static_cast<int>(writes.size()) == failFromWrite_)
            throw EWriteError();
        writes.push_back(size);
        bytes.append(reinterpret_cast<const char*>(data), size);
    }
    std::vector<std::size_t> writes;
    std::string bytes;

private:
    int failFromWrite_;
};

TEST(ValueWriterTest, WritesWholeBuffersAndTheRestOnFlushOnly)
{
    RecordingSink sink;
    {
        TValueWriter writer(sink);
        for (int i = 0; i < 250; ++i)
            writer.PutFloat(i); // 11 bytes each: 2750 in all
        EXPECT_EQ(sink.writes, (std::vector<std::size_t>{1000, 1000}));
        writer.Flush();
        writer.Flush();
        EXPECT_EQ(sink.writes, (std::vector<std::size_t>{1000, 1000, 750}));
        writer.PutInteger(1);
    }
    // A writer dropped without Flush() leaves its last bytes unwritten.
    EXPECT_EQ(sink.bytes.size(), 2750u);
}

TEST(ValueWriterTest, AFailingSinkGivesStreamWriteError)
{
    RecordingSink sink(1);
    TValueWriter writer(sink);
    try {
        for (int i = 0; i < 100; ++i)
            writer.PutText(std::string(100, 'x'));
        ADD_FAILURE() << "the failed write went unnoticed";
    } catch (const EWriteError& error) {
        EXPECT_STREQ(error.what(), "Stream write error");
    }
    EXPECT_EQ(sink.writes, (std::vector<std::size_t>{1000}));
}

// Hands out at most a few bytes per read, so values straddle every refill.
class TricklingSource : public ByteSource {
public:
    explicit TricklingSource(std::string bytes) : bytes_(std::move(bytes)) {}
    std::size_t Read(std::uint8_t* data, std::size_t size) override
    {
        const std::size_t n = std::min({size, bytes_.size() - position_, std::size_t{7}});
        std::copy_n(bytes_.data() + position_, n, reinterpret_cast<char*>(data));
        position_ += n;
        return n;
    }

private:
    std::string bytes_;
    std::size_t position_ = 0;
};

TEST(ValueStreamTest, ValuesStraddlingBufferBoundariesReadBackWhole)
{
    const std::string longText(1500, 'q');
    const std::string bytes = Written([&](TValueWriter& w) {
        w.BeginList();
        for (int i = 0; i < 120; ++i) {
            w.PutInteger(i * 1000);
            w.PutFloat(i + 0.25);
            w.PutText(std::string(static_cast<std::size_t>(i), 't'));
        }
        w.PutText(longText);
        w.PutBoolean(true);
        w.EndList();
    });
    for (const bool trickle : {false, true}) {
        SCOPED_TRACE(trickle ? "a few bytes per read" : "whole buffers");
        std::istringstream in(bytes);
        IStreamSource whole(in);
        TricklingSource few(bytes);
        TValueReader reader(trickle ? static_cast<ByteSource&>(few) : whole);
        reader.ExpectListBegin();
        for (int i = 0; i < 120; ++i) {
            ASSERT_EQ(reader.GetInteger(), i * 1000);
            ASSERT_EQ(reader.GetFloat(), i + 0.25);
            ASSERT_EQ(reader.GetText(), std::string(static_cast<std::size_t>(i), 't'));
        }
        EXPECT_EQ(reader.GetText(), longText);
        EXPECT_TRUE(reader.GetBoolean());
        EXPECT_TRUE(reader.AtListEnd());
        reader.ExpectListEnd();
        EXPECT_THROW(reader.AtListEnd(), EReadError);
    }
}

} // namespace
} // namespace nudgeon
