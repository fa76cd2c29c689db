// The frame layout, the decoder and the reply handling.

#include <algorithm>
#include <random>

#include "link/crc16.h"
#include "tests/link/codec_fixture.h"

namespace velto::test {
namespace {

TEST(FrameTest, ReadingSlotZeroIsTheKnownSevenBytes) {
    const uint8_t payload[] = {0, 0};
    EXPECT_EQ(BuildFrame(Command::ReadParams, payload),
              (std::vector<uint8_t>{0x80, 0x05, 0x06, 0x00, 0x00, 0x13, 0xC5}));
}

TEST(FrameTest, CrcIsModbusCheckValue) {
    const std::string check = "123456789";
    EXPECT_EQ(Crc16Modbus(std::span(reinterpret_cast<const uint8_t*>(check.data()), check.size())),
              0x4B37);
}

using DecoderTest = CodecTest;

TEST_F(DecoderTest, FrameSplitIntoSingleBytesAppliesOnceOnTheLastByte) {
    auto frame = Frame(Command::ReadParams, Item(100, 4321));
    for (size_t i = 0; i + 1 < frame.size(); ++i) {
        codec.DecodeBytes(&frame[i], 1);
        ASSERT_FALSE(table.Received(100)) << "applied early at byte " << i;
    }
    codec.DecodeBytes(&frame.back(), 1);
    EXPECT_TRUE(table.Received(100));
    EXPECT_EQ(table.Value(100), 4321);
    // Applied once: clearing the flag and feeding nothing more leaves it clear.
    table.Slots()[100].received = 0;
    const uint8_t nothing = 0x00;
    codec.DecodeBytes(&nothing, 0);
    EXPECT_FALSE(table.Received(100));
}

TEST_F(DecoderTest, TwoFramesInOneCallAreAppliedInOrder) {
    auto bytes = Frame(Command::ReadParams, Item(7, 1));
    auto second = Frame(Command::ReadParams, Item(7, 2));
    bytes.insert(bytes.end(), second.begin(), second.end());
    Feed(bytes);
    EXPECT_EQ(table.Value(7), 2);
}

TEST_F(DecoderTest, HalfAFrameAfterACompleteOneIsKeptForLater) {
    auto bytes = Frame(Command::ReadParams, Item(7, 1));
    auto second = Frame(Command::ReadParams, Item(8, 2));
    const std::vector<uint8_t> firstHalf(second.begin(), second.begin() + 4);
    const std::vector<uint8_t> rest(second.begin() + 4, second.end());
    bytes.insert(bytes.end(), firstHalf.begin(), firstHalf.end());
    Feed(bytes);
    EXPECT_EQ(table.Value(7), 1);
    EXPECT_FALSE(table.Received(8));
    Feed(rest);
    EXPECT_EQ(table.Value(8), 2);
}

TEST_F(DecoderTest, FalseStartPointingPastTheDataHoldsTheScanUntilItFails) {
    // 0x80 with a length byte of 40 inside garbage, then a real frame (11 bytes).
    std::vector<uint8_t> bytes = {0x11, 0x80, 40, 0x22, 0x33};
    auto real = Frame(Command::ReadParams, Item(9, 99));
    bytes.insert(bytes.end(), real.begin(), real.end());
    Feed(bytes);
    EXPECT_FALSE(table.Received(9))
        << "the false start must hold the scan until its CRC can be checked";
    Feed(std::vector<uint8_t>(40, 0x00));
    EXPECT_TRUE(table.Received(9));
    EXPECT_EQ(table.Value(9), 99);
}

TEST_F(DecoderTest, FullBufferOfNoiseIsDiscardedOnTheNextByte) {
    // Noise without a start byte, then a frame: only the frame's bytes after the flush remain.
    std::vector<uint8_t> noise(kReceiveBufferSize, 0x55);
    Feed(noise);
    auto frame = Frame(Command::ReadParams, Item(12, 34));
    Feed(frame);
    EXPECT_EQ(table.Value(12), 34);
}

TEST_F(DecoderTest, CrcLowByteOf0x80DoesNotDelayTheNextFrame) {
    // Find a reply whose CRC ends in 0x80; the next frame in the same read must apply at once.
    std::vector<uint8_t> first;
    for (int value = 0; value < 65536; ++value) {
        first = Frame(Command::ReadParams, Item(20, value));
        if (first.back() == 0x80) break;
    }
    ASSERT_EQ(first.back(), 0x80);
    auto second = Frame(Command::ReadParams, Item(21, 77));
    first.insert(first.end(), second.begin(), second.end());
    Feed(first);
    EXPECT_EQ(table.Value(21), 77);
}

TEST_F(DecoderTest, ReadReplyForSlotBeyondTheTableChangesNothing) {
    auto bytes = Frame(Command::ReadParams, Item(923, 5));
    Feed(bytes);
    for (int slot = 0; slot < kSlotCount; ++slot)
        ASSERT_FALSE(table.Received(slot));
    EXPECT_EQ(state.missCounter.load(), 0);
}

TEST_F(DecoderTest, WriteEchoClearsPendingOnlyWhenTheValueMatches) {
    table.SetLinkStarted(true);
    table.SetParam(30, 500);
    table.SetParam(31, 600);
    table.Slots()[30].retry = 3;
    table.Slots()[31].retry = 3;
    auto echo = Item(30, 500);
    auto wrong = Item(31, 601);
    echo.insert(echo.end(), wrong.begin(), wrong.end());
    Feed(Frame(Command::WriteParams, echo));
    EXPECT_FALSE(table.WritePending(30));
    EXPECT_EQ(table.Retry(30), 0);
    EXPECT_TRUE(table.WritePending(31));
    EXPECT_EQ(table.Retry(31), 3) << "a mismatch keeps the counter so the send limit still holds";
}

TEST_F(DecoderTest, StoredValueOutsideSixteenBitsNeverMatches) {
    table.SetLinkStarted(true);
    table.SetParam(40, 65536 + 5);
    Feed(Frame(Command::WriteParams, Item(40, 5)));
    EXPECT_TRUE(table.WritePending(40));
}

std::u16string Text(const PresetName& name) {
    return std::u16string(name.begin(), std::find(name.begin(), name.end(), u'\0'));
}

struct NameCase {
    const char* label;
    std::vector<uint8_t> bytes;  // after the preset number
    std::u16string expected;
};

class PresetNameTest : public CodecTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(PresetNameTest, NameIsTrimmedFromTheEndOnly) {
    std::vector<uint8_t> payload{3};
    payload.insert(payload.end(), GetParam().bytes.begin(), GetParam().bytes.end());
    Feed(Frame(Command::PresetName, payload));
    EXPECT_EQ(Text(codec.PresetNameOf(3)), GetParam().expected);
    EXPECT_TRUE(codec.NameReceived(3));
    EXPECT_EQ(table.Value(kPresetControlSlot), 3);
    EXPECT_TRUE(table.Received(kPresetControlSlot));
    EXPECT_FALSE(table.WritePending(kPresetControlSlot));
}

INSTANTIATE_TEST_SUITE_P(
    Names, PresetNameTest,
    ::testing::Values(
        NameCase{"trailing_spaces_and_nul", {'M', 'o', 'd', 'e', ' ', ' ', 0}, u"Mode"},
        NameCase{"inner_space_kept", {'A', ' ', 'B', '{', '\x01'}, u"A B"},
        NameCase{"first_char_never_cleared", {' ', ' ', ' '}, u" "},
        NameCase{"cut_at_25", std::vector<uint8_t>(30, 'x'), std::u16string(25, u'x')}),
    [](const auto& testCase) { return testCase.param.label; });

TEST_F(DecoderTest, PresetNumberAbove16WrapsToTheFirstEntry) {
    Feed(Frame(Command::PresetName, {17, 'Z', 'z'}));
    EXPECT_EQ(Text(codec.PresetNameOf(1)), u"Zz");
    EXPECT_TRUE(codec.NameReceived(1));
}

TEST_F(DecoderTest, PresetNameWithoutNumberOnlyAcknowledges) {
    table.Slots()[kPresetControlSlot].value = 0x0503;
    Feed(Frame(Command::PresetName, {0, 'X'}));
    EXPECT_TRUE(codec.Acknowledged(AckCell::PresetName));
    EXPECT_EQ(table.Value(kPresetControlSlot), 0x0503);
}

TEST_F(DecoderTest, EncryptedFlagFollowsTheMaskForTheCurrentMode) {
    Feed(Frame(Command::Identify, {1, 8, 0b0000'1000, 0, 0, 0}));  // mode 3 encrypted, limit 8
    EXPECT_EQ(codec.ModeLimit(), 8);
    Feed(Frame(Command::ReadParams, Item(kCurrentModeSlot, 3)));
    EXPECT_TRUE(codec.Encrypted());
    Feed(Frame(Command::ReadParams, Item(kCurrentModeSlot, 9)));  // above the limit: unchanged
    EXPECT_TRUE(codec.Encrypted());
    Feed(Frame(Command::ReadParams, Item(kCurrentModeSlot, 2)));
    EXPECT_FALSE(codec.Encrypted());
}

TEST_F(DecoderTest, IdentityFormSetsTheIdentityCode) {
    Feed(Frame(Command::Identify, {0x4E, 0x25, 0, 0}));
    EXPECT_EQ(codec.IdentityCode(), 20005);
}

TEST_F(DecoderTest, ReplyReleasesOnlyAWaitingSender) {
    Feed(Frame(Command::ReadParams, Item(1, 1)));  // nobody waits: no release
    EXPECT_FALSE(codec.WaitForReply(0, true));
    codec.SetWaiting(true);
    Feed(Frame(static_cast<Command>(252), {}));  // five bytes, the smallest frame there is
    EXPECT_TRUE(codec.WaitForReply(0, true));
    Feed(Frame(static_cast<Command>(99), {1, 2}));  // unknown command: valid but no release
    EXPECT_FALSE(codec.WaitForReply(0, true));
}

TEST_F(DecoderTest, RandomNoiseNeverBreaksTheNextFrame) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::vector<uint8_t> noise(random() % 300);
        for (auto& b : noise)
            b = static_cast<uint8_t>(byte(random));
        Feed(noise);
    }
    // Whatever the noise left behind, a frame followed by enough padding to resolve false starts
    // is applied; twice, because a full buffer may be flushed in the middle of the first copy.
    auto frame = Frame(Command::ReadParams, Item(55, 555));
    frame.insert(frame.end(), 300, 0);
    Feed(frame);
    Feed(frame);
    EXPECT_EQ(table.Value(55), 555);
}

}  // namespace
}  // namespace velto::test
