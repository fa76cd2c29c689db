#pragma once
// One run of the link for velto-cli: the engine wired to the chosen transport, with waits that
// end in the exit code of whatever went wrong.

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/core/link_settings.h"
#include "cli/cli_events.h"
#include "cli/cli_file_requests.h"
#include "cli/cli_options.h"
#include "cli/cli_progress.h"
#include "link/link_engine.h"
#include "link/wifi_module_state.h"
#include "link/wifi_request_pass.h"
#include "platform/transport_factory.h"
#include "sim/processor.h"

namespace velto::cli {

// --link decides the link kind; without it the application's settings do, as in the
// application.  Every other setting comes from the settings files.
class CliSettings final : public SettingsReader {
  public:
    explicit CliSettings(std::optional<int> linkKind) : linkKind_(linkKind) {}
    int ReadSettingInt(const std::string& group, const std::string& key) override;

  private:
    std::optional<int> linkKind_;
    FileSettingsReader files_;
};

// The one-line error when several WiFi modules answered discovery and none was picked.
std::string SeveralDevicesError(const std::vector<uint32_t>& addresses);

class CliSession {
  public:
    CliSession(const CliOptions& options, std::ostream& err);
    ~CliSession();
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    LinkEngine& Link() { return *link_; }
    WifiModuleState& Wifi() { return wifi_; }
    CliFileRequests& Files() { return files_; }
    // The user's --timeout in link milliseconds.
    int UserTimeoutMs() const;
    // Starts the link (with an empty WiFi request table) and waits for a device to answer.
    int Connect();
    // Connect, then the full read: afterwards the table mirrors the device.
    int ReadAll();
    int AwaitPresetNames();
    // Polls done until it holds, the link fails or timeout (link milliseconds) passes; then
    // prints failure on the error stream and returns timeoutCode.
    int Await(const std::function<bool()>& done, int timeoutMs, int timeoutCode,
              const std::string& failure);
    bool Shown(LinkText text) const { return events_.Shown(link_->Text(text)); }
    bool Shown(const std::string& text) const { return events_.Shown(text); }
    bool Captioned(LinkText caption) const { return events_.Captioned(link_->Text(caption)); }
    int Refreshes() const { return events_.Refreshes(); }
    void Fail(const std::string& message) const;

  private:
    Transport* TransportFor(int linkKind);
    TransportOptions NetworkOptions();

    const CliOptions options_;
    std::ostream& err_;
    CliEvents events_;
    CliProgress progress_;
    CliSettings settings_;
    std::unique_ptr<sim::Processor> simDevice_;
    // Shared by the frame decoder, the WiFi request pass and the network transport.
    WifiModuleState wifi_;
    FrameWifiRequestPass wifiPass_{wifi_};
    CliFileRequests files_;
    std::unique_ptr<Transport> transport_;  // made on the link thread, once
    std::atomic<bool> noTransport_{false};
    std::unique_ptr<LinkEngine> link_;
};

}  // namespace velto::cli
