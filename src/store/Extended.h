// Conversion between doubles and the 80-bit extended floats of the data file.
//
// Done by bit arithmetic rather than through long double, so that it gives the same bytes and
// values where long double is only 64 bits wide.
#pragma once

#include <array>
#include <cstdint>

namespace nudgeon {

// Bytes 0-7: the 64-bit significand with an explicit integer bit; bytes 8-9: sign and the
// exponent biased by 16383. Little-endian.
using ExtendedBytes = std::array<std::uint8_t, 10>;

// Exact: every double has an extended value.
ExtendedBytes DoubleToExtended(double value);
// Rounded to the nearest double, ties to even; too large gives infinity, too small zero.
double ExtendedToDouble(const ExtendedBytes& bytes);

} // namespace nudgeon
