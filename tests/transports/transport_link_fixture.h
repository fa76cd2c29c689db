#pragma once
// The whole link (engine, transport, simulated processor) for transport tests.  The link runs
// at a tenth of its time to keep the suite quick; every wait is a generous liveness deadline.

#include <gtest/gtest.h>

#include <memory>

#include "link/link_engine.h"
#include "sim/processor.h"
#include "tests/support/link_recorders.h"

namespace velto::test {

inline constexpr double kTimeScale = 0.1;

class TransportLinkTest : public ::testing::Test {
  protected:
    // The engine goes first: it closes the transport when it stops.
    void TearDown() override { link.reset(); }

    void Start(Transport& transport, int linkKind) {
        LinkPorts ports;
        ports.transportFor = [&transport](int) { return &transport; };
        ports.notifier = &notifier;
        ports.progress = &progress;
        ports.messages = &messages;
        settings.kind = linkKind;
        ports.settings = &settings;
        link = std::make_unique<LinkEngine>(ports, kTimeScale);
        link->StartLink();
        link->Table().SetLinkStarted(true);
    }

    bool WaitForFullReads(int count) {
        return WaitFor([&] { return notifier.Count(kNoticeRefreshedAfter) >= count; });
    }
    bool WaitForConnections(int count) {
        return WaitFor([&] { return notifier.Count(kNoticeLinkState, kStateConnected) >= count; });
    }

    // Every slot but the two the link itself rewrites (preset control and keep-alive).
    bool TableMatchesDevice() {
        const auto values = device.Values();
        for (int slot = 0; slot < kSlotCount; ++slot) {
            if (slot == kPresetControlSlot || slot == kKeepAliveSlot) continue;
            if (values[slot] != link->Table().Value(slot)) return false;
        }
        return true;
    }

    // A write from the user interface reaches the processor and is confirmed.
    bool WriteReachesDevice(int slot, int value) {
        link->Table().SetParam(slot, value);
        return WaitFor(
            [&] { return device.Value(slot) == value && !link->Table().WritePending(slot); });
    }

    struct KindSettings final : SettingsReader {
        int ReadSettingInt(const std::string&, const std::string& key) override {
            return key == "m_COM_MdoeIO" ? kind : -1;
        }
        int kind = kLinkUsb;
    };

    sim::Processor device;
    RecordingNotifier notifier;
    RecordingProgress progress;
    RecordingMessages messages;
    KindSettings settings;
    std::unique_ptr<LinkEngine> link;
};

}  // namespace velto::test
