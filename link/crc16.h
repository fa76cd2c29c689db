#pragma once
// CRC-16/MODBUS (reflected polynomial 0xA001, initial 0xFFFF, no final XOR).  It protects the
// protocol frames, the mode files and the update packets.  Computed bit by bit on purpose: the
// frames are short and a table buys nothing measurable here (see bench/decoder_bench).

#include <cstddef>
#include <cstdint>
#include <span>

namespace velto {

uint16_t Crc16Modbus(std::span<const uint8_t> bytes);

}  // namespace velto
