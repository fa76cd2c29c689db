#pragma once
// The simulated processor: keeps 923 parameters and 16 stored presets and answers every
// command of the protocol the way the application relies on.  It speaks only bytes, so any
// transport can carry it; faults can be injected to test the link's recovery.

#include <array>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <random>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "sim/wifi_module.h"

namespace velto::sim {

inline constexpr int kSlots = 923;
inline constexpr int kPresets = 16;

struct ReceivedFrame {
    uint8_t command;
    std::vector<uint8_t> payload;
};

struct Faults {
    double dropReplies = 0.0;      // chance that a reply frame is never sent
    double corruptReplies = 0.0;   // chance that one byte of a reply frame is flipped
    bool silent = false;           // answers nothing at all
    bool echoAllWrong = false;     // every WriteParams echo carries another value
    std::set<int> echoWrongSlots;  // echoes of these slots carry another value
    std::optional<int> identity;   // report this identity instead of 20005
};

struct Preset {
    std::string name;
    std::array<int32_t, kSlots> values{};
};

class Processor {
  public:
    using Output = std::function<void(std::vector<uint8_t> bytes)>;

    explicit Processor(uint32_t seed = 1);

    // Bytes from the application, split anywhere.  Replies go to the output, one call per frame.
    void Receive(std::span<const uint8_t> bytes, const Output& output);

    // --- set-up and inspection (any thread) ---------------------------------------------
    void SetFaults(Faults faults);
    Faults GetFaults() const;
    // Marks modes as encrypted: the extended Identify reply then carries the mask.
    void SetEncryptedModes(uint32_t mask, int modeLimit = 16);
    int32_t Value(int slot) const;
    void SetValue(int slot, int32_t value);
    std::array<int32_t, kSlots> Values() const;
    Preset GetPreset(int number) const;  // 1..16
    void SetPresetName(int number, std::string name);
    int CurrentMode() const { return Value(913); }
    std::vector<ReceivedFrame> Received() const;
    std::vector<ReceivedFrame> ReceivedWith(uint8_t command) const;
    void ClearReceived();
    int StoreDataCount() const;
    WifiModule& Wifi() { return wifi_; }

  private:
    void Handle(uint8_t command, std::span<const uint8_t> payload,
                std::vector<std::vector<uint8_t>>& replies);
    void Reply(uint8_t command, std::vector<uint8_t> payload,
               std::vector<std::vector<uint8_t>>& replies);
    void RecallLocked(int number);
    std::vector<uint8_t> ReadItems(std::span<const int> slots) const;

    mutable std::mutex mutex_;
    std::mt19937 random_;
    std::vector<uint8_t> input_;
    std::array<int32_t, kSlots> values_{};
    std::array<Preset, kPresets> presets_{};
    Faults faults_;
    uint32_t encryptedMask_ = 0;
    int modeLimit_ = 16;
    bool extendedIdentify_ = false;
    std::vector<ReceivedFrame> received_;
    int storeDataCount_ = 0;
    WifiModule wifi_;
};

// Frames a command and payload the way the processor sends them.
std::vector<uint8_t> MakeFrame(uint8_t command, std::span<const uint8_t> payload);

}  // namespace velto::sim
