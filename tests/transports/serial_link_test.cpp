// The serial transport on the whole link, against the simulated processor on a pseudo-terminal.

#include <unistd.h>

#include <random>
#include <string>

#include "link/serial_transport.h"
#include "platform/serial_port.h"
#include "sim/pty_server.h"
#include "tests/transports/transport_link_fixture.h"

namespace velto::test {
namespace {

std::string ScratchPath(const std::string& name) {
    return std::string(VELTO_TEST_SCRATCH) + "/" + name + "-" + std::to_string(::getpid());
}

class SerialLinkTest : public TransportLinkTest {
  protected:
    void SetUp() override { ASSERT_TRUE(server->Start()); }
    void TearDown() override {
        TransportLinkTest::TearDown();
        transport.reset();
        server->Stop();
    }
    void StartSerial(std::vector<std::string> ports, int kind = kLinkSerial) {
        transport = std::make_unique<SerialTransport>(SerialPortList::Fixed(std::move(ports)));
        Start(*transport, kind);
    }

    const std::string linePath = ScratchPath("velto-line");
    std::unique_ptr<sim::PtyServer> server =
        std::make_unique<sim::PtyServer>(device, sim::PtyServerOptions{.linkPath = linePath});
    std::unique_ptr<SerialTransport> transport;
};

TEST_F(SerialLinkTest, ConnectsAndReadsEverything) {
    StartSerial({linePath});
    ASSERT_TRUE(WaitForFullReads(1));
    EXPECT_TRUE(TableMatchesDevice());
    EXPECT_TRUE(WriteReachesDevice(300, 4321));
}

TEST_F(SerialLinkTest, BluetoothUsesTheSameTransport) {
    StartSerial({linePath}, kLinkBluetooth);
    ASSERT_TRUE(WaitForFullReads(1));
    EXPECT_TRUE(TableMatchesDevice());
}

TEST_F(SerialLinkTest, PortsThatCannotOpenOrDoNotAnswerAreSkipped) {
    sim::Processor mute;
    sim::Faults silent;
    silent.silent = true;
    mute.SetFaults(silent);
    sim::PtyServer other(mute);
    ASSERT_TRUE(other.Start());
    StartSerial({ScratchPath("no-such-port"), other.Path(), linePath});
    ASSERT_TRUE(WaitForFullReads(1));
    EXPECT_TRUE(TableMatchesDevice());
    // The silent port got the probe and nothing else.
    const auto probes = mute.Received();
    ASSERT_FALSE(probes.empty());
    EXPECT_EQ(probes[0].command, static_cast<uint8_t>(Command::ReadParams));
}

TEST_F(SerialLinkTest, UnpluggedAdapterIsFoundAgainWhenPluggedBackIn) {
    StartSerial({linePath});
    ASSERT_TRUE(WaitForFullReads(1));
    server->Stop();
    ASSERT_TRUE(WaitFor([&] { return notifier.Count(kNoticeLinkState, kStateSearching) >= 2; }));
    ASSERT_TRUE(WaitFor([&] { return !transport->IsConnected(); }));
    device.SetValue(400, 777);
    server = std::make_unique<sim::PtyServer>(device, sim::PtyServerOptions{.linkPath = linePath});
    ASSERT_TRUE(server->Start());
    ASSERT_TRUE(WaitForFullReads(2));
    EXPECT_EQ(link->Table().Value(400), 777);
    EXPECT_TRUE(WriteReachesDevice(401, 55));
}

TEST_F(SerialLinkTest, GarbageOnTheLineIsSkipped) {
    StartSerial({linePath});
    ASSERT_TRUE(WaitForFullReads(1));
    std::mt19937 random(7);
    std::vector<uint8_t> noise(3000);
    for (uint8_t& b : noise)
        b = random() % 4 == 0 ? 0x80 : static_cast<uint8_t>(random());
    server->Inject(noise);
    EXPECT_TRUE(WriteReachesDevice(500, 1234));
    link->State().Raise(kRequestReload);
    ASSERT_TRUE(WaitForFullReads(2));
    EXPECT_TRUE(TableMatchesDevice());
    EXPECT_EQ(notifier.Count(kNoticeLinkState, kStateConnected), 1) << "the link never dropped";
}

TEST(SerialPortTest, OpensRawAtTheRequestedRate) {
    sim::Processor device;
    sim::PtyServer server(device);
    ASSERT_TRUE(server.Start());
    SerialPort port;
    ASSERT_TRUE(port.Open(server.Path(), 128000));
    // Bytes a cooked terminal would rewrite or swallow (CR, ^C, ^S) pass unchanged.
    const std::vector<uint8_t> frame = {0x80, 0x0D, 0x03, 0x13, 0x0A, 0x7F};
    server.Inject(frame);
    std::vector<uint8_t> got;
    std::array<uint8_t, 64> buffer{};
    ASSERT_TRUE(WaitFor([&] {
        if (port.WaitForInput(10) == PortWait::Readable) {
            const long n = port.ReadSome(buffer);
            if (n > 0) got.insert(got.end(), buffer.begin(), buffer.begin() + n);
        }
        return got.size() >= frame.size();
    }));
    EXPECT_EQ(got, frame);
    EXPECT_FALSE(SerialPort().Open(ScratchPath("no-such-port"), 128000));
}

TEST(SerialPortTest, InterruptWakesAWait) {
    sim::Processor device;
    sim::PtyServer server(device);
    ASSERT_TRUE(server.Start());
    SerialPort port;
    ASSERT_TRUE(port.Open(server.Path(), 128000));
    port.Interrupt();
    EXPECT_EQ(port.WaitForInput(10000), PortWait::Interrupted);
}

TEST(SerialPortTest, ClosedLineReportsTheSameAsAnUnpluggedAdapter) {
    sim::Processor device;
    sim::PtyServer server(device);
    ASSERT_TRUE(server.Start());
    SerialPort port;
    ASSERT_TRUE(port.Open(server.Path(), 128000));
    server.Stop();
    std::array<uint8_t, 64> buffer{};
    EXPECT_TRUE(WaitFor([&] {
        switch (port.WaitForInput(10)) {
            case PortWait::Gone:
                return true;
            case PortWait::Readable:
                return port.ReadSome(buffer) < 0;
            default:
                return false;
        }
    }));
}

}  // namespace
}  // namespace velto::test
