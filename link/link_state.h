#pragma once
// Flags and cells the link shares with the user interface and the transports, without locks
// except for the file path.

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "link/link_timing.h"

namespace velto {

// Link requests the user interface may raise; the link thread runs each once and clears it.
enum LinkRequest : int {
    kRequestSaveToFile = 1,
    kRequestRecallPreset = 4,
    kRequestReload = 5,
    kRequestUploadFile = 11,
    kRequestPresetName = 12,
    kRequestSavePreset = 13,
    kRequestStoreData = 15,
};
inline constexpr int kRequestCount = 15;

class LinkState {
  public:
    std::atomic<int> linkKind{kLinkUsb};
    std::atomic<int> baudRate{128000};
    std::atomic<bool> running{true};
    std::atomic<bool> linkUp{false};
    std::atomic<bool> paused{false};
    std::atomic<uint8_t> missCounter{0};
    std::atomic<uint32_t> lastValidFrameMs{0};
    // The timing set in force, chosen per link kind at every connection attempt.
    std::atomic<int> timingKind{kLinkUsb};

    LinkTiming Timing() const { return TimingFor(timingKind.load(std::memory_order_relaxed)); }

    // Cells 1..15; a cell above 0 asks the link thread to run that request once.
    void Raise(int request) {
        if (request >= 1 && request <= kRequestCount)
            requests_[request].store(1, std::memory_order_release);
    }
    bool IsRaised(int request) const {
        return request >= 1 && request <= kRequestCount &&
               requests_[request].load(std::memory_order_acquire) > 0;
    }
    void Clear(int request) {
        if (request >= 1 && request <= kRequestCount)
            requests_[request].store(0, std::memory_order_release);
    }

    // The PC file of requests 1 and 11.
    void SetFilePath(std::string path) {
        std::lock_guard lock(pathMutex_);
        filePath_ = std::move(path);
    }
    std::string FilePath() const {
        std::lock_guard lock(pathMutex_);
        return filePath_;
    }

  private:
    std::array<std::atomic<int32_t>, kRequestCount + 1> requests_{};
    mutable std::mutex pathMutex_;
    std::string filePath_;
};

}  // namespace velto
