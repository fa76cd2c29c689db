#include "system/core/mode_file_codec.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "link/crc16.h"

namespace velto {
namespace {

// Field offsets in the logical image.
constexpr size_t kHeaderSizeAt = 256;
constexpr size_t kCountAt = 266;
constexpr size_t kIdentityAt = 276;
constexpr size_t kReservedAt = 286;
constexpr size_t kPasswordAt = 296;
constexpr size_t kReserved2At = 301;
constexpr size_t kDateAt = 306;
constexpr size_t kDateStride = 5;  // a 4-byte number and one filler byte
constexpr size_t kFieldsEnd = 336;
constexpr uint8_t kMissingNibble = 0xF;

void PutLe32(std::vector<uint8_t>& image, size_t at, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (size_t i = 0; i < 4; ++i)
        image[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

uint32_t GetLe32(const std::vector<uint8_t>& image, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i)
        v |= uint32_t{image[at + i]} << (8 * i);
    return v;
}

std::array<int32_t, 6> DateFields(const ModeFileDate& d) {
    return {d.year, d.month, d.day, d.hour, d.minute, d.second};
}

// Twenty distinct byte values: the first twenty of a shuffled 0..255.
std::array<uint8_t, kModeSymbolCount> ChooseSymbols(std::mt19937& random) {
    std::array<uint8_t, 256> all;
    std::iota(all.begin(), all.end(), uint8_t{0});
    std::array<uint8_t, kModeSymbolCount> symbols;
    for (size_t i = 0; i < symbols.size(); ++i) {
        std::uniform_int_distribution<size_t> pick(i, all.size() - 1);
        std::swap(all[i], all[pick(random)]);
        symbols[i] = all[i];
    }
    return symbols;
}

ModeFileHeader ReadHeader(const std::vector<uint8_t>& image) {
    ModeFileHeader h;
    h.headerSize = static_cast<int32_t>(GetLe32(image, kHeaderSizeAt));
    h.count = static_cast<int32_t>(GetLe32(image, kCountAt));
    h.identity = static_cast<int32_t>(GetLe32(image, kIdentityAt));
    h.passwordMark = image[kPasswordAt];
    int32_t* fields[] = {&h.date.year, &h.date.month,  &h.date.day,
                         &h.date.hour, &h.date.minute, &h.date.second};
    for (size_t i = 0; i < 6; ++i)
        *fields[i] = static_cast<int32_t>(GetLe32(image, kDateAt + i * kDateStride));
    return h;
}

}  // namespace

std::vector<uint8_t> EncodeModeFile(std::span<const uint16_t> values, int32_t identity,
                                    const ModeFileDate& date, std::mt19937& random,
                                    uint8_t passwordMark) {
    const size_t valuesAt = kModeHeaderSize;
    const size_t crcAt = valuesAt + 2 * values.size();
    std::vector<uint8_t> image(crcAt + 4);
    std::uniform_int_distribution<int> byte(0, 255);
    for (size_t i = 0; i < valuesAt; ++i)
        image[i] = static_cast<uint8_t>(byte(random));

    const auto symbols = ChooseSymbols(random);
    std::copy(symbols.begin(), symbols.end(), image.begin() + kModeSymbolOffset);
    PutLe32(image, kHeaderSizeAt, kModeHeaderSize);
    PutLe32(image, kCountAt, static_cast<int32_t>(values.size()));
    PutLe32(image, kIdentityAt, identity);
    PutLe32(image, kReservedAt, 0);
    image[kPasswordAt] = passwordMark;
    PutLe32(image, kReserved2At, 0);
    const auto fields = DateFields(date);
    for (size_t i = 0; i < fields.size(); ++i)
        PutLe32(image, kDateAt + i * kDateStride, fields[i]);
    for (size_t i = 0; i < values.size(); ++i) {
        image[valuesAt + 2 * i] = static_cast<uint8_t>(values[i] & 0xFF);
        image[valuesAt + 2 * i + 1] = static_cast<uint8_t>(values[i] >> 8);
    }
    PutLe32(image, crcAt, Crc16Modbus(std::span(image).first(crcAt)));

    std::vector<uint8_t> stored(image.begin(), image.begin() + kModePlainBytes);
    stored.reserve(kModePlainBytes + 2 * (image.size() - kModePlainBytes));
    for (size_t i = kModePlainBytes; i < image.size(); ++i) {
        stored.push_back(symbols[image[i] >> 4]);
        stored.push_back(symbols[image[i] & 0xF]);
    }
    return stored;
}

DecodedModeFile DecodeModeFile(std::span<const uint8_t> stored) {
    DecodedModeFile result;
    if (stored.size() < kModePlainBytes) return result;

    // Nibble of each byte value; the first occurrence of a symbol wins.
    std::array<uint8_t, 256> nibbleOf;
    nibbleOf.fill(kMissingNibble);
    for (size_t n = 16; n-- > 0;)
        nibbleOf[stored[kModeSymbolOffset + n]] = static_cast<uint8_t>(n);

    std::vector<uint8_t> image(stored.begin(), stored.begin() + kModePlainBytes);
    for (size_t i = kModePlainBytes; i + 1 < stored.size(); i += 2)
        image.push_back(static_cast<uint8_t>(nibbleOf[stored[i]] << 4 | nibbleOf[stored[i + 1]]));
    if (image.size() < kFieldsEnd) return result;

    result.headerRead = true;
    result.header = ReadHeader(image);
    const int64_t headerSize = result.header.headerSize;
    const int64_t count = result.header.count;
    if (headerSize < 0 || count < 0) return result;
    const int64_t crcAt = headerSize + 2 * count;
    if (crcAt + 4 > static_cast<int64_t>(image.size())) return result;
    result.complete = true;

    const auto end = static_cast<size_t>(crcAt);
    result.crcHolds = GetLe32(image, end) == Crc16Modbus(std::span(image).first(end));
    if (!result.crcHolds) return result;
    result.values.resize(static_cast<size_t>(count));
    const auto at = static_cast<size_t>(headerSize);
    for (size_t i = 0; i < result.values.size(); ++i)
        result.values[i] = static_cast<uint16_t>(image[at + 2 * i] | image[at + 2 * i + 1] << 8);
    return result;
}

}  // namespace velto
