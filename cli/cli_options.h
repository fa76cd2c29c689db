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

enum class CommandKind { Help, Identify, Get, Set, Dump, Presets, Recall, SavePreset };

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
std::string CliUsage();

}  // namespace velto::cli
