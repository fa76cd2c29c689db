// velto-sim's command line.

#include <gtest/gtest.h>

#include "sim/sim_options.h"

namespace velto::sim {
namespace {

TEST(SimOptionsTest, FaultsAndServing) {
    const SimOptionsResult parsed =
        ParseSimOptions({"--drop", "0.25", "--corrupt", "0.1", "--identity", "123", "--encrypted",
                         "0x6", "--latency", "5", "--line-rate", "128000", "--echo-wrong", "7",
                         "--echo-wrong", "9", "--link", "/tmp/line", "--silent"});
    ASSERT_EQ(parsed.error, "");
    const SimOptions& o = parsed.options;
    EXPECT_DOUBLE_EQ(o.faults.dropReplies, 0.25);
    EXPECT_DOUBLE_EQ(o.faults.corruptReplies, 0.1);
    EXPECT_EQ(o.faults.identity, 123);
    EXPECT_TRUE(o.faults.silent);
    EXPECT_EQ(o.encryptedMask, 6u);
    EXPECT_EQ(o.pty.latencyMs, 5);
    EXPECT_EQ(o.pty.bitsPerSecond, 128000);
    EXPECT_EQ(o.faults.echoWrongSlots, (std::set<int>{7, 9}));
    EXPECT_EQ(o.pty.linkPath, "/tmp/line");
}

TEST(SimOptionsTest, BadArgumentsAreNamed) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--drop", "1.5"}, "bad value for --drop"},
        {{"--drop"}, "--drop needs RATE"},
        {{"--identity", "x"}, "bad value for --identity"},
        {{"--echo-wrong", "923"}, "bad value for --echo-wrong"},
        {{"--fast"}, "unknown option --fast"},
    };
    for (const auto& [args, error] : cases)
        EXPECT_EQ(ParseSimOptions(args).error.rfind(error, 0), 0u) << ParseSimOptions(args).error;
}

}  // namespace
}  // namespace velto::sim
