// velto-cli's command line and its small formatting helpers.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_options.h"
#include "cli/cli_progress.h"
#include "cli/cli_run.h"
#include "cli/cli_session.h"
#include "cli/dump_json.h"
#include "cli/exit_codes.h"
#include "cli/wifi_commands.h"

namespace velto::cli {
namespace {

struct BadArguments {
    std::vector<std::string> args;
    std::string error;  // a part of the one-line error
};

class CliBadArgumentsTest : public ::testing::TestWithParam<BadArguments> {};

TEST_P(CliBadArgumentsTest, OneLineErrorAndTheUsageExitCode) {
    EXPECT_NE(ParseCommandLine(GetParam().args).error.find(GetParam().error), std::string::npos)
        << ParseCommandLine(GetParam().args).error;
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(GetParam().args, out, err), kExitUsage);
    EXPECT_TRUE(out.str().empty());
    const std::string text = err.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    EXPECT_EQ(text.rfind("velto-cli: ", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliBadArgumentsTest,
    ::testing::Values(
        BadArguments{{}, "no command"}, BadArguments{{"fly"}, "unknown command fly"},
        BadArguments{{"--verbose", "dump"}, "unknown option --verbose"},
        BadArguments{{"--link"}, "--link needs a value"},
        BadArguments{{"--link", "bluetooth", "dump"}, "unknown link bluetooth"},
        BadArguments{{"--link", "usb:3", "dump"}, "unknown link usb:3"},
        BadArguments{{"--link", "serial:", "dump"}, "unknown link serial:"},
        BadArguments{{"--timeout", "soon", "dump"}, "bad value for --timeout"},
        BadArguments{{"--timeout", "-1", "dump"}, "bad value for --timeout"},
        BadArguments{{"get"}, "at least one SLOT"}, BadArguments{{"get", "923"}, "not a slot"},
        BadArguments{{"get", "12x"}, "not a slot"}, BadArguments{{"set", "5"}, "not SLOT=VALUE"},
        BadArguments{{"set", "5=65536"}, "not SLOT=VALUE"},
        BadArguments{{"set", "5=-1"}, "not SLOT=VALUE"}, BadArguments{{"recall"}, "recall needs N"},
        BadArguments{{"recall", "17"}, "not a preset number"},
        BadArguments{{"save-preset", "3"}, "needs N NAME"},
        BadArguments{{"save-preset", "3", "Bad|Name"}, "characters"},
        BadArguments{{"save-preset", "3", std::string(26, 'a')}, "longer than 25"},
        BadArguments{{"presets", "extra"}, "takes no arguments"},
        BadArguments{{"--json", "presets"}, "--json goes with dump only"},
        BadArguments{{"--link", "net:host", "wifi-get"}, "unknown link net:host"},
        BadArguments{{"--link", "net:10.0.0.1:70000", "wifi-get"}, "unknown link net:10.0.0.1"},
        BadArguments{{"--link", "net:", "wifi-get"}, "unknown link net:"},
        BadArguments{{"wifi-get", "all"}, "wifi-get takes no arguments"},
        BadArguments{{"wifi-set"}, "at least one KEY=VALUE"},
        BadArguments{{"wifi-set", "hot-ssid"}, "not KEY=VALUE"},
        BadArguments{{"wifi-set", "channel=6"}, "unknown WiFi setting channel"},
        BadArguments{{"wifi-set", "mode=ap"}, "mode is hotspot or router"},
        BadArguments{{"wifi-set", "mode=router", "mode=hotspot"}, "mode given twice"},
        BadArguments{{"wifi-set", "hot-pw=12345678", "hot-pw=abcdefgh"}, "hot-pw given twice"},
        BadArguments{{"save-mode"}, "save-mode needs FILE"},
        BadArguments{{"upload", "a.qvd", "b.qvd"}, "upload needs FILE"},
        BadArguments{{"import", ""}, "import needs FILE"},
        BadArguments{{"mode-info"}, "mode-info needs FILE"}));

TEST(CliOptionsTest, FullCommandLine) {
    const ParseResult parsed = ParseCommandLine(
        {"--link", "serial:/dev/ttyUSB3", "--timeout", "2.5", "set", "100=0x10", "0x2=7"});
    ASSERT_EQ(parsed.error, "");
    const CliOptions& o = parsed.options;
    EXPECT_EQ(o.link.choice, LinkChoice::Serial);
    EXPECT_EQ(o.link.target, "/dev/ttyUSB3");
    EXPECT_DOUBLE_EQ(o.timeoutSeconds, 2.5);
    EXPECT_EQ(o.command, CommandKind::Set);
    ASSERT_EQ(o.assignments.size(), 2u);
    EXPECT_EQ(o.assignments[0].slot, 100);
    EXPECT_EQ(o.assignments[0].value, 16);
    EXPECT_EQ(o.assignments[1].slot, 2);
}

TEST(CliOptionsTest, LinkKinds) {
    EXPECT_EQ(ParseLinkSpec("usb")->choice, LinkChoice::Usb);
    EXPECT_EQ(ParseLinkSpec("sim")->choice, LinkChoice::Sim);
    EXPECT_EQ(ParseLinkSpec("serial")->target, "");
    EXPECT_EQ(ParseLinkSpec("net:192.168.4.1")->choice, LinkChoice::Network);
    EXPECT_EQ(ParseLinkSpec("net:192.168.4.1")->target, "192.168.4.1");
    EXPECT_EQ(ParseCommandLine({"dump"}).options.link.choice, LinkChoice::Settings);
}

TEST(CliOptionsTest, DumpTakesJsonAfterTheCommand) {
    EXPECT_TRUE(ParseCommandLine({"dump", "--json"}).options.json);
    EXPECT_TRUE(ParseCommandLine({"--json", "dump"}).options.json);
    EXPECT_FALSE(ParseCommandLine({"dump"}).options.json);
}

TEST(CliOptionsTest, HelpPrintsUsageAndSucceeds) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"--help"}, out, err), kExitOk);
    EXPECT_NE(out.str().find("usage: velto-cli"), std::string::npos);
    EXPECT_TRUE(err.str().empty());
}

TEST(CliOptionsTest, WifiSettingsAreCollected) {
    const ParseResult parsed =
        ParseCommandLine({"--link", "net:192.168.4.1:1010", "wifi-set", "mode=router",
                          "route-ssid=Home\tNet", "route-pw=", "hot-pw=a=b=c=d=e"});
    ASSERT_EQ(parsed.error, "");
    const WifiChanges& w = parsed.options.wifi;
    EXPECT_EQ(parsed.options.link.target, "192.168.4.1:1010");
    EXPECT_EQ(w.mode, WifiMode::Router);
    EXPECT_EQ(w.routeSsid, "HomeNet") << "control characters are left out, as in the dialog";
    EXPECT_EQ(w.routePassword, "");
    EXPECT_EQ(w.hotPassword, "a=b=c=d=e");
    EXPECT_FALSE(w.hotSsid);
}

struct WifiRule {
    const char* name;
    WifiChanges changes;
    std::string refusal;  // empty: allowed
};

class CliWifiRuleTest : public ::testing::TestWithParam<WifiRule> {};

TEST_P(CliWifiRuleTest, TheDialogsRules) {
    EXPECT_EQ(WifiRefusal(GetParam().changes), GetParam().refusal);
}

// "Set_RouteSSID:" and "Set_HotPW:" take 14 and 10 of the module's 99 bytes.
const std::string kLongestRouteSsid(85, 'r');
const std::string kLongestHotPassword(89, 'p');

INSTANTIATE_TEST_SUITE_P(
    Cases, CliWifiRuleTest,
    ::testing::Values(
        WifiRule{"Nothing", {}, ""},
        WifiRule{"EmptyRouterName", {.routeSsid = ""}, "SSID can't be empty!"},
        WifiRule{
            "EmptyHotSpotName", {.hotSsid = "", .hotPassword = "12345678"}, "SSID can't be empty!"},
        WifiRule{"ShortHotSpotPassword",
                 {.hotSsid = "Room", .hotPassword = "1234567"},
                 "Password cannot be less than eight!"},
        WifiRule{"OneCharacterHotSpotPassword",
                 {.hotPassword = "x"},
                 "Password cannot be less than eight!"},
        // Seven characters in twenty-one bytes are still seven characters.
        WifiRule{"ShortPasswordInWideCharacters",
                 {.hotPassword = "密码密码密码密"},
                 "Password cannot be less than eight!"},
        WifiRule{"EmptyHotSpotPasswordIsAllowed", {.hotSsid = "Room", .hotPassword = ""}, ""},
        WifiRule{"EightCharacters", {.hotPassword = "12345678"}, ""},
        WifiRule{"ShortRouterPasswordIsAllowed", {.routeSsid = "Home", .routePassword = "1"}, ""},
        WifiRule{"LongestRouterName", {.routeSsid = kLongestRouteSsid}, ""},
        WifiRule{"RouterNameTooLong",
                 {.routeSsid = kLongestRouteSsid + "r"},
                 "route-ssid is too long: the module takes at most 99 bytes per request"},
        WifiRule{"LongestHotSpotPassword", {.hotPassword = kLongestHotPassword}, ""},
        WifiRule{"HotSpotPasswordTooLong",
                 {.hotPassword = kLongestHotPassword + "p"},
                 "hot-pw is too long: the module takes at most 99 bytes per request"}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(CliWifiRuleTest, RefusedBeforeAnyDeviceIsAsked) {
    for (const auto& setting : {"hot-pw=short", "route-ssid="}) {
        std::ostringstream out, err;
        // No device exists on this link: a refusal that waited for one would end in code 3.
        EXPECT_EQ(
            RunCli({"--link", "serial:/nonexistent/tty", "--timeout", "0.2", "wifi-set", setting},
                   out, err),
            kExitSettingRefused)
            << err.str();
        EXPECT_TRUE(out.str().empty());
    }
}

TEST(CliSessionTest, SeveralModulesAreListedInOneLine) {
    EXPECT_EQ(SeveralDevicesError({0xC0A80114, 0x0A000002}),
              "several WiFi modules answered (192.168.1.20, 10.0.0.2); pick one with "
              "--link net:ADDRESS");
}

TEST(CliProgressTest, CaptionGetsThePercentage) {
    EXPECT_EQ(FormatProgressCaption("Read Device Data:%5.0f %%", 45.4), "Read Device Data:   45 %");
    EXPECT_EQ(FormatProgressCaption("Call...", 10), "Call...");
    // Anything but one floating-point conversion is never handed to printf.
    EXPECT_EQ(FormatProgressCaption("%s %n %5.0f", 1), "%s %n %5.0f");
    EXPECT_EQ(FormatProgressCaption("%5.0f %5.0f", 1), "%5.0f %5.0f");
}

TEST(DumpJsonTest, SlotsInOrderAndEscapedNames) {
    EXPECT_EQ(
        DumpJson({20005, 0, 65535}, {"Room 1", "say \"hi\"\\", std::string("a\x01", 2)}),
        "{\"slots\":[20005,0,65535],\"presets\":[\"Room 1\",\"say \\\"hi\\\"\\\\\",\"a\\u0001\"]}");
}

}  // namespace
}  // namespace velto::cli
