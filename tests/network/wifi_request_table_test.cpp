// The request table's own rules and the confirmation messages built on its marks.

#include "link/wifi_request_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/wifi_confirmations.h"

namespace velto::test {
namespace {

TEST(WifiRequestTable, ARequestTextIsCutToNinetyNineBytes) {
    WifiRequestTable table;
    const std::string name(150, 'n');
    table.SetRequest(kWifiSetHotSsid, "Set_HotSSID:" + name);
    EXPECT_EQ(table.Text(kWifiSetHotSsid), ("Set_HotSSID:" + name).substr(0, 99));
}

TEST(WifiRequestTable, TheTenthStepDropsTheRequest) {
    WifiRequestTable table;
    table.MarkPending(kWifiGetMode);
    for (int send = 1; send <= 9; ++send) {
        EXPECT_FALSE(table.StepRetry(kWifiGetMode)) << send;
        EXPECT_TRUE(table.Pending(kWifiGetMode));
    }
    EXPECT_TRUE(table.StepRetry(kWifiGetMode));
    EXPECT_FALSE(table.Pending(kWifiGetMode));
    EXPECT_EQ(table.Retries(kWifiGetMode), 0);
}

TEST(WifiRequestTable, ClearZeroesEveryEntry) {
    WifiRequestTable table;
    table.SetRequest(kWifiGetIp, "Get_IP:");
    table.MarkPending(kWifiGetIp);
    table.StepRetry(kWifiGetIp);
    table.AnswerValue(kWifiGetMode, 2);
    table.Clear();
    EXPECT_FALSE(table.Pending(kWifiGetIp));
    EXPECT_EQ(table.Retries(kWifiGetIp), 0);
    EXPECT_EQ(table.Text(kWifiGetIp), "");
    EXPECT_FALSE(table.Answered(kWifiGetMode));
    EXPECT_EQ(table.Value(kWifiGetMode), 0);
}

struct ConfirmationCase {
    std::vector<int> answered;
    std::vector<std::string> shown;
    std::vector<int> stillAnswered;
};

class WifiConfirmationTest : public ::testing::TestWithParam<ConfirmationCase> {};

TEST_P(WifiConfirmationTest, ShowsWhatHasFullyArrivedAndClearsItsMarks) {
    const ConfirmationCase& c = GetParam();
    WifiRequestTable table;
    for (const int entry : c.answered)
        table.Answer(entry);
    std::vector<std::string> shown;
    ShowWifiConfirmations(table, [&](const std::string& text, const std::string& caption) {
        EXPECT_EQ(caption, "WiFi");
        shown.push_back(text);
    });
    EXPECT_EQ(shown, c.shown);
    for (int entry = 0; entry < kWifiEntryCount; ++entry) {
        const bool kept = std::find(c.stillAnswered.begin(), c.stillAnswered.end(), entry) !=
                          c.stillAnswered.end();
        EXPECT_EQ(table.Answered(entry), kept) << entry;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Marks, WifiConfirmationTest,
    ::testing::Values(
        ConfirmationCase{{kWifiSetRouteSsid}, {}, {kWifiSetRouteSsid}},
        ConfirmationCase{{kWifiSetRoutePassword}, {}, {kWifiSetRoutePassword}},
        ConfirmationCase{{kWifiSetRouteSsid, kWifiSetRoutePassword}, {"Set RouteS:OK"}, {}},
        ConfirmationCase{{kWifiSetHotSsid}, {}, {kWifiSetHotSsid}},
        ConfirmationCase{{kWifiSetHotSsid, kWifiSetHotPassword}, {"Set Hot:OK"}, {}},
        ConfirmationCase{{kWifiSetMode}, {"WiFiMode:OK"}, {}},
        ConfirmationCase{{kWifiSetRestore, kWifiSetRestart}, {"Restore:OK", "Restart:OK"}, {}},
        // Readings are the settings dialog's to consume.
        ConfirmationCase{{kWifiGetMode, kWifiSetMode}, {"WiFiMode:OK"}, {kWifiGetMode}}));

}  // namespace
}  // namespace velto::test
