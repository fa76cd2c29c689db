#pragma once
// The link's progress window: CJinDuTiao driven from any thread.  Calls from the link's thread
// are queued to the user-interface thread in order, so the window is only ever drawn there.

#include "controls/cjindutiao.h"
#include "link/link_ports.h"

namespace velto {

class UiProgressWindow final : public ProgressWindow {
  public:
    explicit UiProgressWindow(CJinDuTiao& window) : window_(window) {}

    void Show() override;
    void Hide() override;
    void SetMaximum(int maximum) override;
    void SetPosition(int position) override;
    void SetCaption(const std::string& format) override;

  private:
    CJinDuTiao& window_;
};

}  // namespace velto
