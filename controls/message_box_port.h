#pragma once
// The link's message boxes on the user-interface thread: a call from the link's thread waits
// until the user has closed the box.

#include <QPointer>
#include <QWidget>

#include "link/link_ports.h"

namespace velto {

class UiMessageBoxPort final : public MessageBoxPort {
  public:
    // `owner` (the main window) owns the boxes and gives the caption when none is passed.
    explicit UiMessageBoxPort(QWidget* owner) : owner_(owner) {}

    int Show(const std::string& text, const std::string& caption, int buttons,
             int languageId) override;

  private:
    QPointer<QWidget> owner_;
};

}  // namespace velto
