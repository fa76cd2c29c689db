#pragma once
// Shared pieces of the control tests: the application object, an owner window that records
// the numbered messages its children send, and simulated input the test tools lack.

#include <QApplication>
#include <QPoint>
#include <vector>

#include "controls/mem_dc_class.h"
#include "controls/message_window.h"

namespace velto::test {

// The process-wide application on the offscreen platform.
QApplication& App();

struct Received {
    int message;
    WParam wParam;
    LParam lParam;
    bool operator==(const Received&) const = default;
};

// A shown, active top-level window with a plain skin surface that children capture.
class RecordingOwner : public MessageWindow {
  public:
    RecordingOwner();
    std::vector<Received> messages;
    CMemDcClass skin;
    // Delivers posted messages.
    void DrainPosted();

  protected:
    LResult OnMessage(int message, WParam wParam, LParam lParam) override;
};

void Wheel(QWidget* widget, int delta, QPoint at = QPoint(5, 5));

}  // namespace velto::test
