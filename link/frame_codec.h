#pragma once
// Frame building and the reply decoder.  SendFrame and the batch builders run on the link
// thread; DecodeBytes runs on the active transport's receiving thread.

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <string_view>

#include "link/frame.h"
#include "link/link_clock.h"
#include "link/link_state.h"
#include "link/param_table.h"
#include "link/reply_semaphore.h"

namespace velto {

class Transport;

inline constexpr int kPresetCount = 16;
inline constexpr int kPresetNameLength = 25;
inline constexpr size_t kReceiveBufferSize = 8192;
inline constexpr int kContinueFromCursor = 0xFFFF;
inline constexpr int kMaxReadItems = 25;

// The commands whose reply sets an acknowledgement cell.
enum class AckCell { Recall, PresetName, SavePreset, StoreData };

using PresetName = std::array<char16_t, kPresetNameLength>;

class FrameCodec {
  public:
    FrameCodec(ParamTable& table, LinkState& state, const LinkClock& clock);

    // --- link thread -------------------------------------------------------------------
    void SetTransport(Transport* transport) {
        transport_.store(transport, std::memory_order_release);
    }
    void SendFrame(Command command, std::span<const uint8_t> payload);
    void ReadBatch(int start, int maxItems);
    void WriteBatch(int start, int maxItems);
    // Reply hand-off: the caller sets the waiting flag, sends, then waits.
    void SetWaiting(bool waiting) { waiting_.store(waiting ? 1 : 0, std::memory_order_release); }
    // Waits up to ms link milliseconds when connected; returns whether a reply released it.
    bool WaitForReply(int ms, bool connected);
    // Releases a waiting sender from outside the decoder (StopLink).
    void ReleaseWaiter() { semaphore_.Release(); }
    // Sets the waiting flag, sends, waits, clears the flag.
    bool SendAndWait(Command command, std::span<const uint8_t> payload, int ms, bool connected);
    void ReadSlot(int slot);

    void ClearAck(AckCell cell) { Ack(cell).store(0, std::memory_order_release); }
    bool Acknowledged(AckCell cell) const {
        return AckRef(cell).load(std::memory_order_acquire) != 0;
    }

    // --- decoder (receiving thread) ----------------------------------------------------
    void DecodeBytes(const uint8_t* data, size_t count);
    void SetWifiReplyHandler(std::function<void(std::string_view)> handler) {
        wifiReply_ = std::move(handler);
    }
    // Forgets bytes held from a previous connection.
    void ResetReceiveBuffer() { received_ = 0; }

    // --- state the decoder keeps ---------------------------------------------------------
    int32_t IdentityCode() const { return identity_.load(std::memory_order_acquire); }
    void SetIdentityCode(int32_t code) { identity_.store(code, std::memory_order_release); }
    int32_t ModeLimit() const { return modeLimit_.load(std::memory_order_acquire); }
    uint32_t EncryptedMask() const { return encryptedMask_.load(std::memory_order_acquire); }
    bool Encrypted() const { return encrypted_.load(std::memory_order_acquire); }
    int ReadCursor() const { return readCursor_; }
    int WriteCursor() const { return writeCursor_; }
    void ResetReadCursor() { readCursor_ = 0; }

    PresetName PresetNameOf(int preset) const;  // preset 1..16
    std::string PresetNameUtf8(int preset) const;
    bool NameReceived(int preset) const;
    void ClearNameReceived(int preset);
    PresetName NameScratch() const;
    void SetNameScratch(const PresetName& name);

  private:
    std::atomic<int32_t>& Ack(AckCell cell) { return acks_[static_cast<int>(cell)]; }
    const std::atomic<int32_t>& AckRef(AckCell cell) const { return acks_[static_cast<int>(cell)]; }
    void ApplyFrame(uint8_t command, const uint8_t* payload, size_t size);
    void ApplyIdentify(const uint8_t* payload, size_t size);
    void ApplyWriteEcho(const uint8_t* payload, size_t size);
    void ApplyPresetName(const uint8_t* payload, size_t size);
    void ApplyReadReply(const uint8_t* payload, size_t size);

    ParamTable& table_;
    LinkState& state_;
    const LinkClock& clock_;
    std::atomic<Transport*> transport_{nullptr};

    // Receiving thread only.
    std::array<uint8_t, kReceiveBufferSize> buffer_{};
    size_t received_ = 0;
    std::function<void(std::string_view)> wifiReply_;

    // Link thread only.
    int readCursor_ = 0;
    int writeCursor_ = 0;

    std::atomic<int32_t> identity_{0};
    std::atomic<int32_t> modeLimit_{16};
    std::atomic<uint32_t> encryptedMask_{0};
    std::atomic<bool> encrypted_{false};
    std::array<std::atomic<int32_t>, 4> acks_{};
    std::atomic<int32_t> waiting_{0};
    ReplySemaphore semaphore_;

    mutable std::mutex namesMutex_;
    PresetName scratch_{};
    std::array<PresetName, kPresetCount> names_{};
    std::array<bool, kPresetCount> nameReceived_{};
};

}  // namespace velto
