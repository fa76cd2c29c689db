#include "sim/processor.h"

#include <algorithm>

#include "link/crc16.h"

namespace velto::sim {
namespace {

constexpr int32_t kIdentity = 20005;
constexpr int kModeSlot = 913;
constexpr int kPresetControl = 914;
constexpr int kPresetFirstSlot = 1;  // presets store slots 1..905
constexpr int kPresetLastSlot = 905;
constexpr size_t kItemsPerReply = 25;

void PutSlotValue(std::vector<uint8_t>& out, int slot, int32_t value) {
    out.insert(out.end(),
               {static_cast<uint8_t>(slot >> 8), static_cast<uint8_t>(slot & 0xFF),
                static_cast<uint8_t>((value >> 8) & 0xFF), static_cast<uint8_t>(value & 0xFF)});
}

}  // namespace

std::vector<uint8_t> MakeFrame(uint8_t command, std::span<const uint8_t> payload) {
    std::vector<uint8_t> frame{
        0x80, static_cast<uint8_t>(payload.size() <= 249 ? payload.size() + 3 : 255), command};
    frame.insert(frame.end(), payload.begin(), payload.end());
    const uint16_t crc = Crc16Modbus(frame);
    frame.push_back(static_cast<uint8_t>(crc >> 8));
    frame.push_back(static_cast<uint8_t>(crc & 0xFF));
    return frame;
}

Processor::Processor(uint32_t seed) : random_(seed) {
    // A device state unlike the application's default image, so a full read shows.
    std::uniform_int_distribution<int32_t> any(0, 65535);
    for (int32_t& v : values_)
        v = any(random_);
    values_[0] = kIdentity;
    values_[kModeSlot] = 1;
    values_[kPresetControl] = 0;
    values_[915] = 0;
    for (int n = 0; n < kPresets; ++n) {
        presets_[n].name = "Room " + std::to_string(n + 1);
        presets_[n].values = values_;
        for (int slot = kPresetFirstSlot; slot <= kPresetLastSlot; ++slot)
            presets_[n].values[slot] = any(random_);
    }
}

void Processor::Receive(std::span<const uint8_t> bytes, const Output& output) {
    std::vector<std::vector<uint8_t>> replies;
    {
        std::lock_guard lock(mutex_);
        input_.insert(input_.end(), bytes.begin(), bytes.end());
        size_t pos = 0;
        while (pos + 5 <= input_.size()) {
            if (input_[pos] != 0x80 || input_[pos + 1] < 3) {
                ++pos;
                continue;
            }
            const size_t length = input_[pos + 1];
            if (pos + length + 2 > input_.size()) break;
            const uint16_t crc = Crc16Modbus(std::span(&input_[pos], length));
            if (crc != (input_[pos + length] << 8 | input_[pos + length + 1])) {
                ++pos;
                continue;
            }
            const uint8_t command = input_[pos + 2];
            std::vector<uint8_t> payload(input_.begin() + static_cast<long>(pos) + 3,
                                         input_.begin() + static_cast<long>(pos + length));
            received_.push_back({command, payload});
            if (!faults_.silent) Handle(command, payload, replies);
            pos += length + 2;
        }
        input_.erase(input_.begin(), input_.begin() + static_cast<long>(pos));
    }
    for (auto& reply : replies)
        output(std::move(reply));
}

void Processor::Reply(uint8_t command, std::vector<uint8_t> payload,
                      std::vector<std::vector<uint8_t>>& replies) {
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    if (chance(random_) < faults_.dropReplies) return;
    std::vector<uint8_t> frame = MakeFrame(command, payload);
    if (chance(random_) < faults_.corruptReplies) {
        std::uniform_int_distribution<size_t> at(0, frame.size() - 1);
        frame[at(random_)] ^= 0x5A;
    }
    replies.push_back(std::move(frame));
}

std::vector<uint8_t> Processor::ReadItems(std::span<const int> slots) const {
    std::vector<uint8_t> out;
    for (int slot : slots)
        PutSlotValue(out, slot, slot == 0 ? faults_.identity.value_or(kIdentity) : values_[slot]);
    return out;
}

void Processor::RecallLocked(int number) {
    if (number < 1 || number > kPresets) return;
    const Preset& preset = presets_[number - 1];
    for (int slot = kPresetFirstSlot; slot <= kPresetLastSlot; ++slot)
        values_[slot] = preset.values[slot];
    values_[kModeSlot] = number;
}

void Processor::Handle(uint8_t command, std::span<const uint8_t> payload,
                       std::vector<std::vector<uint8_t>>& replies) {
    switch (command) {
        case 0: {  // Identify
            const int32_t id = faults_.identity.value_or(kIdentity);
            Reply(0, {static_cast<uint8_t>(id >> 8), static_cast<uint8_t>(id & 0xFF), 0, 0},
                  replies);
            if (extendedIdentify_) {
                const uint32_t m = encryptedMask_;
                Reply(0,
                      {1, static_cast<uint8_t>(modeLimit_), static_cast<uint8_t>(m),
                       static_cast<uint8_t>(m >> 8), static_cast<uint8_t>(m >> 16),
                       static_cast<uint8_t>(m >> 24)},
                      replies);
            }
            break;
        }
        case 1:  // Recall
            if (!payload.empty()) RecallLocked(payload[0]);
            Reply(1, {payload.empty() ? uint8_t{0} : payload[0]}, replies);
            break;
        case 3: {  // WriteParams: store and echo
            std::vector<uint8_t> echo;
            for (size_t i = 0; i + 4 <= payload.size(); i += 4) {
                const int slot = payload[i] << 8 | payload[i + 1];
                int32_t value = payload[i + 2] << 8 | payload[i + 3];
                if (slot < kSlots && slot != 0) {
                    if (slot == kPresetControl && (value >> 8) == 0x06) RecallLocked(value & 0xFF);
                    values_[slot] = value;
                }
                if (faults_.echoAllWrong || faults_.echoWrongSlots.count(slot))
                    value = (value + 1) & 0xFFFF;
                PutSlotValue(echo, slot, value);
            }
            Reply(3, echo, replies);
            break;
        }
        case 4: {  // PresetName
            if (payload.empty()) break;
            const int number = payload[0];
            std::vector<uint8_t> reply{static_cast<uint8_t>(number)};
            std::string name =
                number >= 1 && number <= kPresets ? presets_[number - 1].name : std::string();
            name.resize(20, ' ');
            reply.insert(reply.end(), name.begin(), name.end());
            reply.push_back(0);
            Reply(4, reply, replies);
            break;
        }
        case 6: {  // ReadParams
            std::vector<int> slots;
            for (size_t i = 0; i + 2 <= payload.size(); i += 2) {
                const int slot = payload[i] << 8 | payload[i + 1];
                if (slot < kSlots) slots.push_back(slot);
            }
            Reply(6, ReadItems(slots), replies);
            break;
        }
        case 16: {  // SavePreset
            if (payload.size() < 21 || payload[0] < 1 || payload[0] > kPresets) break;
            Preset& preset = presets_[payload[0] - 1];
            std::string name(payload.begin() + 1, payload.begin() + 21);
            name.erase(std::find(name.begin(), name.end(), '\0'), name.end());
            name.erase(name.find_last_not_of(' ') + 1);
            preset.name = name;
            preset.values = values_;
            Reply(16, {payload[0]}, replies);
            break;
        }
        case 33:  // StoreData
            ++storeDataCount_;
            Reply(33, {1}, replies);
            break;
        case 87: {  // WifiText
            const std::string text(payload.begin(), payload.end());
            if (auto answer = wifi_.Reply(text)) {
                std::vector<uint8_t> reply(answer->begin(), answer->end());
                reply.insert(reply.end(), {'\r', '\n'});
                Reply(87, reply, replies);
            }
            break;
        }
        case 240: {  // DumpAll: every slot as ReadParams replies
            std::vector<int> slots;
            for (int slot = 0; slot < kSlots; ++slot) {
                slots.push_back(slot);
                if (slots.size() == kItemsPerReply || slot == kSlots - 1) {
                    Reply(6, ReadItems(slots), replies);
                    slots.clear();
                }
            }
            break;
        }
        default:
            break;
    }
}

void Processor::SetFaults(Faults faults) {
    std::lock_guard lock(mutex_);
    faults_ = std::move(faults);
}

Faults Processor::GetFaults() const {
    std::lock_guard lock(mutex_);
    return faults_;
}

void Processor::SetEncryptedModes(uint32_t mask, int modeLimit) {
    std::lock_guard lock(mutex_);
    encryptedMask_ = mask;
    modeLimit_ = modeLimit;
    extendedIdentify_ = true;
}

int32_t Processor::Value(int slot) const {
    std::lock_guard lock(mutex_);
    return slot >= 0 && slot < kSlots ? values_[slot] : 0;
}

void Processor::SetValue(int slot, int32_t value) {
    std::lock_guard lock(mutex_);
    if (slot >= 0 && slot < kSlots) values_[slot] = value;
}

std::array<int32_t, kSlots> Processor::Values() const {
    std::lock_guard lock(mutex_);
    auto values = values_;
    values[0] = faults_.identity.value_or(kIdentity);
    return values;
}

Preset Processor::GetPreset(int number) const {
    std::lock_guard lock(mutex_);
    return number >= 1 && number <= kPresets ? presets_[number - 1] : Preset{};
}

void Processor::SetPresetName(int number, std::string name) {
    std::lock_guard lock(mutex_);
    if (number >= 1 && number <= kPresets) presets_[number - 1].name = std::move(name);
}

std::vector<ReceivedFrame> Processor::Received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

std::vector<ReceivedFrame> Processor::ReceivedWith(uint8_t command) const {
    std::lock_guard lock(mutex_);
    std::vector<ReceivedFrame> out;
    for (const auto& f : received_)
        if (f.command == command) out.push_back(f);
    return out;
}

void Processor::ClearReceived() {
    std::lock_guard lock(mutex_);
    received_.clear();
}

int Processor::StoreDataCount() const {
    std::lock_guard lock(mutex_);
    return storeDataCount_;
}

}  // namespace velto::sim
