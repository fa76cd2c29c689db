// Connect-to-ready over a pseudo-terminal paced like a 128000 bit/s serial line: the time
// from "connected" to "full read done", as a ratio to its floor.  The floor is what the link
// mandates on that path with a zero-latency device (10 ms after the keep-alive, 500 ms after
// DumpAll, 5 x 30 ms between the slot passes, 10 ms at the end) plus the time the bytes that
// crossed the line in either direction need at 10 bits a byte.  1.00 is the floor.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "link/link_engine.h"
#include "link/null_ports.h"
#include "link/serial_transport.h"
#include "sim/processor.h"
#include "sim/pty_server.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kLineRate = 128000;
constexpr double kMandatedMs = 10 + 500 + 5 * 30 + 10;

// Notes when the link connected and when the full read was done, with the line's byte count.
class Stopwatch final : public velto::LinkNotifier {
  public:
    explicit Stopwatch(const velto::sim::PtyServer& line) : line_(line) {}
    void Send(int code, int lparam) override {
        if (code != velto::kNoticeLinkState || lparam != velto::kStateConnected) return;
        std::lock_guard lock(mutex_);
        connectedAt_ = Clock::now();
        bytesAtConnect_ = LineBytes();
    }
    void Post(int code, int) override {
        if (code != velto::kNoticeFullReadDone) return;
        std::lock_guard lock(mutex_);
        doneAt_ = Clock::now();
        bytesAtDone_ = LineBytes();
        done_ = true;
        cv_.notify_all();
    }
    void SetTitle(const std::string&) override {}

    struct Result {
        double ms;
        uint64_t bytes;
    };
    Result Wait() {
        std::unique_lock lock(mutex_);
        cv_.wait(lock, [this] { return done_; });
        return {std::chrono::duration<double, std::milli>(doneAt_ - connectedAt_).count(),
                bytesAtDone_ - bytesAtConnect_};
    }

  private:
    uint64_t LineBytes() const { return line_.BytesReceived() + line_.BytesSent(); }

    const velto::sim::PtyServer& line_;
    std::mutex mutex_;
    std::condition_variable cv_;
    bool done_ = false;
    Clock::time_point connectedAt_, doneAt_;
    uint64_t bytesAtConnect_ = 0, bytesAtDone_ = 0;
};

class SerialSettings final : public velto::SettingsReader {
    int ReadSettingInt(const std::string&, const std::string& key) override {
        return key == "m_COM_MdoeIO" ? velto::kLinkSerial : -1;  // at the default 128000 bit/s
    }
};

void BM_SerialConnectToFullRead(benchmark::State& state) {
    double ratioSum = 0, floorSum = 0, bytesSum = 0;
    for (auto _ : state) {
        velto::sim::Processor device;
        velto::sim::PtyServer line(device, {.bitsPerSecond = kLineRate, .linkPath = {}});
        if (!line.Start()) {
            state.SkipWithError("no pseudo-terminal");
            return;
        }
        velto::SerialTransport serial(velto::SerialPortList::Fixed({line.Path()}));
        Stopwatch stopwatch(line);
        velto::NullProgressWindow progress;
        velto::NullMessageBox messages;
        SerialSettings settings;
        velto::LinkPorts ports;
        ports.transportFor = [&](int) -> velto::Transport* { return &serial; };
        ports.notifier = &stopwatch;
        ports.progress = &progress;
        ports.messages = &messages;
        ports.settings = &settings;
        velto::LinkEngine link(ports);
        link.StartLink();
        const Stopwatch::Result result = stopwatch.Wait();
        link.StopLink();
        const double floorMs = kMandatedMs + result.bytes * 10.0 * 1000.0 / kLineRate;
        state.SetIterationTime(result.ms / 1000.0);
        ratioSum += result.ms / floorMs;
        floorSum += floorMs;
        bytesSum += static_cast<double>(result.bytes);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["ratio_to_floor"] = ratioSum / n;
    state.counters["floor_ms"] = floorSum / n;
    state.counters["line_bytes"] = bytesSum / n;
}
BENCHMARK(BM_SerialConnectToFullRead)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
