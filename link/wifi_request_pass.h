#pragma once
// The frame channel of the WiFi module: one pending request per steady cycle, sent as a
// WifiText frame and given up after the retry limit.

#include "link/link_engine.h"
#include "link/wifi_module_state.h"

namespace velto {

class FrameWifiRequestPass final : public WifiRequestPass {
  public:
    explicit FrameWifiRequestPass(WifiModuleState& wifi) : wifi_(wifi) {}

    void ResetCursor() override { cursor_ = 0; }
    void ClearRequests() override {
        wifi_.requests.Clear();
        cursor_ = 0;
    }
    bool Run(LinkEngine& link) override;

  private:
    WifiModuleState& wifi_;
    int cursor_ = 0;  // link thread only
};

}  // namespace velto
