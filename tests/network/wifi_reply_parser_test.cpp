// The module's reply texts: which entry a reply answers, the number formats, and what a reply
// leaves in the request table and the discovered-device list.

#include "link/wifi_reply_parser.h"

#include <gtest/gtest.h>

#include <string>

#include "link/frame.h"
#include "link/frame_codec.h"

namespace velto::test {
namespace {

using namespace std::string_literals;

struct ValueCase {
    std::string reply;
    int entry;  // -1: the reply answers nothing
    int32_t value;
};

class WifiValueReplyTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(WifiValueReplyTest, ParsesTheValueOfTheFirstPrefixFound) {
    const ValueCase& c = GetParam();
    WifiModuleState wifi;
    wifi.requests.MarkPending(kWifiGetIp);
    EXPECT_EQ(ParseWifiReply(c.reply, wifi), c.entry);
    if (c.entry < 0) {
        for (int entry = 0; entry < kWifiEntryCount; ++entry)
            EXPECT_FALSE(wifi.requests.Answered(entry)) << entry;
        EXPECT_TRUE(wifi.requests.Pending(kWifiGetIp));
        return;
    }
    EXPECT_TRUE(wifi.requests.Answered(c.entry));
    EXPECT_EQ(wifi.requests.Value(c.entry), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, WifiValueReplyTest,
    ::testing::Values(
        ValueCase{"Get_IP:C0A80114", kWifiGetIp, static_cast<int32_t>(0xC0A80114)},
        ValueCase{"Get_IP:c0a80114\r\n", kWifiGetIp, static_cast<int32_t>(0xC0A80114)},
        ValueCase{"Get_IP:1 2", kWifiGetIp, 0x102},      // a space is a zero digit
        ValueCase{"Get_IP:1x-2", kWifiGetIp, 0x12},      // other characters are skipped
        ValueCase{"Get_IP:FFFFFFFFFF", kWifiGetIp, -1},  // wraps, no overflow
        ValueCase{"Get_IP:", -1, 0},                     // nothing after the prefix
        ValueCase{"Get_LinkIP:0", kWifiGetLinkIp, 0}, ValueCase{"Get_WiFiMode:2", kWifiGetMode, 2},
        ValueCase{"Get_WiFiMode:", -1, 0},
        ValueCase{"##Get_WiFiMode:2", kWifiGetMode, 2},            // read to the end, not past it
        ValueCase{"Get_WiFiMode:2\0Get_IP:01"s, kWifiGetMode, 2},  // the text ends at NUL
        ValueCase{"Get_TCPPort:1010", kWifiGetTcpPort, 1010},
        ValueCase{"Get_UDPPort:10 1A0", kWifiGetUdpPort, 1010},  // decimal skips the rest
        // Get_IP: is searched first even when another prefix comes earlier in the text.
        ValueCase{"Get_HotSSID:Get_IP:0A000001", kWifiGetIp, 0x0A000001},
        ValueCase{"Get_Nothing:12", -1, 0}, ValueCase{"", -1, 0}));

TEST(WifiReplyParser, TextRepliesReplaceTheEntryTextFromThePrefixOn) {
    WifiModuleState wifi;
    wifi.requests.SetRequest(kWifiGetRoutePassword, "Get_RoutePW:");
    wifi.requests.MarkPending(kWifiGetRoutePassword);
    EXPECT_EQ(ParseWifiReply("\x01Get_RoutePW:studio-2024", wifi), kWifiGetRoutePassword);
    EXPECT_EQ(wifi.requests.Text(kWifiGetRoutePassword), "Get_RoutePW:studio-2024");
    EXPECT_TRUE(wifi.requests.Answered(kWifiGetRoutePassword));
    EXPECT_FALSE(wifi.requests.Pending(kWifiGetRoutePassword));
}

TEST(WifiReplyParser, AnOverLongTextReplyIsCutToTheTextLimit) {
    WifiModuleState wifi;
    const std::string reply = "Get_HotSSID:" + std::string(3000, 'A');
    EXPECT_EQ(ParseWifiReply(reply, wifi), kWifiGetHotSsid);
    EXPECT_EQ(wifi.requests.Text(kWifiGetHotSsid), reply.substr(0, kWifiTextLimit));
}

TEST(WifiReplyParser, SetRepliesOnlyAcknowledge) {
    WifiModuleState wifi;
    wifi.requests.SetRequest(kWifiSetHotPassword, "Set_HotPW:12345678");
    wifi.requests.MarkPending(kWifiSetHotPassword);
    EXPECT_EQ(ParseWifiReply("Set_HotPW:OK", wifi), kWifiSetHotPassword);
    EXPECT_TRUE(wifi.requests.Answered(kWifiSetHotPassword));
    EXPECT_FALSE(wifi.requests.Pending(kWifiSetHotPassword));
    EXPECT_EQ(wifi.requests.Text(kWifiSetHotPassword), "Set_HotPW:12345678");
    EXPECT_EQ(ParseWifiReply("Set_Restart:OK", wifi), kWifiSetRestart);
}

TEST(WifiReplyParser, EveryModuleAnsweringGetIpIsListedOnce) {
    WifiModuleState wifi;
    for (const char* reply : {"Get_IP:C0A80114", "Get_IP:C0A80115", "Get_IP:C0A80114", "Get_IP:0"})
        ParseWifiReply(reply, wifi);
    EXPECT_EQ(wifi.devices.Addresses(), (std::vector<uint32_t>{0xC0A80114, 0xC0A80115}));
    EXPECT_EQ(wifi.devices.At(2), 0u);
}

TEST(WifiReplyParser, TheHookFeedsTheDecodersWifiTextReplies) {
    ParamTable table;
    LinkState state;
    LinkClock clock;
    FrameCodec codec(table, state, clock);
    WifiModuleState wifi;
    HookWifiReplies(codec, wifi);
    const std::string text = "Get_WiFiMode:2\r\n";  // the two trailing bytes are not text
    const std::vector<uint8_t> frame = BuildFrame(
        Command::WifiText, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    codec.DecodeBytes(frame.data(), frame.size());
    EXPECT_TRUE(wifi.requests.Answered(kWifiGetMode));
    EXPECT_EQ(wifi.requests.Value(kWifiGetMode), 2);
}

}  // namespace
}  // namespace velto::test
