// Horizontal and vertical placement of a text in its cell or panel.
#pragma once

#include <cstdint>

namespace nudgeon {

enum TAlignment : std::uint8_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum TVertAlignment : std::uint8_t { taTopJustify = 0, taBottomJustify = 1, taMiddle = 2 };

} // namespace nudgeon
