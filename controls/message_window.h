#pragma once
// Windows that talk to each other with numbered messages, as the rest of the program expects:
// Send runs the receiver's handler before returning (blocking when called from another thread),
// Post queues it behind the events already waiting.  Also timers by id, mouse capture and the
// paint attributes every skinned window shares (no background erase, opaque painting).

#include <QWidget>
#include <cstdint>
#include <map>

namespace velto {

using WParam = std::intptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

class MessageWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MessageWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~MessageWindow() override;

    // Synchronous: on the window's own thread the handler runs directly; from any other
    // thread the caller waits until the window's thread has run it.
    LResult Send(int message, WParam wParam, LParam lParam);
    // Queued: returns at once; the handler runs later on the window's thread.
    void Post(int message, WParam wParam, LParam lParam);

    // Win32-style timers: OnTimer(id) fires every `milliseconds` until KillTimer(id).
    void SetTimer(int id, int milliseconds);
    void KillTimer(int id);

    void SetCapture();
    void ReleaseCapture();
    bool HasCapture() const;

    // Control ID: the number of the messages this window sends its parent.
    int ControlId() const { return controlId_; }
    void SetControlId(int id) { controlId_ = id; }

  protected:
    // Numbered-message handler; the default ignores the message and returns 0.
    virtual LResult OnMessage(int message, WParam wParam, LParam lParam);
    virtual void OnTimer(int id);

    bool event(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    int controlId_ = 0;
    std::map<int, int> timers_;  // our id -> Qt timer id
};

// Message delivery to any widget: a MessageWindow handles it, other widgets ignore it (0).
LResult SendMessageTo(QWidget* target, int message, WParam wParam, LParam lParam);
void PostMessageTo(QWidget* target, int message, WParam wParam, LParam lParam);

}  // namespace velto
