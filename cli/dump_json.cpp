#include "cli/dump_json.h"

#include <cstdio>

namespace velto::cli {

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string DumpJson(const std::vector<int32_t>& slots, const std::vector<std::string>& presets) {
    std::string out = "{\"slots\":[";
    for (size_t i = 0; i < slots.size(); ++i)
        out += (i ? "," : "") + std::to_string(slots[i]);
    out += "],\"presets\":[";
    for (size_t i = 0; i < presets.size(); ++i)
        out += (i ? "," : "") + JsonString(presets[i]);
    return out + "]}";
}

}  // namespace velto::cli
