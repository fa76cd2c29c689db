#include "link/net_address.h"

#include <charconv>
#include <cstdio>

namespace velto {

std::string FormatIpv4(uint32_t address) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", static_cast<int>(address >> 24),
                  static_cast<int>((address >> 16) & 0xFF), static_cast<int>((address >> 8) & 0xFF),
                  static_cast<int>(address & 0xFF));
    return text;
}

std::optional<uint32_t> ParseIpv4(std::string_view text) {
    uint32_t address = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (text.empty() || text.front() != '.') return std::nullopt;
            text.remove_prefix(1);
        }
        unsigned value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        const size_t digits = static_cast<size_t>(end - text.data());
        if (error != std::errc() || digits == 0 || digits > 3 || value > 255) return std::nullopt;
        address = address << 8 | value;
        text.remove_prefix(digits);
    }
    if (!text.empty()) return std::nullopt;
    return address;
}

}  // namespace velto
