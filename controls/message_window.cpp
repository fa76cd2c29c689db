#include "controls/message_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <QTimerEvent>

namespace velto {
namespace {

// Posted messages travel as events so that they keep their order with everything else queued
// for the window.
class NumberedMessageEvent : public QEvent {
  public:
    static QEvent::Type Kind() {
        static const auto kind = static_cast<QEvent::Type>(QEvent::registerEventType());
        return kind;
    }
    NumberedMessageEvent(int message, WParam wParam, LParam lParam)
        : QEvent(Kind()), message_(message), wParam_(wParam), lParam_(lParam) {}
    int message_;
    WParam wParam_;
    LParam lParam_;
};

}  // namespace

MessageWindow::MessageWindow(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {
    // The window draws every pixel itself from an off-screen composition.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

MessageWindow::~MessageWindow() = default;

LResult MessageWindow::Send(int message, WParam wParam, LParam lParam) {
    if (QThread::currentThread() == thread()) return OnMessage(message, wParam, lParam);
    LResult result = 0;
    QMetaObject::invokeMethod(
        this, [&] { result = OnMessage(message, wParam, lParam); }, Qt::BlockingQueuedConnection);
    return result;
}

void MessageWindow::Post(int message, WParam wParam, LParam lParam) {
    QCoreApplication::postEvent(this, new NumberedMessageEvent(message, wParam, lParam));
}

void MessageWindow::SetTimer(int id, int milliseconds) {
    KillTimer(id);
    timers_[id] = startTimer(milliseconds);
}

void MessageWindow::KillTimer(int id) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    killTimer(it->second);
    timers_.erase(it);
}

void MessageWindow::SetCapture() {
    // Only a visible window can hold the pointer; while a button is down Qt already routes
    // every move to the pressed window.
    if (isVisible()) grabMouse();
}

void MessageWindow::ReleaseCapture() {
    if (HasCapture()) releaseMouse();
}

bool MessageWindow::HasCapture() const {
    return QWidget::mouseGrabber() == this;
}

LResult MessageWindow::OnMessage(int, WParam, LParam) {
    return 0;
}

void MessageWindow::OnTimer(int) {}

bool MessageWindow::event(QEvent* event) {
    if (event->type() == NumberedMessageEvent::Kind()) {
        auto* numbered = static_cast<NumberedMessageEvent*>(event);
        OnMessage(numbered->message_, numbered->wParam_, numbered->lParam_);
        return true;
    }
    return QWidget::event(event);
}

void MessageWindow::timerEvent(QTimerEvent* event) {
    for (const auto& [id, qtId] : timers_) {
        if (qtId == event->timerId()) {
            OnTimer(id);
            return;
        }
    }
    QWidget::timerEvent(event);
}

LResult SendMessageTo(QWidget* target, int message, WParam wParam, LParam lParam) {
    auto* window = qobject_cast<MessageWindow*>(target);
    return window ? window->Send(message, wParam, lParam) : 0;
}

void PostMessageTo(QWidget* target, int message, WParam wParam, LParam lParam) {
    if (auto* window = qobject_cast<MessageWindow*>(target)) window->Post(message, wParam, lParam);
}

}  // namespace velto
