#pragma once
// Link ports for programs that run the link without a window: no progress shown, and every
// message box answered with OK as though the user had closed it at once.

#include <string>

#include "link/link_ports.h"

namespace velto {

class NullProgressWindow final : public ProgressWindow {
  public:
    void Show() override {}
    void Hide() override {}
    void SetMaximum(int) override {}
    void SetPosition(int) override {}
    void SetCaption(const std::string&) override {}
};

class NullMessageBox final : public MessageBoxPort {
  public:
    int Show(const std::string&, const std::string&, int, int) override { return kResultOk; }
};

}  // namespace velto
