#pragma once
// The program's message box: owned by a window, with the buttons labelled in the current
// language (0 Simplified Chinese, 1 Traditional Chinese, 2 English).  Buttons and results use
// the numbers of link/link_ports.h (MB_OK 0, MB_OKCANCEL 1, MB_YESNO 4; IDOK 1 ... IDNO 7);
// icon bits (0x10 stop, 0x20 question, 0x30 warning, 0x40 information) choose the icon.

#include <QString>

class QWidget;

namespace velto {

// Shows the box and returns the result of the button pressed (Escape gives Cancel or No).
int ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, int style,
                   int languageIndex);

// The label of a result's button in a language.
QString MessageBoxButtonText(int result, int languageIndex);

// 2052 -> 0, 1028 -> 1, anything else -> 2 (English).
int LanguageIndexOfId(int languageId);

}  // namespace velto
