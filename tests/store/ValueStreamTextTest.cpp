// Texts with a letter beyond ASCII at any place: plain ASCII texts are taken as they stand, so
// each of the others must still be told apart and converted.
#include "StoreTestSupport.h"
#include "store/ValueStream.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace nudgeon {
namespace {

TEST(ValueStreamTextTest, ALetterBeyondAsciiIsFoundWhereverItStands)
{
    // Lengths around the eight bytes the ASCII test looks at together.
    for (const std::size_t length : {1u, 7u, 8u, 9u, 15u, 16u, 17u, 40u}) {
        for (std::size_t place = 0; place < length; ++place) {
            SCOPED_TRACE("length " + std::to_string(length) + ", letter at " +
                         std::to_string(place));
            // "é" as a Windows copy of the program writes it, and as this one does.
            std::string windows(length, 'a');
            windows[place] = '\xE9';
            std::string utf8(length, 'a');
            utf8.replace(place, 1, "\xC3\xA9");

            std::ostringstream out;
            OStreamSink sink(out);
            TValueWriter writer(sink);
            writer.PutText(utf8);
            writer.Flush();
            std::istringstream in(test::Hex("06") + static_cast<char>(length) + windows +
                                  out.str());
            IStreamSource source(in);
            TValueReader reader(source);
            EXPECT_EQ(reader.GetText(), utf8);
            EXPECT_EQ(reader.GetText(), utf8);
        }
    }
}

} // namespace
} // namespace nudgeon
