// velto-cli's command line and its small formatting helpers.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_options.h"
#include "cli/cli_progress.h"
#include "cli/cli_run.h"
#include "cli/dump_json.h"
#include "cli/exit_codes.h"

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
        BadArguments{{"--json", "presets"}, "--json goes with dump only"}));

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
