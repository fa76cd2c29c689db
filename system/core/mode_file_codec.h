#pragma once
// The layout of local mode files (.qvd) and external data files (.PCE): a 256-byte plain head,
// then the rest of a logical image stored as two symbol bytes per byte, one per nibble, with
// the symbols taken from a table inside the plain head.  The image holds a 512-byte header,
// the values and a CRC-16/MODBUS over header and values.  Filler and symbols are random, so
// two files of the same values differ.

#include <cstdint>
#include <random>
#include <span>
#include <vector>

namespace velto {

inline constexpr int32_t kModeHeaderSize = 512;
inline constexpr size_t kModePlainBytes = 256;
inline constexpr size_t kModeSymbolOffset = 20;
inline constexpr size_t kModeSymbolCount = 20;

struct ModeFileDate {
    int32_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    bool operator==(const ModeFileDate&) const = default;
};

struct ModeFileHeader {
    int32_t headerSize = 0;
    int32_t count = 0;  // number of values
    int32_t identity = 0;
    uint8_t passwordMark = 0;  // 1: the data is locked and must not be loaded
    ModeFileDate date;
};

// Stored size of a file written with the default header and count values.
constexpr size_t ModeFileSize(size_t count) {
    return kModePlainBytes + 2 * (kModeHeaderSize + 2 * count + 4 - kModePlainBytes);
}

// The stored bytes of a file holding values for the device of the given identity code.  This
// program writes only unlocked files; the mark exists for data prepared elsewhere.
std::vector<uint8_t> EncodeModeFile(std::span<const uint16_t> values, int32_t identity,
                                    const ModeFileDate& date, std::mt19937& random,
                                    uint8_t passwordMark = 0);

struct DecodedModeFile {
    // Header fields lie inside the file; they are filled even when the rest does not hold.
    bool headerRead = false;
    // Header size and count are sane and the values and the CRC lie inside the file.
    bool complete = false;
    bool crcHolds = false;
    ModeFileHeader header;
    std::vector<uint16_t> values;  // filled only when the CRC holds
};

// Decodes any byte sequence; never reads outside it.  A stored byte that is not one of the
// first 16 symbols decodes as the nibble 0xF.
DecodedModeFile DecodeModeFile(std::span<const uint8_t> stored);

}  // namespace velto
