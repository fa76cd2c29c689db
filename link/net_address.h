#pragma once
// IPv4 addresses as the network link keeps them: 32-bit numbers in host order, a.b.c.d being
// a * 2^24 + b * 2^16 + c * 2^8 + d.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velto {

// The address of no module yet; also the link address before the module has reported one.
inline constexpr uint32_t kUnknownLinkAddress = 0xFFFFFFFF;

// "a.b.c.d", most significant byte first.
std::string FormatIpv4(uint32_t address);
// Four dotted decimal numbers 0..255, nothing else.
std::optional<uint32_t> ParseIpv4(std::string_view text);

}  // namespace velto
