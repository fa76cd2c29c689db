#include "link/param_table.h"

#include "link/default_image.h"

namespace velto {

bool ParamSlot::StepRetry() {
    const uint8_t before = retry.load(std::memory_order_relaxed);
    if (before >= kRetryLimit) {
        retry.store(0, std::memory_order_relaxed);
        return true;
    }
    retry.store(static_cast<uint8_t>(before + 1), std::memory_order_relaxed);
    return false;
}

bool ParamTable::SetParam(int slot, int32_t value) {
    if (!IsSlot(slot)) return false;
    slots_[slot].value.store(value, std::memory_order_release);
    if (LinkStarted()) slots_[slot].writePending.store(1, std::memory_order_release);
    return true;
}

bool ParamTable::StoreAndMarkPending(int slot, int32_t value) {
    if (!IsSlot(slot)) return false;
    slots_[slot].value.store(value, std::memory_order_release);
    slots_[slot].writePending.store(1, std::memory_order_release);
    return true;
}

int32_t ParamTable::Value(int slot) const {
    return IsSlot(slot) ? slots_[slot].Value() : 0;
}

bool ParamTable::Received(int slot) const {
    return IsSlot(slot) && slots_[slot].IsReceived();
}

bool ParamTable::WritePending(int slot) const {
    return IsSlot(slot) && slots_[slot].IsWritePending();
}

uint8_t ParamTable::Retry(int slot) const {
    return IsSlot(slot) ? slots_[slot].retry.load(std::memory_order_relaxed) : 0;
}

void ParamTable::LoadDefaultImage() {
    const auto& image = DefaultParamImage();
    for (int i = 0; i < kSlotCount; ++i) {
        ParamSlot& s = slots_[i];
        s.retry.store(0, std::memory_order_relaxed);
        s.received.store(0, std::memory_order_relaxed);
        s.writePending.store(0, std::memory_order_relaxed);
        s.value.store(image[i], std::memory_order_release);
    }
}

void ParamTable::ClearReceivedAndPending() {
    for (ParamSlot& s : slots_) {
        s.received.store(0, std::memory_order_release);
        s.writePending.store(0, std::memory_order_release);
    }
}

int ParamTable::CountReceived() const {
    int n = 0;
    for (const ParamSlot& s : slots_)
        n += s.IsReceived() ? 1 : 0;
    return n;
}

}  // namespace velto
