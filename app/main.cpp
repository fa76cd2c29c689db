// Velto: runs the link against the simulated processor (or, later, a device) and reports what
// it sees: link states, the full read and the preset names.  The windowed interface replaces
// this front end once the main window exists.

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>

#include "link/link_engine.h"
#include "link/null_ports.h"
#include "sim/processor.h"
#include "sim/sim_transport.h"

namespace {

class ConsoleNotifier final : public velto::LinkNotifier {
  public:
    void Post(int code, int lparam) override { Handle(code, lparam); }
    void Send(int code, int lparam) override { Handle(code, lparam); }
    void SetTitle(const std::string& title) override { std::printf("title: %s\n", title.c_str()); }

    bool WaitForFullRead(std::chrono::seconds timeout) {
        std::unique_lock lock(mutex_);
        return cv_.wait_for(lock, timeout, [this] { return refreshed_; });
    }
    int SlotsNotified() {
        std::lock_guard lock(mutex_);
        return slotsNotified_;
    }

  private:
    void Handle(int code, int lparam) {
        std::lock_guard lock(mutex_);
        switch (code) {
            case velto::kNoticeSlotReceived:
                ++slotsNotified_;
                break;
            case velto::kNoticeLinkState:
                std::printf("link: %s\n", lparam == velto::kStateConnected  ? "connected"
                                          : lparam == velto::kStateStarting ? "starting"
                                                                            : "searching");
                break;
            case velto::kNoticeFullReadDone:
                std::printf("link: full read done\n");
                break;
            case velto::kNoticeRefreshedAfter:
                refreshed_ = true;
                cv_.notify_all();
                break;
            default:
                break;
        }
        std::fflush(stdout);
    }

    std::mutex mutex_;
    std::condition_variable cv_;
    bool refreshed_ = false;
    int slotsNotified_ = 0;
};

class ConsoleMessages final : public velto::MessageBoxPort {
  public:
    int Show(const std::string& text, const std::string& caption, int, int) override {
        std::printf("message: %s%s%s\n", caption.c_str(), caption.empty() ? "" : ": ",
                    text.c_str());
        return velto::kResultOk;
    }
};

}  // namespace

int main() {
    velto::sim::Processor device;
    velto::sim::SimTransport wire(device, {.latencyMs = 2, .chunkBytes = 64});
    ConsoleNotifier notifier;
    velto::NullProgressWindow progress;
    ConsoleMessages messages;

    velto::LinkPorts ports;
    ports.transportFor = [&](int) -> velto::Transport* { return &wire; };
    ports.notifier = &notifier;
    ports.progress = &progress;
    ports.messages = &messages;
    velto::LinkEngine link(ports);

    std::printf("Velto: simulated processor (no device given)\n");
    link.StartLink();
    link.Table().SetLinkStarted(true);
    if (!notifier.WaitForFullRead(std::chrono::seconds(30))) {
        std::fprintf(stderr, "velto: the full read did not finish within 30 s\n");
        return 1;
    }
    // The preset names follow the full read.
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));

    // Slot 914 is the exception: every preset-name reply puts the preset's number there.
    const auto values = device.Values();
    int equal = 0;
    for (int slot = 0; slot < velto::kSlotCount; ++slot)
        equal += slot == velto::kPresetControlSlot || link.Table().Value(slot) == values[slot];
    std::printf("identity: %d\n", link.Codec().IdentityCode());
    std::printf("slots read: %d of %d notified, %d equal to the device\n", notifier.SlotsNotified(),
                velto::kSlotCount, equal);
    std::printf("current mode: %d\n", link.Table().Value(velto::kCurrentModeSlot));
    for (int n = 1; n <= velto::kPresetCount; ++n)
        std::printf("preset %2d: %s\n", n, link.Codec().PresetNameUtf8(n).c_str());
    link.StopLink();
    return equal == velto::kSlotCount ? 0 : 1;
}
