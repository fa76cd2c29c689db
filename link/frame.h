#pragma once
// The protocol frame: 0x80, length byte, command, payload, CRC-16 high byte first.

#include <cstdint>
#include <span>
#include <vector>

namespace velto {

inline constexpr uint8_t kFrameStart = 0x80;
inline constexpr size_t kFrameOverhead = 5;

enum class Command : uint8_t {
    Identify = 0,
    Recall = 1,
    WriteParams = 3,
    PresetName = 4,
    ReadParams = 6,
    SavePreset = 16,
    StoreData = 33,
    WifiText = 87,
    DumpAll = 240,
};

// Length byte for a payload of n bytes: n + 3 up to 249, 255 from 250 on.
constexpr uint8_t FrameLengthByte(size_t payloadSize) {
    return payloadSize <= 249 ? static_cast<uint8_t>(payloadSize + 3) : 255;
}

// The whole frame for one command and payload.
std::vector<uint8_t> BuildFrame(uint8_t command, std::span<const uint8_t> payload);
inline std::vector<uint8_t> BuildFrame(Command command, std::span<const uint8_t> payload) {
    return BuildFrame(static_cast<uint8_t>(command), payload);
}

}  // namespace velto
