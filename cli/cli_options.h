#pragma once
// velto-cli's command line, parsed into what to connect to and what to do.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velto::cli {

enum class LinkChoice { Settings, Usb, Serial, Network, Sim };

struct LinkSpec {
    LinkChoice choice = LinkChoice::Settings;
    std::string target;  // serial: the one port to try; net: the module's address
};

enum class CommandKind {
    Help,
    Identify,
    Get,
    Set,
    Dump,
    Presets,
    Recall,
    SavePreset,
    WifiGet,
    WifiSet,
    SaveMode,
    Upload,
    Import,
    ModeInfo,
};

// The WiFi module's mode values.
enum class WifiMode { HotSpot = 1, Router = 2 };

// wifi-set: the settings given on the command line; the others stay as they are.
struct WifiChanges {
    std::optional<WifiMode> mode{};
    std::optional<std::string> routeSsid{};
    std::optional<std::string> routePassword{};
    std::optional<std::string> hotSsid{};
    std::optional<std::string> hotPassword{};
};

struct SlotValue {
    int slot;
    int value;
};

struct CliOptions {
    LinkSpec link;
    double timeoutSeconds = 10.0;  // for a device to answer
    double timeScale = 1.0;        // link time to real time, for runs against the simulator
    bool json = false;
    CommandKind command = CommandKind::Help;
    std::vector<int> slots;              // get
    std::vector<SlotValue> assignments;  // set
    int preset = 0;                      // recall, save-preset
    std::string presetName;              // save-preset
    WifiChanges wifi;                    // wifi-set
    std::string file;                    // save-mode, upload, import, mode-info
};

struct ParseResult {
    CliOptions options;
    std::string error;  // one line; empty when the command line was understood
};

ParseResult ParseCommandLine(const std::vector<std::string>& args);
std::optional<LinkSpec> ParseLinkSpec(std::string_view text);
std::optional<int> ParseSlot(std::string_view text);
std::optional<SlotValue> ParseAssignment(std::string_view text);
std::optional<int> ParsePreset(std::string_view text);
// Why a preset name cannot be stored; empty when it can.
std::string CheckPresetName(std::string_view name);
// One KEY=VALUE of wifi-set applied to changes; an error text when it does not fit.
std::string ParseWifiAssignment(std::string_view text, WifiChanges& changes);
std::string CliUsage();

}  // namespace velto::cli
