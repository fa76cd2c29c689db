#pragma once
// PEQ band types as the processor, the band editor and the response display number them.

namespace velto {

inline constexpr int kHighShelfType = 5;
inline constexpr int kLowShelfType = 6;
// The editor's peaking type; the display draws every type other than the shelves as peaking.
inline constexpr int kPeakingType = 7;

}  // namespace velto
