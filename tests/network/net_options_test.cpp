// Addresses and the --link net[:ADDRESS[:PORT]] form.

#include <gtest/gtest.h>

#include "link/net_address.h"
#include "link/net_options.h"

namespace velto::test {
namespace {

TEST(NetAddress, FormatsAndParsesDottedAddresses) {
    EXPECT_EQ(FormatIpv4(0xC0A80114), "192.168.1.20");
    EXPECT_EQ(ParseIpv4("192.168.1.20"), 0xC0A80114u);
    EXPECT_EQ(ParseIpv4("255.255.255.255"), 0xFFFFFFFFu);
    for (const char* bad :
         {"", "1.2.3", "1.2.3.4.5", "1.2.3.256", "1..2.3", "a.b.c.d", "1.2.3.4 ", "1.2.3.0004"})
        EXPECT_FALSE(ParseIpv4(bad)) << bad;
}

struct SpecCase {
    const char* spec;
    bool valid;
    uint32_t direct;
    uint16_t port;
};

class NetLinkSpecTest : public ::testing::TestWithParam<SpecCase> {};

TEST_P(NetLinkSpecTest, ReadsAddressAndPort) {
    const SpecCase& c = GetParam();
    NetOptions base;
    base.connectTimeoutMs = 123;
    const std::optional<NetOptions> options = ParseNetLinkSpec(c.spec, base);
    ASSERT_EQ(options.has_value(), c.valid);
    if (!c.valid) return;
    EXPECT_EQ(options->directAddress, c.direct);
    EXPECT_EQ(options->modulePort, c.port);
    EXPECT_EQ(options->connectTimeoutMs, 123);
}

INSTANTIATE_TEST_SUITE_P(Specs, NetLinkSpecTest,
                         ::testing::Values(SpecCase{"net", true, 0, 1010},
                                           SpecCase{"net:10.0.0.7", true, 0x0A000007, 1010},
                                           SpecCase{"net:127.0.0.1:11010", true, 0x7F000001, 11010},
                                           SpecCase{"net:", false, 0, 0},
                                           SpecCase{"net:0.0.0.0", false, 0, 0},
                                           SpecCase{"net:10.0.0.7:0", false, 0, 0},
                                           SpecCase{"net:10.0.0.7:70000", false, 0, 0},
                                           SpecCase{"net:10.0.0.7:12x", false, 0, 0},
                                           SpecCase{"network", false, 0, 0},
                                           SpecCase{"usb", false, 0, 0}));

}  // namespace
}  // namespace velto::test
