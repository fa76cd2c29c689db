#include "platform/serial_ports.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

namespace velto {
namespace {

constexpr std::array<std::string_view, 4> kKinds = {"ttyUSB", "ttyACM", "rfcomm", "ttyS"};

struct PortName {
    size_t kind;
    unsigned number;
    std::string name;
};

// The kind and number of a name such as ttyUSB0; false for every other tty.
bool ParsePortName(const std::string& name, PortName& out) {
    for (size_t kind = 0; kind < kKinds.size(); ++kind) {
        const std::string_view prefix = kKinds[kind];
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
        const char* first = name.data() + prefix.size();
        const char* last = name.data() + name.size();
        unsigned number = 0;
        const auto [end, error] = std::from_chars(first, last, number);
        if (error != std::errc() || end != last) return false;
        out = {kind, number, name};
        return true;
    }
    return false;
}

// The kernel keeps ttyS nodes for UARTs that may not exist; type 0 means no chip answered.
bool HasUart(const std::filesystem::path& entry) {
    std::ifstream type(entry / "type");
    int value = 0;
    return type >> value && value != 0;
}

}  // namespace

std::vector<std::string> ListSerialPorts(const std::string& sysClassTty,
                                         const std::string& devDir) {
    std::vector<PortName> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(sysClassTty, error)) {
        PortName port;
        if (!ParsePortName(entry.path().filename().string(), port)) continue;
        if (kKinds[port.kind] == "ttyS" && !HasUart(entry.path())) continue;
        found.push_back(std::move(port));
    }
    std::sort(found.begin(), found.end(), [](const PortName& a, const PortName& b) {
        return a.kind != b.kind ? a.kind < b.kind : a.number < b.number;
    });
    std::vector<std::string> paths;
    for (const PortName& port : found)
        paths.push_back((std::filesystem::path(devDir) / port.name).string());
    return paths;
}

}  // namespace velto
