#pragma once
// Mouse input delivered straight to a widget, with the button state a real drag carries.

#include <QPoint>

class QWidget;

namespace velto::test {

void Press(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void Move(QWidget* w, QPoint at, Qt::MouseButtons held = Qt::LeftButton);
void Release(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void Key(QWidget* w, int key);

}  // namespace velto::test
