// The USB transport on the whole link, against the simulated processor's HID stand-in.

#include <algorithm>

#include "link/usb_transport.h"
#include "sim/sim_hid_device.h"
#include "tests/transports/transport_link_fixture.h"

namespace velto::test {
namespace {

class UsbLinkTest : public TransportLinkTest {
  protected:
    void StartUsb(sim::SimHidOptions options = {}) {
        auto hid = std::make_unique<sim::SimHidDevice>(device, options);
        device_ = hid.get();
        transport = std::make_unique<UsbTransport>(std::move(hid));
        Start(*transport, kLinkUsb);
    }
    void TearDown() override {
        TransportLinkTest::TearDown();
        transport.reset();
    }

    std::unique_ptr<UsbTransport> transport;
    sim::SimHidDevice* device_ = nullptr;  // owned by the transport
};

TEST_F(UsbLinkTest, ConnectsAndReadsEverything) {
    StartUsb({.latencyMs = 1});
    ASSERT_TRUE(WaitForFullReads(1));
    EXPECT_TRUE(TableMatchesDevice());
    EXPECT_TRUE(transport->IsConnected());
    EXPECT_TRUE(WriteReachesDevice(300, 4321));
}

TEST_F(UsbLinkTest, ProbeIsTheFirstReportWritten) {
    StartUsb();
    ASSERT_TRUE(WaitForConnections(1));
    const auto written = device_->WrittenReports();
    ASSERT_FALSE(written.empty());
    const uint8_t head[] = {0x00, 0xAE, 0x1E, 0x00, 0x07, 0xC8, 0x80,
                            0x05, 0x06, 0x00, 0x00, 0x13, 0xC5};
    EXPECT_TRUE(std::equal(std::begin(head), std::end(head), written[0].begin()));
    EXPECT_TRUE(
        std::all_of(written[0].begin() + 13, written[0].end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(UsbLinkTest, UnpluggedDeviceIsFoundAgainWhenPluggedBackIn) {
    StartUsb();
    ASSERT_TRUE(WaitForFullReads(1));
    device_->SetPlugged(false);
    // The next report write fails: the link drops and the connect loop searches.
    ASSERT_TRUE(WaitFor([&] { return notifier.Count(kNoticeLinkState, kStateSearching) >= 1; }));
    ASSERT_TRUE(WaitFor([&] { return !transport->IsConnected(); }));
    EXPECT_EQ(notifier.Count(kNoticeLinkState, kStateConnected), 1);
    device.SetValue(400, 777);
    device_->SetPlugged(true);
    ASSERT_TRUE(WaitForFullReads(2));
    EXPECT_EQ(link->Table().Value(400), 777);
    EXPECT_TRUE(WriteReachesDevice(401, 55));
}

TEST_F(UsbLinkTest, ReportsWithoutEnvelopeDoNotBreakTheLink) {
    StartUsb();
    ASSERT_TRUE(WaitForFullReads(1));
    HidReport stray{};
    std::fill(stray.begin() + 1, stray.end(), 0x80);
    device_->InjectReport(stray);
    HidReport hugeHeader{0, 0xAE, 0x1E, 0xFF, 0xFF, 0xC8, 0x80};
    device_->InjectReport(hugeHeader);
    device_->InjectReport(stray);
    EXPECT_TRUE(WriteReachesDevice(500, 1234));
    EXPECT_EQ(notifier.Count(kNoticeLinkState, kStateConnected), 1) << "the link never dropped";
}

TEST_F(UsbLinkTest, WithoutTheProcessorItKeepsSearching) {
    StartUsb({.product = 0x1234});
    ASSERT_TRUE(WaitFor([&] { return notifier.Count(kNoticeLinkState, kStateSearching) >= 1; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(device_->OpenCount(), 0);
    EXPECT_EQ(notifier.Count(kNoticeLinkState, kStateConnected), 0);
    EXPECT_TRUE(device.Received().empty());
}

TEST_F(UsbLinkTest, SilentDeviceIsClosedAndReopenedForEachProbe) {
    sim::Faults silent;
    silent.silent = true;
    device.SetFaults(silent);
    StartUsb();
    ASSERT_TRUE(WaitFor([&] { return device_->OpenCount() >= 3; }));
    EXPECT_EQ(notifier.Count(kNoticeLinkState, kStateConnected), 0);
    device.SetFaults({});
    ASSERT_TRUE(WaitForFullReads(1));
    EXPECT_TRUE(TableMatchesDevice());
}

}  // namespace
}  // namespace velto::test
