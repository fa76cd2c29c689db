// The link thread against the simulated processor: connection, full read, writes, requests,
// faults and recovery.  The link runs on a quarter time scale to keep the suite quick; every
// wait below is a generous liveness deadline, not a timing assertion.

#include <gtest/gtest.h>

#include <atomic>
#include <random>

#include "link/link_engine.h"
#include "sim/processor.h"
#include "sim/sim_transport.h"
#include "tests/support/link_recorders.h"

namespace velto::test {
namespace {

constexpr double kTimeScale = 0.25;
constexpr uint8_t kIdentify = 0, kDumpAll = 240, kSavePreset = 16, kStoreData = 33;

class FixedSettings final : public SettingsReader {
  public:
    explicit FixedSettings(int linkKind) : kind_(linkKind) {}
    int ReadSettingInt(const std::string&, const std::string& key) override {
        return key == "m_COM_MdoeIO" ? kind_ : -1;
    }

  private:
    int kind_;
};

class LinkEngineTest : public ::testing::Test {
  protected:
    void SetUp() override { ports = MakePorts(); }

    LinkPorts MakePorts() {
        LinkPorts p;
        p.transportFor = [this](int) -> Transport* { return &wire; };
        p.notifier = &notifier;
        p.progress = &progress;
        p.messages = &messages;
        return p;
    }

    void Start() {
        link = std::make_unique<LinkEngine>(ports, kTimeScale);
        link->StartLink();
        link->Table().SetLinkStarted(true);
    }

    // Started, fully read, preset names in, steady cycle running.
    void StartReady() {
        Start();
        ASSERT_TRUE(WaitFor([&] { return notifier.Count(kNoticeRefreshedAfter) >= 1; }));
        ASSERT_TRUE(WaitFor([&] { return link->Codec().NameReceived(16); }));
        std::this_thread::sleep_for(
            std::chrono::milliseconds(400));  // the 1 s pause before the cycle
    }

    bool DeviceMatchesTable(int first, int last) {
        const auto values = device.Values();
        for (int slot = first; slot <= last; ++slot) {
            if (slot == kPresetControlSlot || slot == kKeepAliveSlot) continue;
            if (values[slot] != link->Table().Value(slot)) return false;
        }
        return true;
    }
    bool NothingPending() {
        for (int slot = 0; slot < kSlotCount; ++slot)
            if (slot != kKeepAliveSlot && link->Table().WritePending(slot)) return false;
        return true;
    }

    void TearDown() override {
        if (link) link->StopLink();
    }

    sim::Processor device;
    sim::SimTransport wire{device};
    RecordingNotifier notifier;
    RecordingProgress progress;
    RecordingMessages messages;
    LinkPorts ports;
    std::unique_ptr<LinkEngine> link;
};

TEST_F(LinkEngineTest, ConnectsAndMirrorsEverySlotAndPresetName) {
    StartReady();
    EXPECT_EQ(notifier.Title(), "Velto-USB");
    EXPECT_EQ(link->Codec().IdentityCode(), kIdentityCode);
    EXPECT_TRUE(DeviceMatchesTable(0, kSlotCount - 1));
    for (int n = 1; n <= kPresetCount; ++n)
        EXPECT_EQ(link->Codec().PresetNameUtf8(n), device.GetPreset(n).name);

    const auto notices = notifier.Notices();
    ASSERT_GE(notices.size(), 4u);
    EXPECT_EQ(notices[0], (Notice{kNoticeLinkState, kStateStarting, true}));
    EXPECT_EQ(notices[1], (Notice{kNoticeLinkState, kStateStarting, true}));
    EXPECT_EQ(notices[2], (Notice{kNoticeLinkState, kStateSearching, true}));
    auto at = [&](Notice n) {
        return std::find(notices.begin(), notices.end(), n) - notices.begin();
    };
    const auto connected = at({kNoticeLinkState, kStateConnected, true});
    const auto fullRead = at({kNoticeFullReadDone, 0, false});
    const auto firstSlot = at({kNoticeSlotReceived, 0, false});
    const auto refreshed = at({kNoticeRefreshed, 0, false});
    EXPECT_LT(connected, fullRead);
    EXPECT_LT(fullRead, firstSlot);
    EXPECT_LT(firstSlot, refreshed);
    EXPECT_EQ(notices[refreshed + 1], (Notice{kNoticeRefreshedAfter, 0, false}));
    // Every slot was handed to the main window once by the refresh.
    EXPECT_GE(notifier.Count(kNoticeSlotReceived), kSlotCount);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(LinkEngineTest, MirrorsTheDeviceOverASlowWireDeliveringSingleBytes) {
    wire.SetOptions({.latencyMs = 1, .chunkBytes = 1});
    StartReady();
    EXPECT_TRUE(DeviceMatchesTable(0, kSlotCount - 1));
    EXPECT_EQ(link->Codec().PresetNameUtf8(16), device.GetPreset(16).name);
}

TEST_F(LinkEngineTest, BurstOfChangesReachesTheDevice) {
    StartReady();
    std::mt19937 random(3);
    std::uniform_int_distribution<int> slot(24, 725), value(0, 65535);
    for (int i = 0; i < 200; ++i)
        link->Table().SetParam(slot(random), value(random));
    ASSERT_TRUE(WaitFor([&] { return NothingPending() && DeviceMatchesTable(1, 912); }));
}

TEST_F(LinkEngineTest, ChangesConvergeWhileRepliesAreDroppedOrCorrupted) {
    StartReady();
    sim::Faults faults;
    faults.dropReplies = 0.05;
    faults.corruptReplies = 0.05;
    device.SetFaults(faults);
    std::mt19937 random(11);
    std::uniform_int_distribution<int> slot(24, 725), value(0, 65535);
    for (int round = 0; round < 40; ++round) {
        for (int i = 0; i < 10; ++i)
            link->Table().SetParam(slot(random), value(random));
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
    }
    ASSERT_TRUE(WaitFor([&] { return NothingPending() && DeviceMatchesTable(1, 912); },
                        std::chrono::seconds(60)));
}

TEST_F(LinkEngineTest, WrongModelIsReportedAfterTwelveHandshakeAttempts) {
    sim::Faults faults;
    faults.identity = 12345;
    device.SetFaults(faults);
    std::atomic<size_t> identifiesAtMessage{0};
    class CountingMessages final : public MessageBoxPort {
      public:
        CountingMessages(sim::Processor& d, std::atomic<size_t>& c) : device_(d), count_(c) {}
        int Show(const std::string& text, const std::string&, int, int) override {
            if (text == "Equipment model is wrong!" && count_ == 0)
                count_ = device_.ReceivedWith(0).size();
            return kResultOk;
        }

      private:
        sim::Processor& device_;
        std::atomic<size_t>& count_;
    } counting(device, identifiesAtMessage);
    ports.messages = &counting;
    Start();
    ASSERT_TRUE(WaitFor([&] { return identifiesAtMessage > 0; }));
    EXPECT_EQ(identifiesAtMessage.load(), 12u);
    EXPECT_EQ(notifier.Count(kNoticeFullReadDone), 0);
}

TEST_F(LinkEngineTest, SilentDeviceKeepsSearchingWithoutAMessageUntilItAnswers) {
    sim::Faults faults;
    faults.silent = true;
    device.SetFaults(faults);
    Start();
    ASSERT_TRUE(WaitFor([&] { return notifier.Count(kNoticeLinkState, kStateSearching) >= 4; }));
    EXPECT_EQ(notifier.Count(kNoticeLinkState, kStateConnected), 0);
    device.SetFaults({});
    ASSERT_TRUE(WaitFor([&] { return notifier.Count(kNoticeFullReadDone) == 1; }));
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(LinkEngineTest, DeviceFallingSilentInTheCycleIsLostAndReconnected) {
    StartReady();
    const int searchingBefore = notifier.Count(kNoticeLinkState, kStateSearching);
    sim::Faults faults;
    faults.silent = true;
    device.SetFaults(faults);
    ASSERT_TRUE(WaitFor(
        [&] { return notifier.Count(kNoticeLinkState, kStateSearching) > searchingBefore; }));
    EXPECT_FALSE(link->State().linkUp.load());
    device.SetFaults({});
    ASSERT_TRUE(WaitFor([&] { return notifier.Count(kNoticeFullReadDone) == 2; }));
}

TEST_F(LinkEngineTest, UnpluggedDeviceIsLostAndChangesMadeMeanwhileAreWrittenAfterReconnecting) {
    StartReady();
    wire.SetPlugged(false);
    ASSERT_TRUE(WaitFor([&] { return !link->State().linkUp.load(); }));
    link->Table().SetParam(300, 4242);
    wire.SetPlugged(true);
    ASSERT_TRUE(WaitFor([&] { return notifier.Count(kNoticeFullReadDone) == 2; }));
    ASSERT_TRUE(
        WaitFor([&] { return device.Value(300) == 4242 && !link->Table().WritePending(300); }));
    EXPECT_EQ(link->Table().Value(300), 4242);
}

TEST_F(LinkEngineTest, PauseHoldsWritesWhichGoOutAfterTheResumeReconnects) {
    StartReady();
    link->State().paused = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    link->Table().SetParam(400, 1234);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_NE(device.Value(400), 1234);
    EXPECT_TRUE(link->Table().WritePending(400));
    // Ending a pause also drops the link, so the thread reconnects and re-reads.
    link->State().paused = false;
    link->State().linkUp = false;
    ASSERT_TRUE(WaitFor([&] { return notifier.Count(kNoticeFullReadDone) == 2; }));
    ASSERT_TRUE(WaitFor([&] { return device.Value(400) == 1234; }));
}

TEST_F(LinkEngineTest, EncryptedCurrentModeRefusesTheNextFullRead) {
    device.SetEncryptedModes(1u << 1);  // mode 1, the current one
    StartReady();
    EXPECT_TRUE(link->Codec().Encrypted());
    device.ClearReceived();
    link->State().Raise(kRequestReload);
    ASSERT_TRUE(WaitFor([&] { return messages.Count("Unable to read encrypted mode!") == 1; }));
    EXPECT_TRUE(device.ReceivedWith(kDumpAll).empty());
}

TEST_F(LinkEngineTest, RecallSwitchesTheDeviceAndReloadsItsValues) {
    StartReady();
    link->Table().Slots()[kPresetControlSlot].value = 5;
    link->State().Raise(kRequestRecallPreset);
    ASSERT_TRUE(WaitFor([&] { return notifier.Count(kNoticeFullReadDone) == 2; }));
    ASSERT_TRUE(WaitFor([&] { return link->Table().Value(kCurrentModeSlot) == 5; }));
    EXPECT_EQ(device.CurrentMode(), 5);
    EXPECT_EQ(link->Table().Value(100), device.GetPreset(5).values[100]);
    EXPECT_FALSE(link->Table().WritePending(kPresetControlSlot));
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(LinkEngineTest, SavePresetAndStoreDataRunInAscendingOrderAndConfirm) {
    StartReady();
    PresetName name{};
    const std::u16string text = u"Karaoke A";
    std::copy(text.begin(), text.end(), name.begin());
    link->Codec().SetNameScratch(name);
    link->Table().Slots()[kPresetControlSlot].value = 7;
    device.ClearReceived();
    link->State().Raise(kRequestStoreData);
    link->State().Raise(kRequestSavePreset);
    ASSERT_TRUE(WaitFor([&] { return messages.Count("Save successfully!") == 2; }));
    EXPECT_EQ(device.GetPreset(7).name, "Karaoke A");
    EXPECT_EQ(device.StoreDataCount(), 1);
    const auto frames = device.Received();
    auto index = [&](uint8_t command) {
        return std::find_if(frames.begin(), frames.end(),
                            [&](auto& f) { return f.command == command; }) -
               frames.begin();
    };
    EXPECT_LT(index(kSavePreset), index(kStoreData));
    EXPECT_TRUE(WaitFor([&] { return link->Codec().PresetNameUtf8(7) == "Karaoke A"; }));
}

TEST_F(LinkEngineTest, UnacknowledgedStoreDataReportsFailure) {
    StartReady();
    sim::Faults faults;
    faults.dropReplies = 1.0;
    device.SetFaults(faults);
    link->State().Raise(kRequestStoreData);
    ASSERT_TRUE(WaitFor([&] { return messages.Count("Save Failed!") == 1; }));
    EXPECT_EQ(device.ReceivedWith(kStoreData).size(), 3u);
}

TEST_F(LinkEngineTest, NetworkLinkKindSkipsTheBulkPhase) {
    FixedSettings network(kLinkNetwork);
    ports.settings = &network;
    StartReady();
    EXPECT_EQ(notifier.Title(), "Velto-NET");
    EXPECT_TRUE(device.ReceivedWith(kDumpAll).empty());
    EXPECT_TRUE(DeviceMatchesTable(0, kSlotCount - 1));
    EXPECT_GE(device.ReceivedWith(kIdentify).size(), 2u);
}

TEST_F(LinkEngineTest, StopLinkEndsTheThreadWhileSearching) {
    wire.SetPlugged(false);
    Start();
    ASSERT_TRUE(WaitFor([&] { return notifier.Count(kNoticeLinkState, kStateSearching) >= 1; }));
    link->StopLink();
    const int before = notifier.Count(kNoticeLinkState);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(notifier.Count(kNoticeLinkState), before);
}

TEST_F(LinkEngineTest, StopLinkDuringThePresetNamePassEndsTheThread) {
    // Real time: the name pass and the pause after it outlast StopLink's 2 s limit unless
    // stopping cuts the link's sleeps short.
    link = std::make_unique<LinkEngine>(ports, 1.0);
    link->StartLink();
    ASSERT_TRUE(WaitFor([&] { return !device.ReceivedWith(4).empty(); }));
    EXPECT_TRUE(link->StopLink());
    const size_t framesAtStop = device.Received().size();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(device.Received().size(), framesAtStop) << "the link thread outlived StopLink";
}

}  // namespace
}  // namespace velto::test
