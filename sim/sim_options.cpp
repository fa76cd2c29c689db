#include "sim/sim_options.h"

#include <charconv>
#include <functional>
#include <string_view>

#include "link/net_address.h"

namespace velto::sim {
namespace {

struct Option {
    std::string_view name;
    std::string_view argument;  // empty for a switch
    std::string_view help;
    std::function<bool(SimOptions&, const std::string&)> apply;
};

bool ParseRate(const std::string& text, double& out) {
    size_t end = 0;
    try {
        out = std::stod(text, &end);
    } catch (const std::exception&) {
        return false;
    }
    return end == text.size() && out >= 0.0 && out <= 1.0;
}

template <typename Int>
bool ParseInt(const std::string& text, Int& out, Int low, Int high) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* first = text.data() + (hex ? 2 : 0);
    const char* last = text.data() + text.size();
    Int value{};
    const auto [end, error] = std::from_chars(first, last, value, hex ? 16 : 10);
    if (error != std::errc() || end != last || first == last || value < low || value > high)
        return false;
    out = value;
    return true;
}

// ADDRESS or ADDRESS:PORT; port 0 picks a free one.
bool ParseNetServe(const std::string& text, std::optional<NetModuleOptions>& out) {
    const size_t colon = text.find(':');
    const std::optional<uint32_t> address = ParseIpv4(std::string_view(text).substr(0, colon));
    NetModuleOptions options;
    if (!address) return false;
    options.address = *address;
    if (colon != std::string::npos &&
        !ParseInt(text.substr(colon + 1), options.port, uint16_t{0}, uint16_t{65535}))
        return false;
    out = options;
    return true;
}

const std::vector<Option>& Options() {
    static const std::vector<Option> options = {
        {"--drop", "RATE", "leave out this share of the replies (0..1)",
         [](SimOptions& o, const std::string& v) { return ParseRate(v, o.faults.dropReplies); }},
        {"--corrupt", "RATE", "flip a byte in this share of the replies (0..1)",
         [](SimOptions& o, const std::string& v) { return ParseRate(v, o.faults.corruptReplies); }},
        {"--silent", "", "answer nothing",
         [](SimOptions& o, const std::string&) { return o.faults.silent = true; }},
        {"--identity", "N", "report this identity code instead of 20005",
         [](SimOptions& o, const std::string& v) {
             int id = 0;
             if (!ParseInt(v, id, 0, 65535)) return false;
             o.faults.identity = id;
             return true;
         }},
        {"--echo-wrong", "SLOT", "echo writes of this slot with another value (repeatable)",
         [](SimOptions& o, const std::string& v) {
             int slot = 0;
             if (!ParseInt(v, slot, 0, kSlots - 1)) return false;
             o.faults.echoWrongSlots.insert(slot);
             return true;
         }},
        {"--encrypted", "MASK", "mark these modes as encrypted (bit n = mode n)",
         [](SimOptions& o, const std::string& v) {
             uint32_t mask = 0;
             if (!ParseInt(v, mask, 0u, 0xFFFFFFFFu)) return false;
             o.encryptedMask = mask;
             return true;
         }},
        {"--mode-limit", "N", "highest mode number the encryption mask covers (default 16)",
         [](SimOptions& o, const std::string& v) { return ParseInt(v, o.modeLimit, 0, 255); }},
        {"--latency", "MS", "answer this many milliseconds late",
         [](SimOptions& o, const std::string& v) {
             return ParseInt(v, o.pty.latencyMs, 0, 60000);
         }},
        {"--line-rate", "BPS", "pace replies like a serial line at this bit rate (0 = unpaced)",
         [](SimOptions& o, const std::string& v) {
             return ParseInt(v, o.pty.bitsPerSecond, 0, 100000000);
         }},
        {"--link", "PATH", "also reach the line under this name (a symbolic link)",
         [](SimOptions& o, const std::string& v) {
             o.pty.linkPath = v;
             return !v.empty();
         }},
        {"--net", "ADDRESS[:PORT]",
         "also serve as the WiFi module there, UDP and TCP (default port 1010)",
         [](SimOptions& o, const std::string& v) { return ParseNetServe(v, o.net); }},
        {"--seed", "N", "seed of the device state and of the faults",
         [](SimOptions& o, const std::string& v) { return ParseInt(v, o.seed, 0u, 0xFFFFFFFFu); }},
        {"--help", "", "show this help",
         [](SimOptions& o, const std::string&) { return o.help = true; }},
    };
    return options;
}

}  // namespace

SimOptionsResult ParseSimOptions(const std::vector<std::string>& args) {
    SimOptionsResult result;
    for (size_t i = 0; i < args.size(); ++i) {
        const Option* option = nullptr;
        for (const Option& candidate : Options())
            if (candidate.name == args[i]) option = &candidate;
        if (!option) {
            result.error = "unknown option " + args[i];
            return result;
        }
        std::string value;
        if (!option->argument.empty()) {
            if (i + 1 >= args.size()) {
                result.error = args[i] + " needs " + std::string(option->argument);
                return result;
            }
            value = args[++i];
        }
        if (!option->apply(result.options, value)) {
            result.error = "bad value for " + std::string(option->name) + ": " + value;
            return result;
        }
    }
    return result;
}

std::string SimUsage() {
    std::string text =
        "usage: velto-sim [OPTIONS]\n"
        "Serves a simulated processor on a pseudo-terminal and prints its path.\n\n";
    for (const Option& option : Options()) {
        std::string left = "  " + std::string(option.name);
        if (!option.argument.empty()) left += " " + std::string(option.argument);
        left.resize(std::max<size_t>(left.size() + 2, 22), ' ');
        text += left + std::string(option.help) + "\n";
    }
    return text;
}

}  // namespace velto::sim
