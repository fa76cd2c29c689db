#pragma once
// The link thread: connects through the transport of the configured link kind, checks the
// processor's identity, reads every slot and the preset names, then runs the steady cycle of
// writes, notifications, user requests and keep-alives until the link is lost or stopped.

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "link/frame_codec.h"
#include "link/link_clock.h"
#include "link/link_context.h"
#include "link/link_ports.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "link/param_table.h"
#include "link/transport.h"

namespace velto {

class LinkEngine;

// The WiFi module's request queue, one step per steady cycle (not on the network link).
class WifiRequestPass {
  public:
    virtual ~WifiRequestPass() = default;
    virtual void ResetCursor() = 0;
    // Empties the request table (at link start).
    virtual void ClearRequests() = 0;
    // Returns true when it sent or dropped a request (the cycle then counts as busy).
    virtual bool Run(LinkEngine& link) = 0;
};

// Requests 1 and 11: the device's data to a PC file and back.
class LinkFileRequests {
  public:
    virtual ~LinkFileRequests() = default;
    virtual void SaveDeviceToFile(LinkEngine& link) = 0;
    virtual void UploadFileToDevice(LinkEngine& link) = 0;
};

struct LinkPorts {
    // The transport of a link kind; called once per thread start.
    std::function<Transport*(int linkKind)> transportFor;
    LinkNotifier* notifier = nullptr;
    ProgressWindow* progress = nullptr;
    MessageBoxPort* messages = nullptr;
    const LinkTextSource* texts = nullptr;
    SettingsReader* settings = nullptr;        // optional: without it, USB at 128000 bit/s
    WifiRequestPass* wifiRequests = nullptr;   // optional
    LinkFileRequests* fileRequests = nullptr;  // optional
};

class LinkEngine {
  public:
    explicit LinkEngine(LinkPorts ports, double timeScale = 1.0);
    ~LinkEngine();
    LinkEngine(const LinkEngine&) = delete;
    LinkEngine& operator=(const LinkEngine&) = delete;

    void StartLink();
    // Returns whether the link thread has ended (it is left running only while a message box
    // holds it past the 2 s limit).
    bool StopLink();

    ParamTable& Table() { return table_; }
    LinkState& State() { return state_; }
    FrameCodec& Codec() { return codec_; }
    LinkContext& Context() { return context_; }
    const LinkClock& Clock() const { return clock_; }
    const LinkTiming Timing() const { return state_.Timing(); }
    bool TransportConnected() const;

    // Operations of the link thread, public for the request handlers of other modules.
    bool FullRead(int tries);
    void RefreshAll();
    void ReadPresetNames(int current);
    void SendKeepAlive();
    // Sets the waiting flag, sends, waits up to 2000 ms, up to three times, until the cell is set.
    bool SendUntilAcknowledged(Command command, std::span<const uint8_t> payload, AckCell cell,
                               int sleepBeforeWaitMs = 0);
    void LinkLostNotice();

    // Progress window and message boxes, as the link shows them.
    void ShowProgress(LinkText caption, int maximum);
    void SetProgressPosition(int position);
    void HideProgress();
    void ShowMessage(const std::string& text, const std::string& caption = {});
    std::string Text(LinkText id) const { return ports_.texts->Text(id); }

  private:
    void LinkThread();
    void ReadLinkSettings();
    enum class Handshake { Connected, Reconnect };
    Handshake RunHandshake(Transport& transport);
    void RunConnectedSequence();
    void RunSteadyCycle();
    void WritePass();
    void NotificationPass();
    bool RunRequests();
    void RunRequest(int request);
    void RecallPreset();
    void Reload();
    void RequestPresetName();
    void SavePreset();
    void StoreData();
    bool Running() const { return state_.running.load(std::memory_order_acquire); }

    LinkPorts ports_;
    LinkClock clock_;
    ParamTable table_;
    LinkState state_;
    FrameCodec codec_;
    LinkContext context_;
    std::atomic<Transport*> transport_{nullptr};
    int cycleWriteCursor_ = 0;
    int idleCounter_ = 0;
    bool everConnected_ = false;

    std::thread thread_;
    std::mutex doneMutex_;
    std::condition_variable doneCv_;
    bool threadDone_ = true;
};

}  // namespace velto
