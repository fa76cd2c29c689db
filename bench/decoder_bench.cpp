// Decoder throughput on a stream of valid and corrupted replies, fed in HID-sized pieces.
// Reported as bytes per second and as a multiple of a full-speed HID link (64 bytes per 1 ms).

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "link/frame.h"
#include "link/frame_codec.h"

namespace {

std::vector<uint8_t> ReplyStream() {
    std::mt19937 random(5);
    std::vector<uint8_t> stream;
    for (int frame = 0; frame < 2000; ++frame) {
        std::vector<uint8_t> payload;
        for (int item = 0; item < 25; ++item) {
            const int slot = (frame * 25 + item) % 923;
            payload.insert(payload.end(),
                           {static_cast<uint8_t>(slot >> 8), static_cast<uint8_t>(slot),
                            static_cast<uint8_t>(random()), static_cast<uint8_t>(random())});
        }
        auto bytes = velto::BuildFrame(velto::Command::ReadParams, payload);
        if (frame % 10 == 9) bytes[10] ^= 0xFF;  // one reply in ten is corrupted
        stream.insert(stream.end(), bytes.begin(), bytes.end());
    }
    return stream;
}

void BM_DecodeReplyStream(benchmark::State& state) {
    const std::vector<uint8_t> stream = ReplyStream();
    velto::ParamTable table;
    velto::LinkState link;
    const velto::LinkClock clock;
    velto::FrameCodec codec(table, link, clock);
    constexpr size_t kPiece = 64;
    for (auto _ : state) {
        for (size_t at = 0; at < stream.size(); at += kPiece)
            codec.DecodeBytes(stream.data() + at, std::min(kPiece, stream.size() - at));
        benchmark::DoNotOptimize(table.Value(1));
    }
    const double bytes =
        static_cast<double>(stream.size()) * static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
    state.counters["x_full_speed_hid"] =
        benchmark::Counter(bytes / 64000.0, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DecodeReplyStream)->Unit(benchmark::kMillisecond);

}  // namespace
