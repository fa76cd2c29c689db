#include "cli/cli_options.h"

#include <charconv>
#include <map>

#include "link/net_options.h"
#include "link/param_table.h"

namespace velto::cli {
namespace {

constexpr size_t kPresetNameChars = 25;

// A whole number in decimal or 0x hexadecimal, within low..high.
std::optional<long> ParseNumber(std::string_view text, long low, long high) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (hex) text.remove_prefix(2);
    long value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, hex ? 16 : 10);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
    if (value < low || value > high) return {};
    return value;
}

std::optional<double> ParseSeconds(const std::string& text) {
    size_t end = 0;
    double value = 0;
    try {
        value = std::stod(text, &end);
    } catch (const std::exception&) {
        return {};
    }
    if (end != text.size() || !(value > 0.0) || value > 86400.0) return {};
    return value;
}

const std::map<std::string_view, CommandKind>& Commands() {
    static const std::map<std::string_view, CommandKind> commands = {
        {"identify", CommandKind::Identify},
        {"get", CommandKind::Get},
        {"set", CommandKind::Set},
        {"dump", CommandKind::Dump},
        {"presets", CommandKind::Presets},
        {"recall", CommandKind::Recall},
        {"save-preset", CommandKind::SavePreset},
        {"wifi-get", CommandKind::WifiGet},
        {"wifi-set", CommandKind::WifiSet},
        {"save-mode", CommandKind::SaveMode},
        {"upload", CommandKind::Upload},
        {"import", CommandKind::Import},
        {"mode-info", CommandKind::ModeInfo},
    };
    return commands;
}

// The command's own arguments; an error text when they do not fit.
std::string ParseCommandArguments(CliOptions& options, const std::string& name,
                                  const std::vector<std::string>& rest) {
    switch (options.command) {
        case CommandKind::Get:
            if (rest.empty()) return "get needs at least one SLOT";
            for (const std::string& arg : rest) {
                const auto slot = ParseSlot(arg);
                if (!slot) return "not a slot (0..922): " + arg;
                options.slots.push_back(*slot);
            }
            return {};
        case CommandKind::Set:
            if (rest.empty()) return "set needs at least one SLOT=VALUE";
            for (const std::string& arg : rest) {
                const auto assignment = ParseAssignment(arg);
                if (!assignment) return "not SLOT=VALUE (slot 0..922, value 0..65535): " + arg;
                options.assignments.push_back(*assignment);
            }
            return {};
        case CommandKind::Recall:
        case CommandKind::SavePreset: {
            const size_t wanted = options.command == CommandKind::Recall ? 1 : 2;
            if (rest.size() != wanted) return name + (wanted == 1 ? " needs N" : " needs N NAME");
            const auto preset = ParsePreset(rest[0]);
            if (!preset) return "not a preset number (1..16): " + rest[0];
            options.preset = *preset;
            if (wanted == 1) return {};
            options.presetName = rest[1];
            const std::string problem = CheckPresetName(rest[1]);
            return problem.empty() ? std::string() : problem;
        }
        case CommandKind::WifiSet:
            if (rest.empty()) return "wifi-set needs at least one KEY=VALUE";
            for (const std::string& arg : rest)
                if (std::string problem = ParseWifiAssignment(arg, options.wifi); !problem.empty())
                    return problem;
            return {};
        case CommandKind::SaveMode:
        case CommandKind::Upload:
        case CommandKind::Import:
        case CommandKind::ModeInfo:
            if (rest.size() != 1 || rest[0].empty()) return name + " needs FILE";
            options.file = rest[0];
            return {};
        case CommandKind::Dump:
            if (rest.size() == 1 && rest[0] == "--json") {
                options.json = true;
                return {};
            }
            return rest.empty() ? std::string() : "dump takes only --json";
        default:
            return rest.empty() ? std::string() : name + " takes no arguments";
    }
}

}  // namespace

std::optional<LinkSpec> ParseLinkSpec(std::string_view text) {
    const size_t colon = text.find(':');
    const std::string_view kind = text.substr(0, colon);
    const bool hasTarget = colon != std::string_view::npos;
    const std::string target = hasTarget ? std::string(text.substr(colon + 1)) : std::string();
    if (hasTarget && target.empty()) return {};
    if (kind == "usb" && !hasTarget) return LinkSpec{LinkChoice::Usb, {}};
    if (kind == "sim" && !hasTarget) return LinkSpec{LinkChoice::Sim, {}};
    if (kind == "serial") return LinkSpec{LinkChoice::Serial, target};
    // The address is checked here, so that a typing error is a usage error and not a device
    // that is never found.
    if (kind == "net" && ParseNetLinkSpec(text)) return LinkSpec{LinkChoice::Network, target};
    return {};
}

std::optional<int> ParseSlot(std::string_view text) {
    const auto slot = ParseNumber(text, 0, kSlotCount - 1);
    return slot ? std::optional<int>(static_cast<int>(*slot)) : std::nullopt;
}

std::optional<SlotValue> ParseAssignment(std::string_view text) {
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos) return {};
    const auto slot = ParseSlot(text.substr(0, equals));
    // Values travel as 16 bits; anything wider could never be echoed back equal.
    const auto value = ParseNumber(text.substr(equals + 1), 0, 0xFFFF);
    if (!slot || !value) return {};
    return SlotValue{*slot, static_cast<int>(*value)};
}

std::optional<int> ParsePreset(std::string_view text) {
    const auto preset = ParseNumber(text, 1, 16);
    return preset ? std::optional<int>(static_cast<int>(*preset)) : std::nullopt;
}

std::string CheckPresetName(std::string_view name) {
    if (name.empty()) return "the preset name is empty";
    if (name.size() > kPresetNameChars) return "the preset name is longer than 25 characters";
    for (const char c : name)
        if (c < 32 || c > 122) return "the preset name may only use the characters ' ' to 'z'";
    return {};
}

std::string ParseWifiAssignment(std::string_view text, WifiChanges& changes) {
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return "not KEY=VALUE (mode, route-ssid, route-pw, hot-ssid, hot-pw): " + std::string(text);
    const std::string_view key = text.substr(0, equals);
    const std::string_view given = text.substr(equals + 1);
    if (key == "mode") {
        if (changes.mode) return "mode given twice";
        if (given != "hotspot" && given != "router")
            return "mode is hotspot or router: " + std::string(given);
        changes.mode = given == "router" ? WifiMode::Router : WifiMode::HotSpot;
        return {};
    }
    const std::map<std::string_view, std::optional<std::string>*> texts = {
        {"route-ssid", &changes.routeSsid},
        {"route-pw", &changes.routePassword},
        {"hot-ssid", &changes.hotSsid},
        {"hot-pw", &changes.hotPassword},
    };
    const auto target = texts.find(key);
    if (target == texts.end()) return "unknown WiFi setting " + std::string(key);
    if (*target->second) return std::string(key) + " given twice";
    // As in the WiFi dialog, control characters never reach the module.
    std::string value;
    for (const char c : given)
        if (static_cast<unsigned char>(c) >= 32) value += c;
    *target->second = value;
    return {};
}

ParseResult ParseCommandLine(const std::vector<std::string>& args) {
    ParseResult result;
    CliOptions& options = result.options;
    size_t i = 0;
    for (; i < args.size() && args[i].starts_with("--"); ++i) {
        const std::string& flag = args[i];
        if (flag == "--help") return result;  // CommandKind::Help
        if (flag == "--json") {
            options.json = true;
            continue;
        }
        if (flag != "--link" && flag != "--timeout" && flag != "--time-scale") {
            result.error = "unknown option " + flag;
            return result;
        }
        if (i + 1 >= args.size()) {
            result.error = flag + " needs a value";
            return result;
        }
        const std::string& value = args[++i];
        if (flag == "--link") {
            const auto link = ParseLinkSpec(value);
            if (!link) {
                result.error =
                    "unknown link " + value + " (usb, serial[:PORT], net[:ADDRESS], sim)";
                return result;
            }
            options.link = *link;
        } else {
            const auto seconds = ParseSeconds(value);
            if (!seconds) {
                result.error = "bad value for " + flag + ": " + value;
                return result;
            }
            (flag == "--timeout" ? options.timeoutSeconds : options.timeScale) = *seconds;
        }
    }
    if (i >= args.size()) {
        result.error = "no command given (see --help)";
        return result;
    }
    const auto command = Commands().find(args[i]);
    if (command == Commands().end()) {
        result.error = "unknown command " + args[i] + " (see --help)";
        return result;
    }
    options.command = command->second;
    result.error = ParseCommandArguments(
        options, args[i],
        std::vector<std::string>(args.begin() + static_cast<long>(i) + 1, args.end()));
    if (result.error.empty() && options.json && options.command != CommandKind::Dump)
        result.error = "--json goes with dump only";
    return result;
}

std::string CliUsage() {
    return "usage: velto-cli [--link usb|serial[:PORT]|net[:ADDRESS[:PORT]]|sim]\n"
           "                 [--timeout SECONDS] COMMAND [ARGS]\n"
           "\n"
           "Talks to the processor over the same link as the application.  Without --link the\n"
           "link configured in the application's settings is used.\n"
           "\n"
           "commands:\n"
           "  identify               check the device and print its identity code\n"
           "  get SLOT...            print 'SLOT VALUE' for each slot\n"
           "  set SLOT=VALUE...      write slots; succeeds when every echo matched\n"
           "  dump [--json]          read all 923 slots ('SLOT VALUE' lines, or one JSON\n"
           "                         object with the slots and the 16 preset names)\n"
           "  presets                print 'N NAME' for the 16 presets\n"
           "  recall N               recall preset N (1..16)\n"
           "  save-preset N NAME     store the current settings as preset N named NAME\n"
           "  wifi-get               print the WiFi module's settings as 'KEY VALUE' lines:\n"
           "                         address, mode, route-ssid, route-pw, hot-ssid, hot-pw\n"
           "  wifi-set KEY=VALUE...  change WiFi settings; keys: mode=hotspot|router,\n"
           "                         route-ssid, route-pw, hot-ssid, hot-pw.  A name goes\n"
           "                         with its password: the one not given is kept as the\n"
           "                         module has it.  Succeeds when every change was\n"
           "                         acknowledged within the time-out\n"
           "  save-mode FILE         read the device and save all 923 values to FILE\n"
           "                         (.qvd appended when missing)\n"
           "  upload FILE            write slots 0..725 from the mode file FILE (.qvd)\n"
           "  import FILE            write slots 726..894 from the data file FILE (.PCE),\n"
           "                         then have the device store them\n"
           "  mode-info FILE         describe a mode file (no device needed)\n"
           "                         A FILE not found where named is looked for in the\n"
           "                         application's fallback directory\n"
           "\n"
           "options:\n"
           "  --link KIND            usb, serial (serial:PORT tries only PORT),\n"
           "                         net[:ADDRESS[:PORT]] (the module at ADDRESS, no discovery),\n"
           "                         or sim (a simulated processor inside velto-cli)\n"
           "  --timeout SECONDS      how long to look for a device, and for the WiFi\n"
           "                         module's answers (default 10)\n"
           "  --time-scale FACTOR    run the link's waits at FACTOR times their length; for\n"
           "                         simulated devices only\n"
           "  --json                 dump as JSON\n"
           "  --help                 show this help\n"
           "\n"
           "The network link without an address finds the module by discovery; when several\n"
           "answer, velto-cli lists them and ends with exit code 6: pick one with\n"
           "--link net:ADDRESS.  Progress and the device's messages go to stderr.\n"
           "\n"
           "exit codes: 0 done, 1 refused or not confirmed by the device, 2 bad arguments,\n"
           "            3 no device found, 4 wrong device model, 5 link lost, 6 several WiFi\n"
           "            modules answered, 7 mode file missing, broken, locked or of another\n"
           "            model, 8 WiFi setting not allowed (empty SSID, hot-spot password of\n"
           "            1..7 characters, request longer than 99 bytes)\n";
}

}  // namespace velto::cli
