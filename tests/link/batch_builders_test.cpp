// ReadBatch, WriteBatch, the send limit of a slot and the silence rule of SendFrame.

#include "link/default_image.h"
#include "tests/link/codec_fixture.h"

namespace velto::test {
namespace {

class BatchTest : public CodecTest {
  protected:
    void MarkAllReceivedExcept(const std::vector<int>& missing) {
        for (auto& s : table.Slots())
            s.received = 1;
        for (int slot : missing)
            table.Slots()[slot].received = 0;
    }
};

TEST_F(BatchTest, ReadBatchStopsAt25SlotsAndLeavesTheCursorOnTheLast) {
    std::vector<int> missing;
    for (int i = 0; i < 30; ++i)
        missing.push_back(100 + 3 * i);
    MarkAllReceivedExcept(missing);
    codec.ReadBatch(0, 32);
    ASSERT_EQ(wire.frames.size(), 1u);
    const auto slots = SlotsOf(wire.frames[0], 2);
    EXPECT_EQ(slots, std::vector<int>(missing.begin(), missing.begin() + 25));
    EXPECT_EQ(codec.ReadCursor(), missing[24]);
    EXPECT_EQ(table.Retry(missing[0]), 1);
    EXPECT_EQ(table.Retry(missing[24]), 0) << "the slot the batch stops on is not stepped";
}

TEST_F(BatchTest, ReadBatchWrapsAndStopsAtMaxItems) {
    MarkAllReceivedExcept({920, 922, 1, 2});
    codec.ReadBatch(920, 3);
    ASSERT_EQ(wire.frames.size(), 1u);
    EXPECT_EQ(SlotsOf(wire.frames[0], 2), (std::vector<int>{920, 922, 1}));
    EXPECT_EQ(codec.ReadCursor(), 1);
}

TEST_F(BatchTest, ReadBatchWithNothingMissingSendsAnEmptyRequestAndKeepsTheCursor) {
    MarkAllReceivedExcept({});
    codec.ReadBatch(500, 32);
    ASSERT_EQ(wire.frames.size(), 1u);
    EXPECT_EQ(wire.frames[0].size(), kFrameOverhead);
    EXPECT_EQ(codec.ReadCursor(), 500);
}

TEST_F(BatchTest, ZeroItemsSetsTheCursorButSendsNothing) {
    codec.ReadBatch(77, 0);
    codec.WriteBatch(88, -1);
    EXPECT_TRUE(wire.frames.empty());
    EXPECT_EQ(codec.ReadCursor(), 77);
    EXPECT_EQ(codec.WriteCursor(), 88);
}

TEST_F(BatchTest, WriteBatchCarriesValuesAndMovesTheCursorPastTheLastItem) {
    table.SetLinkStarted(true);
    table.SetParam(10, 0x1234);
    table.SetParam(20, 0x0102);
    table.SetParam(30, 7);
    codec.WriteBatch(0, 2);
    ASSERT_EQ(wire.frames.size(), 1u);
    const auto& f = wire.frames[0];
    EXPECT_EQ(std::vector<uint8_t>(f.begin() + 3, f.end() - 2),
              (std::vector<uint8_t>{0, 10, 0x12, 0x34, 0, 20, 0x01, 0x02}));
    EXPECT_EQ(codec.WriteCursor(), 21);
}

TEST_F(BatchTest, PresetNameRequestInTheControlSlotGoesOutAlone) {
    table.SetLinkStarted(true);
    table.SetParam(100, 1);
    table.SetParam(200, 2);
    table.SetParam(kPresetControlSlot, 0x0503);
    codec.WriteBatch(0, 24);
    ASSERT_EQ(wire.frames.size(), 1u);
    EXPECT_EQ(wire.frames[0], BuildFrame(Command::PresetName, std::vector<uint8_t>{3}));
    EXPECT_EQ(codec.WriteCursor(), kPresetControlSlot);
    EXPECT_TRUE(table.WritePending(100))
        << "the slots gathered before stay pending for a later call";
    EXPECT_TRUE(table.WritePending(200));
}

TEST_F(BatchTest, SlotWhoseEchoNeverMatchesGoesOutElevenTimes) {
    table.SetLinkStarted(true);
    table.SetParam(50, 1000);
    int sends = 0;
    for (int cycle = 0; cycle < 30; ++cycle) {
        wire.frames.clear();
        codec.WriteBatch(0, 24);
        if (SlotsOf(wire.frames[0], 4) != std::vector<int>{50}) continue;
        ++sends;
        Feed(Frame(Command::WriteParams, Item(50, 999)));  // the device always echoes another value
    }
    EXPECT_EQ(sends, 11);
    EXPECT_FALSE(table.WritePending(50));
    table.SetParam(50, 1001);  // the next change is tried again
    wire.frames.clear();
    codec.WriteBatch(0, 24);
    EXPECT_EQ(SlotsOf(wire.frames[0], 4), std::vector<int>{50});
}

TEST_F(BatchTest, SilenceMakesEverySendAMissUntilTheLinkDrops) {
    // Pretend the last valid frame was long ago; the USB limits allow four misses.
    state.linkUp = true;
    state.lastValidFrameMs = clock.NowMs() - 5000;
    const uint8_t zero = 0;
    for (int i = 0; i < 4; ++i) {
        codec.SendFrame(Command::Identify, std::span(&zero, 1));
        ASSERT_TRUE(state.linkUp) << "after send " << i + 1;
    }
    codec.SendFrame(Command::WifiText, std::span(&zero, 1));
    EXPECT_TRUE(state.linkUp) << "WiFi texts are never misses";
    codec.SendFrame(Command::Identify, std::span(&zero, 1));
    EXPECT_FALSE(state.linkUp);
    EXPECT_EQ(state.missCounter.load(), 0);
}

TEST_F(BatchTest, ValidFrameResetsTheMissCounter) {
    state.lastValidFrameMs = clock.NowMs() - 5000;
    const uint8_t zero = 0;
    codec.SendFrame(Command::Identify, std::span(&zero, 1));
    EXPECT_EQ(state.missCounter.load(), 1);
    Feed(Frame(Command::ReadParams, Item(1, 1)));
    EXPECT_EQ(state.missCounter.load(), 0);
}

TEST(ParamTableTest, SlotsOutsideTheTableAreRefused) {
    ParamTable table;
    table.SetLinkStarted(true);
    for (int slot : {-1, 923, 65535, -2147483647 - 1}) {
        EXPECT_FALSE(table.SetParam(slot, 1));
        EXPECT_FALSE(table.StoreAndMarkPending(slot, 1));
        EXPECT_EQ(table.Find(slot), nullptr);
        EXPECT_EQ(table.Value(slot), 0);
    }
}

TEST(ParamTableTest, SetParamMarksPendingOnlyOnceTheLinkHasStarted) {
    ParamTable table;
    table.SetParam(5, 9);
    EXPECT_EQ(table.Value(5), 9);
    EXPECT_FALSE(table.WritePending(5));
    table.SetLinkStarted(true);
    table.SetParam(5, 10);
    EXPECT_TRUE(table.WritePending(5));
}

TEST(ParamTableTest, DefaultImageSitsAtTheAddressMapPositions) {
    ParamTable table;
    table.LoadDefaultImage();
    struct Expect {
        int slot;
        int32_t value;
    };
    for (auto [slot, value] :
         {Expect{0, 32}, {24, 530},   {26, 530},  {28, 2},     {35, 20},   {36, 33274},
          {51, 7},       {52, 32973}, {171, 500}, {181, 2625}, {196, 21},  {197, 14500},
          {201, 32965},  {241, 1},    {250, 7},   {252, 500},  {253, 100}, {904, 65280},
          {913, 0},      {914, 0},    {915, 0},   {922, 0}})
        EXPECT_EQ(table.Value(slot), value) << "slot " << slot;
    // Every band of the Music PEQ is a peaking band at 0 dB with Q 1.
    for (int band = 0; band < 15; ++band) {
        EXPECT_EQ(table.Value(250 + 4 * band), 7);
        EXPECT_EQ(table.Value(252 + 4 * band), 500);
    }
    for (int slot = 906; slot < kSlotCount; ++slot)
        EXPECT_EQ(table.Value(slot), 0) << slot;
}

}  // namespace
}  // namespace velto::test
