#pragma once
// Test doubles for the link's ports: they record what the link tells the user interface and
// let a test wait (with a generous deadline) until something has happened.

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "link/link_ports.h"

namespace velto::test {

// Polls pred until it holds or the deadline passes; returns whether it held.
inline bool WaitFor(const std::function<bool()>& pred,
                    std::chrono::milliseconds deadline = std::chrono::seconds(20)) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!pred()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

struct Notice {
    int code;
    int lparam;
    bool sent;  // delivered synchronously rather than posted
    bool operator==(const Notice&) const = default;
};

class RecordingNotifier final : public LinkNotifier {
  public:
    void Post(int code, int lparam) override { Add({code, lparam, false}); }
    void Send(int code, int lparam) override { Add({code, lparam, true}); }
    void SetTitle(const std::string& title) override {
        std::lock_guard lock(mutex_);
        title_ = title;
    }

    std::vector<Notice> Notices() const {
        std::lock_guard lock(mutex_);
        return notices_;
    }
    int Count(int code, int lparam = -1) const {
        std::lock_guard lock(mutex_);
        return static_cast<int>(std::count_if(
            notices_.begin(), notices_.end(),
            [&](const Notice& n) { return n.code == code && (lparam < 0 || n.lparam == lparam); }));
    }
    std::string Title() const {
        std::lock_guard lock(mutex_);
        return title_;
    }
    void Clear() {
        std::lock_guard lock(mutex_);
        notices_.clear();
    }

  private:
    void Add(Notice n) {
        std::lock_guard lock(mutex_);
        notices_.push_back(n);
    }
    mutable std::mutex mutex_;
    std::vector<Notice> notices_;
    std::string title_;
};

class RecordingProgress final : public ProgressWindow {
  public:
    void Show() override { Log("show"); }
    void Hide() override { Log("hide"); }
    void SetMaximum(int maximum) override { Log("max " + std::to_string(maximum)); }
    void SetPosition(int position) override {
        std::lock_guard lock(mutex_);
        lastPosition_ = position;
    }
    void SetCaption(const std::string& format) override { Log("caption " + format); }

    std::vector<std::string> Calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    int LastPosition() const {
        std::lock_guard lock(mutex_);
        return lastPosition_;
    }

  private:
    void Log(std::string call) {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }
    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
    int lastPosition_ = 0;
};

struct ShownMessage {
    std::string text;
    std::string caption;
    int languageId;
};

class RecordingMessages final : public MessageBoxPort {
  public:
    int Show(const std::string& text, const std::string& caption, int, int languageId) override {
        std::lock_guard lock(mutex_);
        shown_.push_back({text, caption, languageId});
        return kResultOk;
    }
    std::vector<ShownMessage> Shown() const {
        std::lock_guard lock(mutex_);
        return shown_;
    }
    int Count(const std::string& text) const {
        std::lock_guard lock(mutex_);
        return static_cast<int>(std::count_if(
            shown_.begin(), shown_.end(), [&](const ShownMessage& m) { return m.text == text; }));
    }

  private:
    mutable std::mutex mutex_;
    std::vector<ShownMessage> shown_;
};

}  // namespace velto::test
