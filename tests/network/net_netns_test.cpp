// Discovery across a real interface: the simulated module and the link in two network
// namespaces joined by a veth pair, with the module's default port 1010.  Broadcast and sweep
// stay inside those namespaces; without root the tests are skipped.

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/tcp_socket.h"
#include "tests/network/net_link_harness.h"
#include "tests/network/netns.h"

namespace velto::test {
namespace {

constexpr uint32_t kSecondModuleAddress = 0x0AD50003;  // 10.213.0.3
constexpr uint32_t kOtherClientAddress = 0x0AD50009;   // 10.213.0.9, another computer

struct Module {
    sim::Processor device;
    std::unique_ptr<sim::NetModuleServer> server;
};

class NetNamespaceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string whyNot;
        network = TestNetwork::Create(whyNot);
        if (!network) GTEST_SKIP() << whyNot;
    }
    void TearDown() override {
        harness.reset();  // the link stops before the modules and the namespaces go
        modules.clear();
        network.reset();
    }

    Module& AddModule(uint32_t address) {
        auto module = std::make_unique<Module>();
        sim::NetModuleOptions options;
        options.address = address;
        options.hearBroadcasts = true;
        module->server = std::make_unique<sim::NetModuleServer>(module->device, options);
        bool started = false;
        EXPECT_TRUE(network->InModuleNamespace([&] { started = module->server->Start(); }));
        EXPECT_TRUE(started) << module->server->Error();
        modules.push_back(std::move(module));
        return *modules.back();
    }

    NetOptions Discovery() const {
        NetOptions options;
        options.sweepInterface = network->LinkInterface();
        return options;
    }
    void StartLink(NetOptions options) {
        harness = std::make_unique<NetLinkHarness>(std::move(options));
        ASSERT_TRUE(network->InLinkNamespace([&] { harness->Start(); }));
    }
    bool Connected() const {
        return harness->notifier.Count(kNoticeLinkState, kStateConnected) > 0;
    }

    std::unique_ptr<TestNetwork> network;
    std::vector<std::unique_ptr<Module>> modules;
    std::unique_ptr<NetLinkHarness> harness;
};

TEST_F(NetNamespaceTest, OneModuleIsFoundByBroadcastAndSweepAndConnected) {
    Module& module = AddModule(TestNetwork::kModuleAddress);
    StartLink(Discovery());
    ASSERT_TRUE(harness->WaitReady());
    EXPECT_TRUE(harness->Writes(module.device, 264, 520));
    EXPECT_EQ(harness->transport->DeviceAddress(), TestNetwork::kModuleAddress);
    // Both the broadcast and the sweep reached it, yet it is listed once and nobody was asked.
    EXPECT_GE(module.server->BroadcastRequests(), 1);
    EXPECT_GT(module.server->Requests("Get_IP:"), module.server->BroadcastRequests());
    EXPECT_EQ(harness->wifi.devices.Addresses(),
              std::vector<uint32_t>{TestNetwork::kModuleAddress});
    EXPECT_EQ(harness->notifier.Count(kNoticeSeveralDevices), 0);
    EXPECT_EQ(module.device.Wifi().Settings().linkAddress, TestNetwork::kLinkAddress);
}

TEST_F(NetNamespaceTest, TwoModulesAnsweringAskForAChoice) {
    ASSERT_TRUE(network->AddModuleAddress(kSecondModuleAddress));
    Module& first = AddModule(TestNetwork::kModuleAddress);
    Module& second = AddModule(kSecondModuleAddress);
    std::vector<uint32_t> offered;
    NetOptions options = Discovery();
    options.chooseDevice = [&](const std::vector<uint32_t>& addresses) {
        offered = addresses;
        return kSecondModuleAddress;
    };
    StartLink(options);
    ASSERT_TRUE(harness->WaitReady());
    const std::vector<Notice> notices = harness->notifier.Notices();
    const auto choice =
        std::find(notices.begin(), notices.end(), Notice{kNoticeSeveralDevices, 2, true});
    const auto connected =
        std::find(notices.begin(), notices.end(), Notice{kNoticeLinkState, kStateConnected, true});
    EXPECT_LT(choice, connected);  // asked before the first connection
    std::sort(offered.begin(), offered.end());
    EXPECT_EQ(offered, (std::vector<uint32_t>{TestNetwork::kModuleAddress, kSecondModuleAddress}));
    EXPECT_TRUE(harness->Writes(second.device, 264, 530));
    EXPECT_EQ(first.server->Accepted(), 0);
    EXPECT_EQ(harness->transport->DeviceAddress(), kSecondModuleAddress);
}

TEST_F(NetNamespaceTest, AModuleServingAnotherComputerIsNotTakenOver) {
    ASSERT_TRUE(network->AddLinkAddress(kOtherClientAddress));
    Module& module = AddModule(TestNetwork::kModuleAddress);
    TcpSocket otherComputer;
    int error = -1;
    ASSERT_TRUE(network->InLinkNamespace([&] {
        error = otherComputer.Connect(TestNetwork::kModuleAddress, kModulePort,
                                      std::chrono::seconds(5), kOtherClientAddress);
    }));
    ASSERT_EQ(error, 0);
    ASSERT_TRUE(WaitFor([&] { return module.server->Accepted() == 1; }));

    StartLink(Discovery());
    // The link keeps asking whom the module serves and stays away meanwhile.
    ASSERT_TRUE(WaitFor([&] { return module.server->Requests("Get_LinkIP:") >= 4; }));
    EXPECT_EQ(module.server->Accepted(), 1);
    EXPECT_FALSE(Connected());

    otherComputer.Close();  // the module is free again
    ASSERT_TRUE(harness->WaitReady());
    EXPECT_EQ(module.server->Accepted(), 2);
    EXPECT_EQ(module.device.Wifi().Settings().linkAddress, TestNetwork::kLinkAddress);
}

TEST_F(NetNamespaceTest, ADroppedConnectionIsReprobed) {
    Module& module = AddModule(TestNetwork::kModuleAddress);
    StartLink(Discovery());
    ExpectReprobeAfterDroppedConnection(*harness, *module.server, module.device);
}

}  // namespace
}  // namespace velto::test
