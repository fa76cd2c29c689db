// The USB envelope: frames into reports and reports back into frames.

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "link/frame.h"
#include "link/usb_envelope.h"

namespace velto::test {
namespace {

std::vector<uint8_t> Bytes(size_t count, uint8_t first = 1) {
    std::vector<uint8_t> bytes(count);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

HidReport Report(std::vector<uint8_t> data) {
    HidReport report{};
    std::copy(data.begin(), data.end(), report.begin() + 1);
    return report;
}

// Feeds every report; returns each message the assembler hands over, with the report index.
std::vector<std::pair<size_t, std::vector<uint8_t>>> Assemble(
    UsbMessageAssembler& assembler, const std::vector<HidReport>& reports) {
    std::vector<std::pair<size_t, std::vector<uint8_t>>> messages;
    for (size_t i = 0; i < reports.size(); ++i) {
        const auto message = assembler.Add(reports[i]);
        if (!message.empty())
            messages.emplace_back(i, std::vector<uint8_t>(message.begin(), message.end()));
    }
    return messages;
}

TEST(UsbEnvelopeTest, ReadingSlotZeroGoesOutAsOneKnownReport) {
    const uint8_t slot0[] = {0, 0};
    const auto reports = WrapInReports(BuildFrame(Command::ReadParams, slot0));
    ASSERT_EQ(reports.size(), 1u);
    HidReport expected{};
    const uint8_t head[] = {0x00, 0xAE, 0x1E, 0x00, 0x07, 0xC8, 0x80,
                            0x05, 0x06, 0x00, 0x00, 0x13, 0xC5};
    std::copy(std::begin(head), std::end(head), expected.begin());
    EXPECT_EQ(reports[0], expected);
}

TEST(UsbEnvelopeTest, WriteOfTwentyFourItemsTakesTwoReports) {
    const auto frame = BuildFrame(Command::WriteParams, Bytes(96));
    ASSERT_EQ(frame.size(), 101u);
    const auto reports = WrapInReports(frame);
    ASSERT_EQ(reports.size(), 2u);
    // 106 message bytes: 64 in the first report, 42 and then 22 zeros in the second.
    const std::vector<uint8_t> tail(reports[1].begin() + 1, reports[1].begin() + 43);
    EXPECT_EQ(tail, std::vector<uint8_t>(frame.begin() + 59, frame.end()));
    EXPECT_TRUE(
        std::all_of(reports[1].begin() + 43, reports[1].end(), [](uint8_t b) { return b == 0; }));
    for (const HidReport& report : reports)
        EXPECT_EQ(report[0], 0) << "report number";
}

TEST(UsbEnvelopeTest, EightyByteReplyIsHandedOverOnceWhenItsSecondReportArrives) {
    const auto frame = Bytes(80, 0x10);
    UsbMessageAssembler assembler;
    const auto messages = Assemble(assembler, WrapInReports(frame));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, 1u);
    EXPECT_EQ(messages[0].second, frame);
}

class UsbRoundTripTest : public ::testing::TestWithParam<size_t> {};

// Whatever its size, a message comes back exactly as long as announced: the padding of its
// last report never reaches the decoder.
TEST_P(UsbRoundTripTest, MessageComesBackWholeOnItsLastReport) {
    const auto frame = Bytes(GetParam(), 0xF0);
    const auto reports = WrapInReports(frame);
    EXPECT_EQ(reports.size(), (frame.size() + kEnvelopeHeader + kReportData - 1) / kReportData);
    UsbMessageAssembler assembler;
    const auto messages = Assemble(assembler, reports);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, reports.size() - 1);
    EXPECT_EQ(messages[0].second, frame);
}

INSTANTIATE_TEST_SUITE_P(Sizes, UsbRoundTripTest,
                         ::testing::Values(1, 7, 58, 59, 60, 123, 124, 260, 3000));

struct StrayCase {
    const char* name;
    std::vector<HidReport> before;  // reports that must not produce a message
};

class UsbStrayReportTest : public ::testing::TestWithParam<StrayCase> {};

TEST_P(UsbStrayReportTest, NothingIsHandedOverAndTheNextMessageStillArrives) {
    UsbMessageAssembler assembler;
    EXPECT_TRUE(Assemble(assembler, GetParam().before).empty());
    const auto frame = Bytes(70, 0x80);
    const auto messages = Assemble(assembler, WrapInReports(frame));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].second, frame);
}

std::vector<HidReport> CompleteThenContinuation() {
    auto reports = WrapInReports(Bytes(7));
    reports.push_back(Report(Bytes(64, 0x40)));
    return reports;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UsbStrayReportTest,
    ::testing::Values(
        StrayCase{"ContinuationWithoutHeader", {Report(Bytes(64)), Report(Bytes(64, 9))}},
        StrayCase{"EmptyReport", {HidReport{}}},
        StrayCase{"LengthBeyondAnyBuffer", {Report({0xAE, 0x1E, 0xFF, 0xFF, 0xC8, 1, 2})}},
        StrayCase{"HeaderAnnouncingNothing", {Report({0xAE, 0x1E, 0x00, 0x00, 0xC8})}}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(UsbEnvelopeTest, ContinuationAfterACompleteMessageDoesNotRepeatIt) {
    UsbMessageAssembler assembler;
    const auto messages = Assemble(assembler, CompleteThenContinuation());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, 0u);
}

TEST(UsbEnvelopeTest, ShortReportsAreIgnored) {
    UsbMessageAssembler assembler;
    const uint8_t shortHeader[] = {0, 0xAE, 0x1E, 0x00};
    EXPECT_TRUE(assembler.Add(std::span<const uint8_t>()).empty());
    EXPECT_TRUE(assembler.Add(shortHeader).empty());
}

}  // namespace
}  // namespace velto::test
