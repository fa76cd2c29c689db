// The WiFi module's requests on the frame channel: the steady cycle's WifiText step against the
// simulated processor over the in-process wire.  Waits are generous liveness deadlines.

#include "link/wifi_request_pass.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "link/wifi_reply_parser.h"
#include "sim/processor.h"
#include "sim/sim_transport.h"
#include "tests/support/link_recorders.h"

namespace velto::test {
namespace {

constexpr double kTimeScale = 0.25;
constexpr uint8_t kWifiTextCommand = 87;

class WifiRequestPassTest : public ::testing::Test {
  protected:
    void SetUp() override {
        LinkPorts ports;
        ports.transportFor = [this](int) -> Transport* { return &wire; };
        ports.notifier = &notifier;
        ports.progress = &progress;
        ports.messages = &messages;
        ports.wifiRequests = &pass;
        link = std::make_unique<LinkEngine>(ports, kTimeScale);
        HookWifiReplies(link->Codec(), wifi);
        link->StartLink();
        ASSERT_TRUE(WaitFor([&] { return notifier.Count(kNoticeRefreshedAfter) >= 1; }));
    }
    void TearDown() override { link->StopLink(); }

    void Request(int entry, const std::string& text) {
        wifi.requests.SetRequest(entry, text);
        wifi.requests.MarkPending(entry);
    }
    int TimesSent(const std::string& text) const {
        int count = 0;
        for (const sim::ReceivedFrame& frame : device.ReceivedWith(kWifiTextCommand))
            count += std::string(frame.payload.begin(), frame.payload.end()) == text;
        return count;
    }
    sim::WifiSettings Module() { return device.Wifi().Settings(); }

    sim::Processor device;
    sim::SimTransport wire{device};
    RecordingNotifier notifier;
    RecordingProgress progress;
    RecordingMessages messages;
    WifiModuleState wifi;
    FrameWifiRequestPass pass{wifi};
    std::unique_ptr<LinkEngine> link;
};

TEST_F(WifiRequestPassTest, ReadingsComeBackIntoTheTable) {
    for (const int entry : {kWifiGetIp, kWifiGetMode, kWifiGetRouteSsid, kWifiGetHotPassword})
        Request(entry, std::string(WifiReplyPrefix(entry)));
    ASSERT_TRUE(WaitFor([&] { return wifi.requests.Answered(kWifiGetHotPassword); }));
    EXPECT_EQ(static_cast<uint32_t>(wifi.requests.Value(kWifiGetIp)), Module().address);
    EXPECT_EQ(wifi.requests.Value(kWifiGetMode), 1);
    EXPECT_EQ(wifi.requests.Text(kWifiGetRouteSsid), "Get_RouteSSID:" + Module().routeSsid);
    EXPECT_EQ(wifi.requests.Text(kWifiGetHotPassword), "Get_HotPW:" + Module().hotPassword);
    // Sent as the bare text, without a terminator.
    EXPECT_GE(TimesSent("Get_WiFiMode:"), 1);
}

TEST_F(WifiRequestPassTest, StartingTheLinkEmptiesTheRequestTable) {
    ASSERT_TRUE(link->StopLink());
    Request(kWifiSetHotSsid, "Set_HotSSID:Stale");
    link->StartLink();
    EXPECT_FALSE(wifi.requests.Pending(kWifiSetHotSsid));
    EXPECT_EQ(wifi.requests.Text(kWifiSetHotSsid), "");
    ASSERT_TRUE(WaitFor([&] { return notifier.Count(kNoticeRefreshedAfter) >= 2; }));
    // A request raised now still goes out, so the cycle is running.
    Request(kWifiGetMode, "Get_WiFiMode:");
    ASSERT_TRUE(WaitFor([&] { return wifi.requests.Answered(kWifiGetMode); }));
    EXPECT_EQ(TimesSent("Set_HotSSID:Stale"), 0);
}

TEST_F(WifiRequestPassTest, TheRouterIsConfirmedOnlyWhenBothRepliesHaveArrived) {
    Request(kWifiSetRouteSsid, "Set_RouteSSID:HomeNet");
    ASSERT_TRUE(WaitFor([&] { return wifi.requests.Answered(kWifiSetRouteSsid); }));
    EXPECT_EQ(Module().routeSsid, "HomeNet");
    EXPECT_EQ(messages.Count("Set RouteS:OK"), 0);

    Request(kWifiSetRoutePassword, "Set_RoutePW:opensesame");
    ASSERT_TRUE(WaitFor([&] { return messages.Count("Set RouteS:OK") == 1; }));
    EXPECT_EQ(Module().routePassword, "opensesame");
    EXPECT_EQ(messages.Shown().back().caption, "WiFi");
    EXPECT_FALSE(wifi.requests.Answered(kWifiSetRouteSsid));
    EXPECT_FALSE(wifi.requests.Answered(kWifiSetRoutePassword));
}

TEST_F(WifiRequestPassTest, HotSpotAndModeSettingsAreConfirmed) {
    Request(kWifiSetHotSsid, "Set_HotSSID:Karaoke");
    Request(kWifiSetHotPassword, "Set_HotPW:87654321");
    Request(kWifiSetMode, "Set_WiFiMode:2");
    ASSERT_TRUE(WaitFor(
        [&] { return messages.Count("Set Hot:OK") == 1 && messages.Count("WiFiMode:OK") == 1; }));
    EXPECT_EQ(Module().hotSsid, "Karaoke");
    EXPECT_EQ(Module().hotPassword, "87654321");
    EXPECT_EQ(Module().mode, 2);
}

TEST_F(WifiRequestPassTest, AnUnansweredRequestIsDroppedAfterNineSendsAndTheNextIsServed) {
    Request(kWifiGetIp, "Get_Nothing:");  // the module has no answer to this
    Request(kWifiGetMode, "Get_WiFiMode:");
    ASSERT_TRUE(WaitFor([&] { return wifi.requests.Answered(kWifiGetMode); }));
    EXPECT_EQ(TimesSent("Get_Nothing:"), 9);
    EXPECT_FALSE(wifi.requests.Pending(kWifiGetIp));
    EXPECT_FALSE(wifi.requests.Answered(kWifiGetIp));
    EXPECT_EQ(wifi.requests.Retries(kWifiGetIp), 0);
    EXPECT_TRUE(messages.Shown().empty());
}

}  // namespace
}  // namespace velto::test
