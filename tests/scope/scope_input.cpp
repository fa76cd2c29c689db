#include "scope_input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace velto::test {

namespace {

void Send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

}  // namespace

void Press(QWidget* w, QPoint at, Qt::MouseButton button) {
    Send(w, QEvent::MouseButtonPress, at, button, button);
}

void Move(QWidget* w, QPoint at, Qt::MouseButtons held) {
    Send(w, QEvent::MouseMove, at, Qt::NoButton, held);
}

void Release(QWidget* w, QPoint at, Qt::MouseButton button) {
    Send(w, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

void Key(QWidget* w, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

}  // namespace velto::test
