#include "link/frame.h"

#include "link/crc16.h"

namespace velto {

std::vector<uint8_t> BuildFrame(uint8_t command, std::span<const uint8_t> payload) {
    std::vector<uint8_t> frame;
    frame.reserve(payload.size() + kFrameOverhead);
    frame.push_back(kFrameStart);
    frame.push_back(FrameLengthByte(payload.size()));
    frame.push_back(command);
    frame.insert(frame.end(), payload.begin(), payload.end());
    const uint16_t crc = Crc16Modbus(frame);
    frame.push_back(static_cast<uint8_t>(crc >> 8));
    frame.push_back(static_cast<uint8_t>(crc & 0xFF));
    return frame;
}

}  // namespace velto
