#pragma once
// Alignment flags of labels and buttons: bit 0 centre horizontally, bit 1 right, bit 2 centre
// vertically, bit 3 bottom, bit 5 no wrapping (the text is never clipped).  Higher bits (window
// style bits that owners pass along) are ignored.

namespace velto {

inline constexpr int kAlignCentre = 0x01;
inline constexpr int kAlignRight = 0x02;
inline constexpr int kAlignMiddle = 0x04;
inline constexpr int kAlignBottom = 0x08;
inline constexpr int kAlignNoWrap = 0x20;

// The equivalent Qt text flags.
int QtTextFlags(int alignmentFlags);

}  // namespace velto
