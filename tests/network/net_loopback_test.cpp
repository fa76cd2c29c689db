// The network link's TCP and UDP channels against the simulated module on loopback, connected
// directly to its address (no broadcast or sweep leaves this computer).

#include <gtest/gtest.h>

#include <random>

#include "platform/udp_socket.h"
#include "tests/network/net_link_harness.h"

namespace velto::test {
namespace {

constexpr uint32_t kLoopback = 0x7F000001;

class NetLoopbackTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sim::NetModuleOptions options;
        options.port = 0;
        server = std::make_unique<sim::NetModuleServer>(device, options);
        ASSERT_TRUE(server->Start()) << server->Error();
    }

    NetOptions Direct() const {
        NetOptions options;
        options.directAddress = kLoopback;
        options.modulePort = server->Port();
        options.localUdpPort = 0;
        return options;
    }
    void StartLink(NetOptions options) {
        harness = std::make_unique<NetLinkHarness>(std::move(options));
        harness->Start();
    }
    void Request(int entry, const std::string& text) {
        harness->wifi.requests.SetRequest(entry, text);
        harness->wifi.requests.MarkPending(entry);
    }

    sim::Processor device;
    std::unique_ptr<sim::NetModuleServer> server;
    std::unique_ptr<NetLinkHarness> harness;  // stopped before the server
};

TEST_F(NetLoopbackTest, ConnectsReadsEverythingAndWrites) {
    device.SetValue(250, 777);
    StartLink(Direct());
    ASSERT_TRUE(harness->WaitReady());
    EXPECT_EQ(harness->link->Table().Value(250), 777);
    EXPECT_EQ(harness->notifier.Title(), "Velto-NET");
    EXPECT_TRUE(harness->Writes(device, 264, 540));
    EXPECT_EQ(server->Accepted(), 1);
    // The module now reports this computer as its client.
    EXPECT_EQ(device.Wifi().Settings().linkAddress, kLoopback);
}

TEST_F(NetLoopbackTest, WifiRequestsTravelOverUdpWithTheirTerminator) {
    StartLink(Direct());
    ASSERT_TRUE(harness->WaitReady());
    Request(kWifiGetMode, "Get_WiFiMode:");
    Request(kWifiSetHotSsid, "Set_HotSSID:Party");
    Request(kWifiSetHotPassword, "Set_HotPW:partytime");
    ASSERT_TRUE(WaitFor([&] { return harness->messages.Count("Set Hot:OK") == 1; }));
    EXPECT_TRUE(harness->wifi.requests.Answered(kWifiGetMode));
    EXPECT_EQ(harness->wifi.requests.Value(kWifiGetMode), 1);
    EXPECT_EQ(device.Wifi().Settings().hotSsid, "Party");
    EXPECT_EQ(harness->messages.Shown().back().caption, "WiFi");
    // The UDP channel, not WifiText frames, carried them.
    EXPECT_TRUE(device.ReceivedWith(87).empty());
}

TEST_F(NetLoopbackTest, ReprobesAfterTheModuleDropsTheConnection) {
    StartLink(Direct());
    ExpectReprobeAfterDroppedConnection(*harness, *server, device);
}

TEST_F(NetLoopbackTest, ATakenUdpPortFallsBackToAnEphemeralOneAndSaysSoOnce) {
    UdpSocket holder;
    ASSERT_TRUE(holder.Open());
    ASSERT_EQ(holder.Bind(0, 0), 0);
    NetOptions options = Direct();
    options.localUdpPort = holder.LocalPort();
    StartLink(options);
    ASSERT_TRUE(harness->WaitReady());
    Request(kWifiGetMode, "Get_WiFiMode:");
    ASSERT_TRUE(WaitFor([&] { return harness->wifi.requests.Answered(kWifiGetMode); }));
    EXPECT_NE(harness->transport->UdpPort(), holder.LocalPort());
    ASSERT_EQ(harness->Reports().size(), 1u);
    EXPECT_NE(harness->Reports()[0].find(std::to_string(holder.LocalPort())), std::string::npos);
}

TEST_F(NetLoopbackTest, RandomAndOverLongDatagramsAreSurvived) {
    StartLink(Direct());
    ASSERT_TRUE(harness->WaitReady());
    ASSERT_TRUE(WaitFor([&] { return harness->transport->UdpPort() != 0; }));
    const int lostBefore = harness->notifier.Count(kNoticeLinkState, kStateSearching);
    UdpSocket sender;
    ASSERT_TRUE(sender.Open());
    std::mt19937 random(7);
    std::vector<std::vector<uint8_t>> datagrams;
    for (int i = 0; i < 200; ++i) {
        std::vector<uint8_t> bytes(random() % 1600);
        for (uint8_t& b : bytes)
            b = static_cast<uint8_t>(random());
        datagrams.push_back(std::move(bytes));
    }
    for (const std::string& text :
         {"Get_RouteSSID:" + std::string(4000, 'R'), "Get_HotPW:" + std::string(1490, 'p'),
          std::string("Get_"), "Set_WiFiMode:" + std::string(1600, '\0')})
        datagrams.emplace_back(text.begin(), text.end());
    for (const std::vector<uint8_t>& datagram : datagrams) {
        sender.SendTo(kLoopback, harness->transport->UdpPort(), datagram);
        sender.SendTo(kLoopback, server->Port(), datagram);
    }
    EXPECT_LE(harness->wifi.requests.Text(kWifiGetRouteSsid).size(), kWifiTextLimit);
    EXPECT_TRUE(harness->Writes(device, 400, 4321));
    Request(kWifiGetHotSsid, "Get_HotSSID:");
    ASSERT_TRUE(WaitFor([&] {
        return harness->wifi.requests.Text(kWifiGetHotSsid) ==
               "Get_HotSSID:" + device.Wifi().Settings().hotSsid;
    }));
    EXPECT_EQ(harness->notifier.Count(kNoticeLinkState, kStateSearching), lostBefore);
}

}  // namespace
}  // namespace velto::test
