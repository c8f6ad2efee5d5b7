#pragma once
// The colours every drawn surface shares, so a window, a notice and a control cannot drift
// apart. COLORREF words: red in the low byte.

#include "platform/colour.h"

namespace ferrox::look {

inline constexpr ColorRef Text = 0xB4B4B4;     // normal text
inline constexpr ColorRef HotText = 0xFFFFFF;  // highlighted text
inline constexpr ColorRef Accent = 0xDEA035;   // the selection blue, #35A0DE
inline constexpr ColorRef Hairline = 0x3A3A3A; // borders
inline constexpr ColorRef Graphite = 0x161616; // window ground
inline constexpr ColorRef Panel = 0x1E1E1E;    // a step lighter than the ground
inline constexpr ColorRef Band = 0x121212;     // title bands

} // namespace ferrox::look
