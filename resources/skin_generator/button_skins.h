#pragma once
// Button skins: four frames side by side (normal, selected, hover overlay, disabled overlay).

#include <QImage>

namespace velto::skin {

enum class WindowGlyph { Hide, Maximise, Close };
enum class KeyLook { Dark, Silver, Led };
enum class TabIcon { Music, Mic, Echo, Reverb, Main, Center, Sub, Rear, System };

// Sizes are design units; the images are drawn at kSkinDensity.
QImage WindowButtonSkin(WindowGlyph glyph);
QImage KeySkin(int width, int height, KeyLook look);
QImage TabSkin(TabIcon icon);

}  // namespace velto::skin
