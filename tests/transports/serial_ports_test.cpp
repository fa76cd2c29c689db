// The list of serial ports: what the system offers, and the connect loop's walk through it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "link/serial_port_list.h"
#include "platform/serial_ports.h"

namespace velto::test {
namespace {

namespace fs = std::filesystem;

class SystemPortsTest : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(root); }
    void TearDown() override { fs::remove_all(root); }
    // A /sys/class/tty entry; uartType is written for ttyS entries.
    void Tty(const std::string& name, int uartType = -1) {
        fs::create_directories(root / name);
        if (uartType >= 0) std::ofstream(root / name / "type") << uartType << '\n';
    }

    const fs::path root = fs::path(VELTO_TEST_SCRATCH) / ("tty-" + std::to_string(::getpid()));
};

TEST_F(SystemPortsTest, AdaptersModemsBluetoothThenUartsByNumber) {
    for (const char* name : {"ttyUSB10", "ttyUSB2", "ttyACM0", "rfcomm1", "tty0", "console",
                             "ttyUSBx", "ptmx", "ttyprintk"})
        Tty(name);
    Tty("ttyS0", 4);  // a 16550A
    Tty("ttyS1", 0);  // a node without a chip
    Tty("ttyS2");     // no type at all
    EXPECT_EQ(ListSerialPorts(root.string(), "/dev"),
              (std::vector<std::string>{"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0",
                                        "/dev/rfcomm1", "/dev/ttyS0"}));
}

TEST_F(SystemPortsTest, MissingDirectoryListsNothing) {
    EXPECT_TRUE(ListSerialPorts((root / "absent").string()).empty());
}

TEST(SerialPortListTest, StartsEmptyAndWalksTheRefreshedListOnce) {
    int reads = 0;
    SerialPortList list([&] {
        ++reads;
        return std::vector<std::string>{"/dev/ttyUSB0", "", "/dev/ttyACM0", "/dev/ttyUSB0"};
    });
    EXPECT_TRUE(list.AtEnd());
    EXPECT_FALSE(list.Next());
    list.Refresh();
    EXPECT_EQ(list.Ports(), (std::vector<std::string>{"/dev/ttyUSB0", "/dev/ttyACM0"}));
    EXPECT_EQ(list.Next(), "/dev/ttyUSB0");
    EXPECT_EQ(list.Next(), "/dev/ttyACM0");
    EXPECT_TRUE(list.AtEnd());
    list.Refresh();
    EXPECT_EQ(reads, 2);
    EXPECT_EQ(list.Next(), "/dev/ttyUSB0");
}

TEST(SerialPortListTest, RefreshFindsPortsPluggedInLater) {
    std::vector<std::string> present;
    SerialPortList list([&] { return present; });
    list.Refresh();
    EXPECT_TRUE(list.AtEnd());
    present = {"/dev/rfcomm0"};
    list.Refresh();
    EXPECT_EQ(list.Next(), "/dev/rfcomm0");
}

}  // namespace
}  // namespace velto::test
