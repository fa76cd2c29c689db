#include "link/wifi_reply_parser.h"

#include "link/frame_codec.h"

namespace velto {
namespace {

int FirstMatchingEntry(std::string_view text, size_t& at) {
    for (int entry = 0; entry < kWifiEntryCount; ++entry) {
        const std::string_view prefix = WifiReplyPrefix(entry);
        if (prefix.empty()) continue;
        at = text.find(prefix);
        if (at != std::string_view::npos) return entry;
    }
    return -1;
}

bool IsDecimalEntry(int entry) {
    return entry == kWifiGetTcpPort || entry == kWifiGetUdpPort;
}

}  // namespace

int32_t ParseWifiHex(std::string_view digits) {
    uint32_t value = 0;
    for (const char c : digits) {
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c == ' ') {
            digit = 0;
        } else {
            continue;
        }
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return static_cast<int32_t>(value);
}

int32_t ParseWifiDecimal(std::string_view digits) {
    uint32_t value = 0;
    for (const char c : digits)
        if (c >= '0' && c <= '9') value = value * 10 + static_cast<uint32_t>(c - '0');
    return static_cast<int32_t>(value);
}

int ParseWifiReply(std::string_view text, WifiModuleState& wifi) {
    text = text.substr(0, text.find('\0'));
    size_t at = 0;
    const int entry = FirstMatchingEntry(text, at);
    if (entry < 0) return -1;
    // From the prefix on: a reply with noise in front still reads its own value and keeps the
    // prefix at the start of a stored text, where the settings dialog expects it.
    const std::string_view reply = text.substr(at);
    const std::string_view rest = reply.substr(WifiReplyPrefix(entry).size());
    if (entry <= kWifiGetUdpPort) {
        if (rest.empty()) return -1;
        const int32_t value = IsDecimalEntry(entry) ? ParseWifiDecimal(rest) : ParseWifiHex(rest);
        wifi.requests.AnswerValue(entry, value);
        if (entry == kWifiGetIp) wifi.devices.Add(static_cast<uint32_t>(value));
    } else if (entry <= kWifiGetHotPassword) {
        wifi.requests.AnswerText(entry, reply);
    } else {
        wifi.requests.Answer(entry);
    }
    return entry;
}

void HookWifiReplies(FrameCodec& codec, WifiModuleState& wifi) {
    codec.SetWifiReplyHandler([&wifi](std::string_view text) { ParseWifiReply(text, wifi); });
}

}  // namespace velto
