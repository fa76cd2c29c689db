#include "link/wifi_request_table.h"

namespace velto {
namespace {

// Sends on the frame channel before a request is given up.
constexpr uint8_t kRetryLimit = 10;

constexpr std::array<std::string_view, kWifiEntryCount> kPrefixes = {
    "Get_IP:",        "Get_LinkIP:",    "Get_WiFiMode:", "Get_TCPPort:", "Get_UDPPort:",
    "Get_RouteSSID:", "Get_RoutePW:",   "Get_HotSSID:",  "Get_HotPW:",   "",
    "Set_WiFiMode:",  "Set_RouteSSID:", "Set_RoutePW:",  "Set_HotSSID:", "Set_HotPW:",
    "Set_Restore:",   "Set_Restart:",
};

}  // namespace

std::string_view WifiReplyPrefix(int entry) {
    if (entry < 0 || entry >= kWifiEntryCount) return {};
    return kPrefixes[static_cast<size_t>(entry)];
}

void WifiRequestTable::SetRequest(int entry, std::string_view text) {
    std::lock_guard lock(textMutex_);
    texts_[static_cast<size_t>(entry)] = std::string(text.substr(0, kWifiTextLimit));
}

std::string WifiRequestTable::Text(int entry) const {
    std::lock_guard lock(textMutex_);
    return texts_[static_cast<size_t>(entry)];
}

void WifiRequestTable::AnswerValue(int entry, int32_t value) {
    At(entry).value.store(value, std::memory_order_release);
    Settle(entry);
}

void WifiRequestTable::AnswerText(int entry, std::string_view text) {
    SetRequest(entry, text);
    Settle(entry);
}

void WifiRequestTable::Answer(int entry) {
    Settle(entry);
}

void WifiRequestTable::Settle(int entry) {
    Entry& e = At(entry);
    e.pending.store(0, std::memory_order_release);
    e.retry.store(0, std::memory_order_release);
    e.answered.store(1, std::memory_order_release);
}

bool WifiRequestTable::StepRetry(int entry) {
    Entry& e = At(entry);
    const uint8_t count = static_cast<uint8_t>(e.retry.load(std::memory_order_acquire) + 1);
    if (count < kRetryLimit) {
        e.retry.store(count, std::memory_order_release);
        return false;
    }
    e.retry.store(0, std::memory_order_release);
    e.pending.store(0, std::memory_order_release);
    return true;
}

void WifiRequestTable::Clear() {
    for (Entry& e : entries_) {
        e.answered.store(0, std::memory_order_release);
        e.pending.store(0, std::memory_order_release);
        e.value.store(0, std::memory_order_release);
        e.retry.store(0, std::memory_order_release);
    }
    std::lock_guard lock(textMutex_);
    for (std::string& text : texts_)
        text.clear();
}

}  // namespace velto
