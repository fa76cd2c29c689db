#pragma once
// The skins built into the program: bitmaps (132, 133, 134), PNG skins (136 ... 171) and the
// icon (128).  A missing resource gives a null image; callers then draw without it.

#include <QIcon>
#include <QImage>

namespace velto {

QImage LoadPngResource(int id);
QImage LoadBitmapResource(int id);
QIcon AppIcon();

}  // namespace velto
