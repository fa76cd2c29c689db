#pragma once
// A link on the network transport with recording ports, and the checks the loopback and the
// namespace tests share.  Waits are generous liveness deadlines, not timing assertions.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "link/link_engine.h"
#include "link/net_transport.h"
#include "link/wifi_reply_parser.h"
#include "sim/net_module_server.h"
#include "sim/processor.h"
#include "tests/support/link_recorders.h"

namespace velto::test {

inline constexpr double kNetTimeScale = 0.25;

class NetworkSettings final : public SettingsReader {
  public:
    int ReadSettingInt(const std::string&, const std::string& key) override {
        return key == "m_COM_MdoeIO" ? kLinkNetwork : -1;
    }
};

class NetLinkHarness {
  public:
    explicit NetLinkHarness(NetOptions options) {
        options.report = [this](const std::string& notice) {
            std::lock_guard lock(reportsMutex_);
            reports_.push_back(notice);
        };
        transport = std::make_unique<NetTransport>(
            std::move(options), wifi, [this](const std::string& text, const std::string& caption) {
                messages.Show(text, caption, kButtonsOk, 1033);
            });
        LinkPorts ports;
        ports.transportFor = [this](int kind) -> Transport* {
            return kind == kLinkNetwork ? transport.get() : nullptr;
        };
        ports.notifier = &notifier;
        ports.progress = &progress;
        ports.messages = &messages;
        ports.settings = &settings;
        link = std::make_unique<LinkEngine>(ports, kNetTimeScale);
        HookWifiReplies(link->Codec(), wifi);
    }
    ~NetLinkHarness() { link->StopLink(); }

    // Starts the link thread on the calling thread's network namespace.
    void Start() {
        link->StartLink();
        link->Table().SetLinkStarted(true);
    }
    // Connected, fully read and the preset names in.
    bool WaitReady() {
        return WaitFor([&] { return notifier.Count(kNoticeRefreshedAfter) >= 1; }) &&
               WaitFor([&] { return link->Codec().NameReceived(16); });
    }
    // A parameter change reaches the module's processor.
    bool Writes(sim::Processor& device, int slot, int32_t value) {
        link->Table().SetParam(slot, value);
        return WaitFor([&] { return device.Value(slot) == value; });
    }
    std::vector<std::string> Reports() const {
        std::lock_guard lock(reportsMutex_);
        return reports_;
    }

    WifiModuleState wifi;
    RecordingNotifier notifier;
    RecordingProgress progress;
    RecordingMessages messages;
    NetworkSettings settings;
    std::unique_ptr<NetTransport> transport;
    std::unique_ptr<LinkEngine> link;

  private:
    mutable std::mutex reportsMutex_;
    std::vector<std::string> reports_;
};

// The module drops the TCP connection mid-cycle: after the silence limit the link re-probes,
// reconnects and goes on without counting the link as lost.
inline void ExpectReprobeAfterDroppedConnection(NetLinkHarness& harness,
                                                sim::NetModuleServer& server,
                                                sim::Processor& device) {
    ASSERT_TRUE(harness.WaitReady());
    const int lostBefore = harness.notifier.Count(kNoticeLinkState, kStateSearching);
    const int accepted = server.Accepted();
    server.DropClient();
    ASSERT_TRUE(WaitFor([&] { return server.Accepted() > accepted; }));
    EXPECT_TRUE(harness.Writes(device, 300, 0x1234));
    EXPECT_EQ(harness.notifier.Count(kNoticeLinkState, kStateSearching), lostBefore);
    EXPECT_TRUE(harness.link->State().linkUp.load());
}

}  // namespace velto::test
