#include "link/wifi_request_pass.h"

#include "link/wifi_confirmations.h"

namespace velto {

bool FrameWifiRequestPass::Run(LinkEngine& link) {
    WifiRequestTable& requests = wifi_.requests;
    if (cursor_ >= kWifiEntryCount) cursor_ = 0;
    while (cursor_ < kWifiEntryCount && !requests.Pending(cursor_))
        ++cursor_;
    const bool busy = cursor_ < kWifiEntryCount;
    if (busy && !requests.StepRetry(cursor_)) {
        const std::string text = requests.Text(cursor_);
        const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
        FrameCodec& codec = link.Codec();
        codec.SetWaiting(true);
        codec.SendFrame(Command::WifiText, std::span(bytes, text.size()));
        const bool replied =
            codec.WaitForReply(link.Timing().cycleReplyWaitMs, link.TransportConnected());
        codec.SetWaiting(false);
        if (!replied && !link.TransportConnected()) link.LinkLostNotice();
    }
    ShowWifiConfirmations(requests, [&link](const std::string& text, const std::string& caption) {
        link.ShowMessage(text, caption);
    });
    return busy;
}

}  // namespace velto
