#include "store/Extended.h"

#include <bit>
#include <cstdint>

namespace nudgeon {

namespace {

constexpr int DoubleFractionBits = 52;
constexpr std::uint64_t DoubleFractionMask = (std::uint64_t{1} << DoubleFractionBits) - 1;
constexpr int DoubleExponentBias = 1023;
constexpr std::uint64_t DoubleMaxExponent = 0x7FF;
constexpr std::uint64_t DoubleSignBit = std::uint64_t{1} << 63;
constexpr std::uint64_t DoubleQuietBit = std::uint64_t{1} << 51;

constexpr int ExtendedExponentBias = 16383;
constexpr unsigned ExtendedMaxExponent = 0x7FFF;
constexpr unsigned ExtendedSignBit = 0x8000;
constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63;
// Significand bits below a double's 53.
constexpr int DroppedBits = 11;

ExtendedBytes Pack(std::uint64_t significand, unsigned signAndExponent)
{
    ExtendedBytes bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<std::uint8_t>(significand >> (8 * i));
    bytes[8] = static_cast<std::uint8_t>(signAndExponent);
    bytes[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
    return bytes;
}

// value >> shift, rounded to nearest with ties to even; any shift from 0 up.
std::uint64_t ShiftRightRounded(std::uint64_t value, int shift)
{
    if (shift == 0)
        return value;
    if (shift > 64)
        return 0;
    const std::uint64_t kept = shift == 64 ? 0 : value >> shift;
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    const std::uint64_t rest = value & ((half << 1) - 1);
    if (rest > half || (rest == half && (kept & 1) != 0))
        return kept + 1;
    return kept;
}

double FromBits(std::uint64_t bits)
{
    return std::bit_cast<double>(bits);
}

double InfinityOrNaN(std::uint64_t sign, std::uint64_t significand)
{
    const std::uint64_t fraction = significand & ~IntegerBit;
    if (fraction == 0 && (significand & IntegerBit) != 0)
        return FromBits(sign | (DoubleMaxExponent << DoubleFractionBits));
    // Keep the payload's top bits; the result is always a quiet NaN, as the FPU makes it.
    return FromBits(sign | (DoubleMaxExponent << DoubleFractionBits) | DoubleQuietBit |
                    ((fraction >> DroppedBits) & DoubleFractionMask));
}

} // namespace

ExtendedBytes DoubleToExtended(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const unsigned sign = (bits & DoubleSignBit) != 0 ? ExtendedSignBit : 0u;
    const auto exponent = static_cast<int>((bits >> DoubleFractionBits) & DoubleMaxExponent);
    const std::uint64_t fraction = bits & DoubleFractionMask;

    if (exponent == static_cast<int>(DoubleMaxExponent))
        return Pack(IntegerBit | (fraction << DroppedBits), sign | ExtendedMaxExponent);
    if (exponent == 0 && fraction == 0)
        return Pack(0, sign);
    if (exponent == 0) {
        // A subnormal double is a normal extended: move its leading bit up to bit 63.
        const int shift = std::countl_zero(fraction);
        const int extendedExponent =
            ExtendedExponentBias - DoubleExponentBias + 1 - (shift - DroppedBits);
        return Pack(fraction << shift, sign | static_cast<unsigned>(extendedExponent));
    }
    const int extendedExponent = exponent - DoubleExponentBias + ExtendedExponentBias;
    return Pack(IntegerBit | (fraction << DroppedBits),
                sign | static_cast<unsigned>(extendedExponent));
}

double ExtendedToDouble(const ExtendedBytes& bytes)
{
    std::uint64_t significand = 0;
    for (int i = 7; i >= 0; --i)
        significand = (significand << 8) | bytes[i];
    const unsigned signAndExponent = bytes[8] | (unsigned{bytes[9]} << 8);
    const std::uint64_t sign = (signAndExponent & ExtendedSignBit) != 0 ? DoubleSignBit : 0;
    const auto exponent = static_cast<int>(signAndExponent & ExtendedMaxExponent);

    if (exponent == static_cast<int>(ExtendedMaxExponent))
        return InfinityOrNaN(sign, significand);
    if (significand == 0)
        return FromBits(sign);

    // The value is significand * 2^(e - 16383 - 63), where a zero exponent field counts as 1.
    // Normalising also gives unnormals (integer bit clear) their true value.
    const int leadingZeros = std::countl_zero(significand);
    significand <<= leadingZeros;
    const int unbiased = (exponent == 0 ? 1 : exponent) - ExtendedExponentBias - leadingZeros;
    const int doubleExponent = unbiased + DoubleExponentBias;

    if (doubleExponent >= static_cast<int>(DoubleMaxExponent))
        return FromBits(sign | (DoubleMaxExponent << DoubleFractionBits));
    if (doubleExponent >= 1) {
        // Adding the 53-bit mantissa (with its leading 1) onto exponent - 1 lets a carry
        // from rounding step into the next binade, or into infinity, by itself.
        const std::uint64_t mantissa = ShiftRightRounded(significand, DroppedBits);
        return FromBits(
            sign |
            ((static_cast<std::uint64_t>(doubleExponent - 1) << DoubleFractionBits) + mantissa));
    }
    // Subnormal result: the fraction counts units of 2^-1074; rounding up may reach the
    // smallest normal, whose bits follow on directly.
    const int shift = DroppedBits + 1 - doubleExponent;
    return FromBits(sign | ShiftRightRounded(significand, shift));
}

} // namespace nudgeon
