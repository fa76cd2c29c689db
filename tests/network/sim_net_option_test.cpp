// velto-sim's --net option: where the simulated WiFi module is served.

#include <gtest/gtest.h>

#include "sim/sim_options.h"

namespace velto::sim {
namespace {

TEST(SimNetOption, TakesAnAddressAndAnOptionalPort) {
    const SimOptionsResult plain = ParseSimOptions({"--net", "127.0.0.1"});
    ASSERT_TRUE(plain.error.empty()) << plain.error;
    ASSERT_TRUE(plain.options.net);
    EXPECT_EQ(plain.options.net->address, 0x7F000001u);
    EXPECT_EQ(plain.options.net->port, 1010);

    const SimOptionsResult ported = ParseSimOptions({"--net", "127.0.0.2:11010"});
    ASSERT_TRUE(ported.options.net);
    EXPECT_EQ(ported.options.net->address, 0x7F000002u);
    EXPECT_EQ(ported.options.net->port, 11010);

    EXPECT_FALSE(ParseSimOptions({}).options.net);
}

TEST(SimNetOption, RefusesWhatIsNotAnAddressAndPort) {
    for (const char* bad : {"localhost", "127.0.0.1:", "127.0.0.1:65536", "127.0.0.1:x", "1.2.3"})
        EXPECT_FALSE(ParseSimOptions({"--net", bad}).error.empty()) << bad;
}

}  // namespace
}  // namespace velto::sim
