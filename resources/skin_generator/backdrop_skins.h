#pragma once
// The large pictures: the main window's skin (bitmap 134), the progress window's empty and full
// bars (bitmaps 132, 133) and the application icon (128).

#include <QImage>

namespace velto::skin {

QImage MainWindowSkin();
QImage ProgressSkin(bool full);
QImage AppIconImage();

}  // namespace velto::skin
