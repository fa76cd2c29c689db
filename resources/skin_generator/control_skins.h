#pragma once
// Skins of the value controls: slider 142, fader 169, band strip 141 and the lists 143 / 168.

#include <QImage>

namespace velto::skin {

QImage SliderSkin();
QImage FaderSkin();
QImage BandStripSkin();
// Two frames side by side (normal, focused); sizes in design units; the arrow button starts at
// design x `arrowLeft`.
QImage ListSkin(int width, int height, int arrowLeft);

}  // namespace velto::skin
