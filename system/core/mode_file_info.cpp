#include "system/core/mode_file_info.h"

#include <cstdio>

#include "system/core/mode_file_codec.h"

namespace velto {

std::string DescribeModeFile(std::span<const uint8_t> stored) {
    const DecodedModeFile file = DecodeModeFile(stored);
    if (!file.headerRead) return "not a mode file: too short for a header\n";
    const ModeFileHeader& h = file.header;
    char date[96];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d %02d:%02d:%02d", h.date.year, h.date.month,
                  h.date.day, h.date.hour, h.date.minute, h.date.second);
    std::string text;
    text += "identity: " + std::to_string(h.identity) + "\n";
    text += "values: " + std::to_string(h.count) + "\n";
    text += "header: " + std::to_string(h.headerSize) + " bytes\n";
    text += std::string("written: ") + date + "\n";
    text += std::string("password: ") + (h.passwordMark == 1 ? "locked" : "none") + "\n";
    const char* crc = !file.complete  ? "file shorter than its header and values"
                      : file.crcHolds ? "holds"
                                      : "mismatch";
    text += std::string("crc: ") + crc + "\n";
    return text;
}

}  // namespace velto
