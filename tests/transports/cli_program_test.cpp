// velto-cli and velto-sim as programs: the built binaries, run the way a script runs them.

#include <gtest/gtest.h>
#include <signal.h>

#include "cli/exit_codes.h"
#include "tests/transports/cli_programs.h"

namespace velto::cli {
namespace {

using test::ChildProcess;
using test::Cli;
using test::kSimLink;
using test::Lines;
using test::SimProgram;
using namespace std::chrono_literals;

TEST(CliProgramTest, GetPrintsSlotValueLines) {
    ChildProcess cli(Cli(kSimLink, {"get", "0", "913"}));
    ASSERT_EQ(cli.Wait(), kExitOk) << cli.Err();
    // Slot 0 is the identity code; the simulated processor starts in mode 1.
    EXPECT_EQ(Lines(cli.Out()), (std::vector<std::string>{"0 20005", "913 1"}));
    EXPECT_NE(cli.Err().find("Read Device Data"), std::string::npos) << "progress on stderr";
}

TEST(CliProgramTest, DumpPrintsEverySlot) {
    ChildProcess cli(Cli(kSimLink, {"dump"}));
    ASSERT_EQ(cli.Wait(), kExitOk) << cli.Err();
    const auto lines = Lines(cli.Out());
    ASSERT_EQ(lines.size(), 923u);
    EXPECT_EQ(lines.front(), "0 20005");
    EXPECT_EQ(lines.back().rfind("922 ", 0), 0u);
}

TEST(CliProgramTest, DumpAsJsonHasSlotsAndPresetNames) {
    ChildProcess cli(Cli(kSimLink, {"dump", "--json"}));
    ASSERT_EQ(cli.Wait(), kExitOk) << cli.Err();
    const auto lines = Lines(cli.Out());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("{\"slots\":[20005,", 0), 0u);
    EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), ','), 922 + 15 + 1);
    EXPECT_NE(lines[0].find("\"presets\":[\"Room 1\",\"Room 2\","), std::string::npos);
}

TEST(CliProgramTest, PresetsPrintsNumberAndName) {
    ChildProcess cli(Cli(kSimLink, {"presets"}));
    ASSERT_EQ(cli.Wait(), kExitOk) << cli.Err();
    const auto lines = Lines(cli.Out());
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0], "1 Room 1");
    EXPECT_EQ(lines[15], "16 Room 16");
}

TEST(CliProgramTest, SetRecallAndSaveSucceedAgainstTheSimulator) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"set", "100=1234", "101=0"}, {"recall", "3"}, {"save-preset", "2", "Evening"}}) {
        ChildProcess cli(Cli(kSimLink, args));
        EXPECT_EQ(cli.Wait(), kExitOk) << args[0] << ": " << cli.Err();
    }
}

TEST(CliProgramTest, SerialLinkToVeltoSim) {
    SimProgram sim;
    ASSERT_TRUE(sim.Ready()) << sim.Process().Err();
    ChildProcess get(sim.SerialCli({"get", "0"}));
    ASSERT_EQ(get.Wait(), kExitOk) << get.Err();
    EXPECT_EQ(get.Out(), "0 20005\n");
    ChildProcess set(sim.SerialCli({"set", "300=4321"}));
    EXPECT_EQ(set.Wait(), kExitOk) << set.Err();
    ChildProcess saved(sim.SerialCli({"get", "300"}));
    ASSERT_EQ(saved.Wait(), kExitOk) << saved.Err();
    EXPECT_EQ(saved.Out(), "300 4321\n");
    ChildProcess save(sim.SerialCli({"save-preset", "5", "Late Show"}));
    EXPECT_EQ(save.Wait(), kExitOk) << save.Err();
    ChildProcess presets(sim.SerialCli({"presets"}));
    ASSERT_EQ(presets.Wait(), kExitOk) << presets.Err();
    EXPECT_NE(presets.Out().find("\n5 Late Show\n"), std::string::npos) << presets.Out();
}

struct FailureCase {
    const char* name;
    std::vector<std::string> simOptions;
    std::vector<std::string> cliArgs;
    int exitCode;
    const char* error;
};

class CliFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CliFailureTest, DistinctExitCodeAndAClearError) {
    SimProgram sim(GetParam().simOptions);
    ASSERT_TRUE(sim.Ready()) << sim.Process().Err();
    ChildProcess cli(sim.SerialCli(GetParam().cliArgs));
    EXPECT_EQ(cli.Wait(), GetParam().exitCode) << cli.Err();
    EXPECT_NE(cli.Err().find(GetParam().error), std::string::npos) << cli.Err();
    EXPECT_TRUE(cli.Out().empty()) << cli.Out();
}

INSTANTIATE_TEST_SUITE_P(Cases, CliFailureTest,
                         ::testing::Values(FailureCase{"SilentDevice",
                                                       {"--silent"},
                                                       {"--timeout", "1", "identify"},
                                                       kExitNoDevice,
                                                       "no device answered within 1 s"},
                                           FailureCase{"WrongModel",
                                                       {"--identity", "12345"},
                                                       {"identify"},
                                                       kExitWrongModel,
                                                       "not this processor model"},
                                           FailureCase{"EchoMismatch",
                                                       {"--echo-wrong", "100"},
                                                       {"set", "100=5", "101=6"},
                                                       kExitFailed,
                                                       "other values for slot 100"},
                                           FailureCase{"EncryptedMode",
                                                       {"--encrypted", "0x2"},
                                                       {"get", "5"},
                                                       kExitFailed,
                                                       "encrypted"}),
                         [](const auto& c) { return std::string(c.param.name); });

TEST(CliProgramTest, NoSuchPortMeansNoDevice) {
    ChildProcess cli(
        {VELTO_CLI_PROGRAM, "--link", "serial:/nonexistent/tty", "--timeout", "0.5", "identify"});
    EXPECT_EQ(cli.Wait(), kExitNoDevice) << cli.Err();
}

TEST(CliProgramTest, LineClosedDuringADumpIsALostLink) {
    // Slow replies keep the full read going long enough to pull the plug in the middle.
    SimProgram sim({"--latency", "20"});
    ASSERT_TRUE(sim.Ready()) << sim.Process().Err();
    ChildProcess cli(Cli({VELTO_CLI_PROGRAM, "--link", "serial:" + sim.Path()}, {"dump"}));
    ASSERT_TRUE(cli.WaitForOutput(2, "Read Device Data", 20s)) << cli.Err();
    sim.Process().Signal(SIGTERM);
    EXPECT_EQ(sim.Process().Wait(), 0);
    EXPECT_EQ(cli.Wait(), kExitLinkLost) << cli.Err();
    EXPECT_NE(cli.Err().find("lost"), std::string::npos);
}

}  // namespace
}  // namespace velto::cli
