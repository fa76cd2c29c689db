#include "link/frame_codec.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "link/crc16.h"
#include "link/transport.h"

namespace velto {
namespace {

// Commands whose arrival wakes a waiting sender.
bool ReleasesWaiter(uint8_t command) {
    switch (command) {
        case 0:
        case 1:
        case 3:
        case 4:
        case 6:
        case 16:
        case 32:
        case 33:
        case 87:
        case 252:
        case 254:
        case 255:
            return true;
        default:
            return false;
    }
}

int NextSlot(int slot) {
    return slot + 1 >= kSlotCount ? 0 : slot + 1;
}

}  // namespace

FrameCodec::FrameCodec(ParamTable& table, LinkState& state, const LinkClock& clock)
    : table_(table), state_(state), clock_(clock) {}

void FrameCodec::SendFrame(Command command, std::span<const uint8_t> payload) {
    const std::vector<uint8_t> frame = BuildFrame(command, payload);
    const LinkTiming timing = state_.Timing();
    const uint32_t silentFor =
        clock_.NowMs() - state_.lastValidFrameMs.load(std::memory_order_acquire);
    Transport* transport = transport_.load(std::memory_order_acquire);
    if (command != Command::WifiText && silentFor >= static_cast<uint32_t>(timing.silenceLimitMs)) {
        if (state_.linkKind.load() == kLinkNetwork && transport) transport->Reprobe();
        const uint8_t before = state_.missCounter.load(std::memory_order_relaxed);
        state_.missCounter.store(static_cast<uint8_t>(before + 1), std::memory_order_relaxed);
        if (before >= timing.missLimit) {
            state_.linkUp.store(false, std::memory_order_release);
            state_.missCounter.store(0, std::memory_order_relaxed);
        }
    }
    if (transport) transport->Send(frame);
}

bool FrameCodec::WaitForReply(int ms, bool connected) {
    if (!connected) return true;  // proceed as if signalled
    return semaphore_.Wait(clock_.RealDuration(ms));
}

bool FrameCodec::SendAndWait(Command command, std::span<const uint8_t> payload, int ms,
                             bool connected) {
    SetWaiting(true);
    SendFrame(command, payload);
    const bool signalled = WaitForReply(ms, connected);
    SetWaiting(false);
    return signalled;
}

void FrameCodec::ReadSlot(int slot) {
    const uint8_t payload[2] = {static_cast<uint8_t>(slot >> 8), static_cast<uint8_t>(slot & 0xFF)};
    SendFrame(Command::ReadParams, payload);
}

void FrameCodec::ReadBatch(int start, int maxItems) {
    if (start != kContinueFromCursor) readCursor_ = std::clamp(start, 0, kSlotCount - 1);
    if (maxItems <= 0) return;
    uint8_t payload[2 * kMaxReadItems];
    size_t size = 0;
    int count = 0;
    int slot = readCursor_;
    for (int visited = 0; visited < kSlotCount; ++visited, slot = NextSlot(slot)) {
        ParamSlot& s = table_.Slots()[slot];
        if (s.IsReceived()) continue;
        payload[size++] = static_cast<uint8_t>(slot >> 8);
        payload[size++] = static_cast<uint8_t>(slot & 0xFF);
        if (++count == maxItems || size >= sizeof payload) {
            readCursor_ = slot;
            break;
        }
        s.StepRetry();
    }
    SendFrame(Command::ReadParams, std::span(payload, size));
}

void FrameCodec::WriteBatch(int start, int maxItems) {
    if (start != kContinueFromCursor) writeCursor_ = std::clamp(start, 0, kSlotCount - 1);
    if (maxItems <= 0) return;
    std::vector<uint8_t> payload;
    payload.reserve(4 * static_cast<size_t>(maxItems));
    int count = 0;
    int slot = writeCursor_;
    for (int visited = 0; visited < kSlotCount; ++visited, slot = NextSlot(slot)) {
        ParamSlot& s = table_.Slots()[slot];
        if (!s.IsWritePending()) continue;
        const int32_t value = s.Value();
        if (slot == kPresetControlSlot && (value & 0xFF00) == 0x0500) {
            // A name request rides in the control slot; it goes out on its own.
            writeCursor_ = kPresetControlSlot;
            const uint8_t preset = static_cast<uint8_t>(value & 0xFF);
            SendFrame(Command::PresetName, std::span(&preset, 1));
            return;
        }
        payload.insert(
            payload.end(),
            {static_cast<uint8_t>(slot >> 8), static_cast<uint8_t>(slot & 0xFF),
             static_cast<uint8_t>((value >> 8) & 0xFF), static_cast<uint8_t>(value & 0xFF)});
        if (s.StepRetry()) s.writePending.store(0, std::memory_order_release);  // last try
        if (++count == maxItems) {
            writeCursor_ = NextSlot(slot);
            break;
        }
    }
    SendFrame(Command::WriteParams, payload);
}

void FrameCodec::DecodeBytes(const uint8_t* data, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        if (received_ >= kReceiveBufferSize) received_ = 0;
        buffer_[received_++] = data[i];
    }
    if (received_ < kFrameOverhead) return;  // not even an empty frame yet

    size_t consumed = 0;
    size_t s = 0;
    while (s + 3 < received_) {
        if (buffer_[s] != kFrameStart) {
            ++s;
            continue;
        }
        const size_t length = buffer_[s + 1];
        if (length < 3) {
            ++s;
            continue;
        }
        if (s + length + 1 >= received_) break;  // incomplete: wait for more bytes
        const uint16_t crc = Crc16Modbus(std::span(&buffer_[s], length));
        if (crc != buffer_[s + length] * 256 + buffer_[s + length + 1]) {
            ++s;
            continue;
        }
        state_.missCounter.store(0, std::memory_order_relaxed);
        state_.lastValidFrameMs.store(clock_.NowMs(), std::memory_order_release);
        const uint8_t command = buffer_[s + 2];
        ApplyFrame(command, &buffer_[s + 3], length - 3);
        if (ReleasesWaiter(command) && waiting_.load(std::memory_order_acquire) == 1)
            semaphore_.Release();
        consumed = s + length + 2;
        // The CRC's low byte may be 0x80 itself; it belongs to this frame, so scan on after it.
        s = consumed;
    }
    if (consumed >= received_) {
        received_ = 0;
    } else if (consumed > 0) {
        std::memmove(buffer_.data(), buffer_.data() + consumed, received_ - consumed);
        received_ -= consumed;
    }
}

void FrameCodec::ApplyFrame(uint8_t command, const uint8_t* payload, size_t size) {
    switch (command) {
        case static_cast<uint8_t>(Command::Identify):
            ApplyIdentify(payload, size);
            break;
        case static_cast<uint8_t>(Command::Recall):
            Ack(AckCell::Recall).store(1, std::memory_order_release);
            break;
        case static_cast<uint8_t>(Command::WriteParams):
            ApplyWriteEcho(payload, size);
            break;
        case static_cast<uint8_t>(Command::PresetName):
            ApplyPresetName(payload, size);
            break;
        case static_cast<uint8_t>(Command::ReadParams):
            ApplyReadReply(payload, size);
            break;
        case static_cast<uint8_t>(Command::SavePreset):
            Ack(AckCell::SavePreset).store(16, std::memory_order_release);
            break;
        case static_cast<uint8_t>(Command::StoreData):
            Ack(AckCell::StoreData).store(33, std::memory_order_release);
            break;
        case static_cast<uint8_t>(Command::WifiText):
            if (size >= 2 && wifiReply_)
                wifiReply_(std::string_view(reinterpret_cast<const char*>(payload), size - 2));
            break;
        default:
            break;  // acknowledgements and unknown commands: nothing beyond the common step
    }
}

void FrameCodec::ApplyIdentify(const uint8_t* payload, size_t size) {
    if (size >= 1 && (payload[0] == 1 || payload[0] == 2)) {
        if (size < 6) return;
        modeLimit_.store(payload[1], std::memory_order_release);
        const uint32_t mask = payload[2] | payload[3] << 8 | payload[4] << 16 |
                              static_cast<uint32_t>(payload[5]) << 24;
        encryptedMask_.store(mask, std::memory_order_release);
        return;
    }
    if (size >= 2) identity_.store(payload[0] * 256 + payload[1], std::memory_order_release);
}

void FrameCodec::ApplyWriteEcho(const uint8_t* payload, size_t size) {
    for (size_t i = 0; i + 4 <= size; i += 4) {
        ParamSlot* s = table_.Find(payload[i] * 256 + payload[i + 1]);
        if (!s) continue;
        const int32_t echoed = payload[i + 2] * 256 + payload[i + 3];
        if (s->Value() == echoed) {
            s->writePending.store(0, std::memory_order_release);
            s->retry.store(0, std::memory_order_relaxed);
        } else if (s->IsWritePending() || s->retry.load(std::memory_order_relaxed) != 0) {
            // A slot whose last try is spent (not pending, counter back at 0) stays given up
            // until its next change; re-arming it here would resend it forever.
            s->writePending.store(1, std::memory_order_release);
        }
    }
}

void FrameCodec::ApplyPresetName(const uint8_t* payload, size_t size) {
    Ack(AckCell::PresetName).store(4, std::memory_order_release);
    if (size < 1 || payload[0] == 0) return;
    const int number = payload[0];
    PresetName name{};
    for (size_t i = 1; i < size && i - 1 < name.size(); ++i)
        name[i - 1] = payload[i];
    for (int i = kPresetNameLength - 1; i >= 1; --i) {
        if (name[i] >= 33 && name[i] <= 122) break;
        name[i] = 0;
    }
    const int entry = (number - 1) % kPresetCount;
    {
        std::lock_guard lock(namesMutex_);
        scratch_ = name;
        names_[entry] = name;
        nameReceived_[entry] = true;
    }
    ParamSlot& control = table_.Slots()[kPresetControlSlot];
    control.value.store(number, std::memory_order_release);
    control.received.store(1, std::memory_order_release);
    control.writePending.store(0, std::memory_order_release);
}

void FrameCodec::ApplyReadReply(const uint8_t* payload, size_t size) {
    for (size_t i = 0; i + 4 <= size; i += 4) {
        const int slot = payload[i] * 256 + payload[i + 1];
        ParamSlot* s = table_.Find(slot);
        if (!s) continue;
        const int32_t value = payload[i + 2] * 256 + payload[i + 3];
        s->value.store(value, std::memory_order_release);
        s->received.store(1, std::memory_order_release);
        if (slot == kCurrentModeSlot && value <= modeLimit_.load(std::memory_order_acquire))
            encrypted_.store(
                ((encryptedMask_.load(std::memory_order_acquire) >> (value % 32)) & 1) != 0,
                std::memory_order_release);
    }
}

PresetName FrameCodec::PresetNameOf(int preset) const {
    if (preset < 1 || preset > kPresetCount) return {};
    std::lock_guard lock(namesMutex_);
    return names_[preset - 1];
}

std::string FrameCodec::PresetNameUtf8(int preset) const {
    std::string out;
    for (char16_t c : PresetNameOf(preset)) {
        if (c == 0) break;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {  // names arrive as single bytes: widen Latin-1 to UTF-8
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

bool FrameCodec::NameReceived(int preset) const {
    if (preset < 1 || preset > kPresetCount) return false;
    std::lock_guard lock(namesMutex_);
    return nameReceived_[preset - 1];
}

void FrameCodec::ClearNameReceived(int preset) {
    if (preset < 1 || preset > kPresetCount) return;
    std::lock_guard lock(namesMutex_);
    nameReceived_[preset - 1] = false;
}

PresetName FrameCodec::NameScratch() const {
    std::lock_guard lock(namesMutex_);
    return scratch_;
}

void FrameCodec::SetNameScratch(const PresetName& name) {
    std::lock_guard lock(namesMutex_);
    scratch_ = name;
}

}  // namespace velto
