// velto-cli's WiFi commands as programs: over the frame channel of the simulated processor and
// over UDP to velto-sim serving as the WiFi module on loopback (a direct address, never
// discovery).

#include <gtest/gtest.h>

#include "cli/exit_codes.h"
#include "tests/transports/cli_programs.h"

namespace velto::cli {
namespace {

using test::ChildProcess;
using test::Cli;
using test::kSimLink;
using test::Lines;
using test::SimProgram;

// The simulated module's settings as wifi-get prints them.
std::vector<std::string> Settings(const std::string& address, const std::string& routeSsid,
                                  const std::string& routePassword) {
    return {"address " + address,        "mode hotspot",       "route-ssid " + routeSsid,
            "route-pw " + routePassword, "hot-ssid Velto-DSP", "hot-pw 12345678"};
}

TEST(CliWifiProgramTest, GetOverTheFrameChannel) {
    ChildProcess cli(Cli(kSimLink, {"wifi-get"}));
    ASSERT_EQ(cli.Wait(), kExitOk) << cli.Err();
    EXPECT_EQ(Lines(cli.Out()), Settings("192.168.4.1", "StudioNet", "studio-2024"));
}

TEST(CliWifiProgramTest, SetOverTheFrameChannelIsAcknowledged) {
    ChildProcess cli(
        Cli(kSimLink, {"wifi-set", "mode=router", "hot-ssid=Party", "hot-pw=longer-pw"}));
    ASSERT_EQ(cli.Wait(), kExitOk) << cli.Err();
    EXPECT_NE(cli.Err().find("WiFi: WiFiMode:OK"), std::string::npos) << cli.Err();
    EXPECT_NE(cli.Err().find("WiFi: Set Hot:OK"), std::string::npos) << cli.Err();
    EXPECT_TRUE(cli.Out().empty());
}

class CliNetLinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sim_.Ready()) << sim_.Process().Err();
        address_ = sim_.NetAddress();
        ASSERT_EQ(address_.rfind("127.0.0.1:", 0), 0u) << sim_.Process().Out();
    }
    std::vector<std::string> NetCli(std::vector<std::string> args) const {
        return Cli({VELTO_CLI_PROGRAM, "--time-scale", "0.2", "--link", "net:" + address_},
                   std::move(args));
    }

    SimProgram sim_{{"--net", "127.0.0.1:0"}};
    std::string address_;
};

TEST_F(CliNetLinkTest, GetOverUdp) {
    ChildProcess cli(NetCli({"wifi-get"}));
    ASSERT_EQ(cli.Wait(), kExitOk) << cli.Err();
    EXPECT_EQ(Lines(cli.Out()), Settings("127.0.0.1", "StudioNet", "studio-2024"));
}

TEST_F(CliNetLinkTest, RouterNameAloneKeepsTheModulesPassword) {
    ChildProcess set(NetCli({"wifi-set", "route-ssid=Home Net"}));
    ASSERT_EQ(set.Wait(), kExitOk) << set.Err();
    EXPECT_NE(set.Err().find("WiFi: Set RouteS:OK"), std::string::npos) << set.Err();
    ChildProcess get(NetCli({"wifi-get"}));
    ASSERT_EQ(get.Wait(), kExitOk) << get.Err();
    EXPECT_EQ(Lines(get.Out()), Settings("127.0.0.1", "Home Net", "studio-2024"));
}

TEST_F(CliNetLinkTest, ParametersTravelOverTcp) {
    ChildProcess cli(NetCli({"get", "0"}));
    ASSERT_EQ(cli.Wait(), kExitOk) << cli.Err();
    EXPECT_EQ(cli.Out(), "0 20005\n");
}

}  // namespace
}  // namespace velto::cli
