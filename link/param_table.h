#pragma once
// The application's mirror of the processor's 923 parameter slots, with the bookkeeping the
// link needs to keep mirror and processor in step.  Shared by the user-interface thread, the
// link thread and the transport's receiving thread without a lock: every field is an atomic
// word, writers store the value before the flag (release), readers load the flag first (acquire).

#include <array>
#include <atomic>
#include <cstdint>

namespace velto {

inline constexpr int kSlotCount = 923;
inline constexpr int kIdentitySlot = 0;
inline constexpr int kCurrentModeSlot = 913;
inline constexpr int kPresetControlSlot = 914;
inline constexpr int kKeepAliveSlot = 915;
inline constexpr int kModeBitsSlot = 922;
inline constexpr int32_t kIdentityCode = 20005;
inline constexpr uint8_t kRetryLimit = 10;

struct ParamSlot {
    std::atomic<int32_t> value{0};
    std::atomic<uint8_t> retry{0};
    std::atomic<int32_t> received{0};
    std::atomic<int32_t> writePending{0};

    bool IsReceived() const { return received.load(std::memory_order_acquire) > 0; }
    bool IsWritePending() const { return writePending.load(std::memory_order_acquire) > 0; }
    int32_t Value() const { return value.load(std::memory_order_acquire); }

    // One more send of this slot.  From kRetryLimit the counter wraps to 0 and the call
    // returns true: that send was the slot's last try.
    bool StepRetry();
};

class ParamTable {
  public:
    static constexpr bool IsSlot(int slot) { return slot >= 0 && slot < kSlotCount; }

    // The main window's store: value, then write-pending once the link has been started.
    // A slot outside 0..922 is refused (returns false) and nothing is touched.
    bool SetParam(int slot, int32_t value);
    // A store that marks the slot write-pending whether or not the link has been started.
    bool StoreAndMarkPending(int slot, int32_t value);

    void SetLinkStarted(bool on) { linkStarted_.store(on, std::memory_order_release); }
    bool LinkStarted() const { return linkStarted_.load(std::memory_order_acquire); }

    // Reads; a slot outside 0..922 reads as 0 / false.
    int32_t Value(int slot) const;
    bool Received(int slot) const;
    bool WritePending(int slot) const;
    uint8_t Retry(int slot) const;

    // Bounds-checked access for link code; nullptr outside 0..922.
    ParamSlot* Find(int slot) { return IsSlot(slot) ? &slots_[slot] : nullptr; }
    // Whole-table access for loops over every slot.
    std::array<ParamSlot, kSlotCount>& Slots() { return slots_; }
    const std::array<ParamSlot, kSlotCount>& Slots() const { return slots_; }

    // Zeroes every field of every slot, then loads the default image into the values.
    void LoadDefaultImage();
    void ClearReceivedAndPending();
    int CountReceived() const;

  private:
    std::array<ParamSlot, kSlotCount> slots_{};
    std::atomic<bool> linkStarted_{false};
};

}  // namespace velto
