// Time from the transport's connect to "full read done" against a zero-latency simulated
// processor, as a ratio to the sleeps and waits the link must spend on that path:
// 10 ms after the keep-alive, 500 ms after DumpAll, 5 x 30 ms between the slot passes and
// 10 ms at the end of the full read.  1.00 is the floor.

#include <benchmark/benchmark.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "link/link_engine.h"
#include "link/null_ports.h"
#include "sim/processor.h"
#include "sim/sim_transport.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kMandatedMs = 10 + 500 + 5 * 30 + 10;

class TimedTransport final : public velto::Transport {
  public:
    explicit TimedTransport(velto::Transport& inner) : inner_(inner) {}
    void ConnectLoop(velto::LinkContext& link) override {
        inner_.ConnectLoop(link);
        connectedAt = Clock::now();
    }
    bool IsConnected() const override { return inner_.IsConnected(); }
    void Close() override { inner_.Close(); }
    void Send(std::span<const uint8_t> frame) override { inner_.Send(frame); }
    Clock::time_point connectedAt;

  private:
    velto::Transport& inner_;
};

class FullReadWatcher final : public velto::LinkNotifier {
  public:
    void Post(int code, int) override {
        if (code != velto::kNoticeFullReadDone) return;
        std::lock_guard lock(mutex_);
        doneAt_ = Clock::now();
        done_ = true;
        cv_.notify_all();
    }
    void Send(int, int) override {}
    void SetTitle(const std::string&) override {}
    Clock::time_point Wait() {
        std::unique_lock lock(mutex_);
        cv_.wait(lock, [this] { return done_; });
        return doneAt_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool done_ = false;
    Clock::time_point doneAt_;
};

void BM_ConnectToFullRead(benchmark::State& state) {
    double ratioSum = 0;
    for (auto _ : state) {
        velto::sim::Processor device;
        velto::sim::SimTransport wire(device);
        TimedTransport timed(wire);
        FullReadWatcher watcher;
        velto::NullProgressWindow progress;
        velto::NullMessageBox messages;
        velto::LinkPorts ports;
        ports.transportFor = [&](int) -> velto::Transport* { return &timed; };
        ports.notifier = &watcher;
        ports.progress = &progress;
        ports.messages = &messages;
        velto::LinkEngine link(ports);
        link.StartLink();
        const auto done = watcher.Wait();
        const double ms =
            std::chrono::duration<double, std::milli>(done - timed.connectedAt).count();
        link.StopLink();
        state.SetIterationTime(ms / 1000.0);
        ratioSum += ms / kMandatedMs;
    }
    state.counters["ratio_to_mandated"] = ratioSum / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ConnectToFullRead)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
