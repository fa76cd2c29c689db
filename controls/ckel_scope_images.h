#pragma once
// The pictures the response display draws once and reuses: its grid background, the marker
// strip (six animation frames per band), the Q-handle arrows and the "EQ PASS" mark.

#include <QImage>

#include "controls/core/response_model.h"

namespace velto {

inline constexpr int kScopeMarkerCell = 18;
inline constexpr int kScopeMarkerFrames = 6;

// Grid lines, gain labels (+12, 0, -12, -24) and frequency labels on the background colour.
void DrawScopeBackground(QImage& image, const PlotGeometry& geometry);

// 180 x 18 * bandCount: row b holds band b's marker in six frames of 18 x 18.
QImage BuildMarkerStrip(int bandCount);

// 72 x 72: left and right arrows; row 0 normal, row 1 (18 px lower) while held.
QImage BuildQHandleImage();

// 512 x 64: the words "EQ PASS" in translucent dark grey.
QImage BuildEqPassImage();

}  // namespace velto
