#pragma once
// The WiFi module's request table: 17 entries that both channels serve (WifiText frames on the
// USB and serial links, UDP datagrams on the network link).  Marks and values are atomics
// written value-before-mark; a request text is a std::string and so sits behind a mutex.

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

namespace velto {

inline constexpr int kWifiEntryCount = 17;
// The longest request text the module accepts.
inline constexpr size_t kWifiTextLimit = 99;

enum WifiEntry : int {
    kWifiGetIp = 0,
    kWifiGetLinkIp = 1,
    kWifiGetMode = 2,
    kWifiGetTcpPort = 3,
    kWifiGetUdpPort = 4,
    kWifiGetRouteSsid = 5,
    kWifiGetRoutePassword = 6,
    kWifiGetHotSsid = 7,
    kWifiGetHotPassword = 8,
    kWifiSetMode = 10,
    kWifiSetRouteSsid = 11,
    kWifiSetRoutePassword = 12,
    kWifiSetHotSsid = 13,
    kWifiSetHotPassword = 14,
    kWifiSetRestore = 15,
    kWifiSetRestart = 16,
};

// The reply prefix of an entry ("Get_IP:", ... "Set_Restart:"); empty for the unused entry 9.
std::string_view WifiReplyPrefix(int entry);

class WifiRequestTable {
  public:
    // Replaces the entry's text, cut to the module's 99-byte limit.  Marking it pending is the
    // caller's next step, so the text is in place before the mark.
    void SetRequest(int entry, std::string_view text);
    std::string Text(int entry) const;

    void MarkPending(int entry) { At(entry).pending.store(1, std::memory_order_release); }
    bool Pending(int entry) const { return At(entry).pending.load(std::memory_order_acquire); }
    bool Answered(int entry) const { return At(entry).answered.load(std::memory_order_acquire); }
    void ClearAnswered(int entry) { At(entry).answered.store(0, std::memory_order_release); }
    int32_t Value(int entry) const { return At(entry).value.load(std::memory_order_acquire); }
    int Retries(int entry) const { return At(entry).retry.load(std::memory_order_acquire); }

    // --- reply side (decoder or discovery thread) ---------------------------------------
    void AnswerValue(int entry, int32_t value);
    void AnswerText(int entry, std::string_view text);
    void Answer(int entry);

    // --- frame channel (link thread) -----------------------------------------------------
    // Counts one more send; true when the entry has now reached the retry limit and was
    // dropped (retry counter and pending mark cleared).
    bool StepRetry(int entry);

    // Zeroes every entry (link start).
    void Clear();

  private:
    struct Entry {
        std::atomic<uint8_t> answered{0};
        std::atomic<uint8_t> pending{0};
        std::atomic<int32_t> value{0};
        std::atomic<uint8_t> retry{0};
    };
    Entry& At(int entry) { return entries_[static_cast<size_t>(entry)]; }
    const Entry& At(int entry) const { return entries_[static_cast<size_t>(entry)]; }
    void Settle(int entry);

    std::array<Entry, kWifiEntryCount> entries_{};
    mutable std::mutex textMutex_;
    std::array<std::string, kWifiEntryCount> texts_{};
};

}  // namespace velto
