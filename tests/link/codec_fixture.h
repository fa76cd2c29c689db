#pragma once
// A frame codec wired to a transport that only records what is sent, for single-threaded tests
// of the decoder and the batch builders.

#include <gtest/gtest.h>

#include <vector>

#include "link/frame.h"
#include "link/frame_codec.h"
#include "link/transport.h"

namespace velto::test {

class RecordingTransport final : public Transport {
  public:
    void ConnectLoop(LinkContext&) override {}
    bool IsConnected() const override { return true; }
    void Close() override {}
    void Send(std::span<const uint8_t> frame) override {
        frames.emplace_back(frame.begin(), frame.end());
    }

    std::vector<std::vector<uint8_t>> frames;
};

class CodecTest : public ::testing::Test {
  protected:
    CodecTest() : codec(table, state, clock) { codec.SetTransport(&wire); }

    void Feed(const std::vector<uint8_t>& bytes) { codec.DecodeBytes(bytes.data(), bytes.size()); }
    static std::vector<uint8_t> Frame(Command command, std::vector<uint8_t> payload) {
        return BuildFrame(command, payload);
    }
    static std::vector<uint8_t> Item(int slot, int value) {
        return {static_cast<uint8_t>(slot >> 8), static_cast<uint8_t>(slot),
                static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
    }
    // The slots a sent ReadParams or WriteParams frame carries, in order.
    static std::vector<int> SlotsOf(const std::vector<uint8_t>& frame, size_t itemSize) {
        std::vector<int> slots;
        for (size_t i = 3; i + itemSize <= frame.size() - 2; i += itemSize)
            slots.push_back(frame[i] << 8 | frame[i + 1]);
        return slots;
    }

    ParamTable table;
    LinkState state;
    LinkClock clock;
    RecordingTransport wire;
    FrameCodec codec;
};

}  // namespace velto::test
