#include "link/net_options.h"

#include <charconv>

#include "link/net_address.h"

namespace velto {

std::optional<NetOptions> ParseNetLinkSpec(std::string_view spec, NetOptions base) {
    constexpr std::string_view kKind = "net";
    if (spec.substr(0, kKind.size()) != kKind) return std::nullopt;
    spec.remove_prefix(kKind.size());
    NetOptions options = std::move(base);
    if (spec.empty()) return options;
    if (spec.front() != ':') return std::nullopt;
    spec.remove_prefix(1);
    const size_t colon = spec.find(':');
    const std::optional<uint32_t> address = ParseIpv4(spec.substr(0, colon));
    if (!address || *address == 0) return std::nullopt;
    options.directAddress = *address;
    if (colon == std::string_view::npos) return options;
    const std::string_view port = spec.substr(colon + 1);
    unsigned value = 0;
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (error != std::errc() || end != port.data() + port.size() || value == 0 || value > 65535)
        return std::nullopt;
    options.modulePort = static_cast<uint16_t>(value);
    return options;
}

}  // namespace velto
