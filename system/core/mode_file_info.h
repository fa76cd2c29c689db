#pragma once
// A readable account of a mode file for the command-line tools: identity, value count, date,
// password mark and whether the CRC holds.

#include <cstdint>
#include <span>
#include <string>

namespace velto {

std::string DescribeModeFile(std::span<const uint8_t> stored);

}  // namespace velto
