#include "store/Extended.h"

#include "StoreTestSupport.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace nudgeon {
namespace {

ExtendedBytes Make(std::uint64_t significand, unsigned signAndExponent)
{
    ExtendedBytes bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<std::uint8_t>(significand >> (8 * i));
    bytes[8] = static_cast<std::uint8_t>(signAndExponent);
    bytes[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
    return bytes;
}

std::uint64_t Bits(double value)
{
    return std::bit_cast<std::uint64_t>(value);
}

TEST(ExtendedTest, DoublesConvertToTheirExactExtendedForm)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        std::uint64_t significand;
        unsigned signAndExponent;
    } cases[] = {
        {0.0, 0, 0},
        {-0.0, 0, 0x8000},
        {1.0, 0x8000000000000000, 0x3FFF},
        {2.0, 0x8000000000000000, 0x4000},
        {0.75, 0xC000000000000000, 0x3FFE},
        {36540.5, 0x8EBC800000000000, 0x400E},
        {std::numeric_limits<double>::max(), 0xFFFFFFFFFFFFF800, 0x43FE},
        {std::numeric_limits<double>::min(), 0x8000000000000000, 0x3C01},
        // Subnormal doubles are normal extended values.
        {std::numeric_limits<double>::denorm_min(), 0x8000000000000000, 0x3BCD},
        {std::bit_cast<double>(std::uint64_t{0x0000000000000003}), 0xC000000000000000, 0x3BCE},
        {inf, 0x8000000000000000, 0x7FFF},
        {-inf, 0x8000000000000000, 0xFFFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(DoubleToExtended(c.value), Make(c.significand, c.signAndExponent));
        EXPECT_EQ(Bits(ExtendedToDouble(Make(c.significand, c.signAndExponent))), Bits(c.value));
    }
}

TEST(ExtendedTest, EveryDoubleSurvivesTheRoundTrip)
{
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t bits = random();
        const double value = std::bit_cast<double>(bits);
        const double back = ExtendedToDouble(DoubleToExtended(value));
        if (std::isnan(value))
            ASSERT_TRUE(std::isnan(back)) << std::hex << bits;
        else
            ASSERT_EQ(Bits(back), bits) << std::hex << bits;
    }
}

TEST(ExtendedTest, ReadingRoundsToTheNearestDoubleTiesToEven)
{
    // 1.0 carries 11 significand bits more than a double holds; these are the cases at and
    // around the half-way point, and the carry into the next power of two.
    const struct {
        const char* name;
        std::uint64_t significand;
        std::uint64_t expectedBits;
    } cases[] = {
        {"below half", 0x80000000000003FF, 0x3FF0000000000000},
        {"half, even stays", 0x8000000000000400, 0x3FF0000000000000},
        {"above half", 0x8000000000000401, 0x3FF0000000000001},
        {"half, odd rounds up", 0x8000000000000C00, 0x3FF0000000000002},
        {"carry into 2.0", 0xFFFFFFFFFFFFFC00, 0x4000000000000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Bits(ExtendedToDouble(Make(c.significand, 0x3FFF))), c.expectedBits);
    }
}

TEST(ExtendedTest, ValuesOutsideTheDoubleRangeOverflowOrUnderflow)
{
    constexpr std::uint64_t one = 0x8000000000000000;
    const struct {
        const char* name;
        ExtendedBytes bytes;
        std::uint64_t expectedBits;
    } cases[] = {
        {"2^1024 is infinite", Make(one, 0x43FF), 0x7FF0000000000000},
        {"-2^16383 is minus infinity", Make(one, 0xFFFE), 0xFFF0000000000000},
        {"rounding past the largest double", Make(0xFFFFFFFFFFFFFC00, 0x43FE), 0x7FF0000000000000},
        {"2^-1074 is the smallest subnormal", Make(one, 0x3BCD), 0x0000000000000001},
        {"2^-1075 ties to zero", Make(one, 0x3BCC), 0x0000000000000000},
        {"just above 2^-1075 rounds up", Make(one + 1, 0x3BCC), 0x0000000000000001},
        {"1.5 * 2^-1074 ties to 2", Make(0xC000000000000000, 0x3BCD), 0x0000000000000002},
        {"-2^-2000 is minus zero", Make(one, 0x3FFF - 2000 + 0x8000), 0x8000000000000000},
        {"an extended denormal is zero", Make(1, 0), 0x0000000000000000},
        {"subnormal rounding up to the smallest normal", Make(0xFFFFFFFFFFFFFFFF, 0x3C00),
         0x0010000000000000},
        {"unnormal 0.5 * 2^1", Make(0x4000000000000000, 0x4000), 0x3FF0000000000000},
        {"pseudo-zero", Make(0, 0x4000), 0x0000000000000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Bits(ExtendedToDouble(c.bytes)), c.expectedBits);
    }
    EXPECT_TRUE(std::isnan(ExtendedToDouble(Make(0xC000000000000000, 0x7FFF))));
}

// Where long double is the x87 format, the hardware conversion is an independent check.
TEST(ExtendedTest, MatchesTheHardwareWhereLongDoubleIsExtended)
{
    if constexpr (std::numeric_limits<long double>::digits != 64) {
        GTEST_SKIP() << "long double is not the 80-bit format here";
    } else {
        std::mt19937_64 random(7);
        std::uniform_int_distribution<unsigned> exponents(0x3BC0 - 80, 0x43FF + 8);
        for (int i = 0; i < 200000; ++i) {
            // Normal extended values around the whole double range, both signs.
            const std::uint64_t significand = random() | 0x8000000000000000;
            const unsigned signAndExponent = exponents(random) | ((i & 1) ? 0x8000u : 0u);
            const ExtendedBytes bytes = Make(significand, signAndExponent);
            long double hardware = 0;
            std::memcpy(&hardware, bytes.data(), bytes.size());
            ASSERT_EQ(Bits(ExtendedToDouble(bytes)), Bits(static_cast<double>(hardware)))
                << std::hex << significand << ' ' << signAndExponent;

            const double value = std::bit_cast<double>(random());
            if (std::isnan(value))
                continue;
            long double widened = value;
            ExtendedBytes expected{};
            std::memcpy(expected.data(), &widened, expected.size());
            ASSERT_EQ(DoubleToExtended(value), expected) << value;
        }
    }
}

} // namespace
} // namespace nudgeon
