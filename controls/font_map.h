#pragma once
// The program asks for Windows font families by name ("微软雅黑", "宋体", "黑体", "Arial Bold",
// "Arial", "Times New Roman").  This maps them onto installed families so that Chinese texts
// never fall back to boxes, and builds fonts from a family name plus GDI+ style bits.

#include <QFont>
#include <QString>

namespace velto {

// Installs the substitutions once per process; call after the application object exists.
void InstallFontSubstitutions();

// GDI+ style bits: 1 bold, 2 italic, 4 underline, 8 strikeout.  A family named "X Bold" is X
// in bold.  The size is in pixels (at least 1).
QFont MakeFont(const QString& family, double pixelSize, int styleBits = 0);

}  // namespace velto
