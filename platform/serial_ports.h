#pragma once
// The computer's serial ports: USB serial adapters (ttyUSB), modems and boards speaking CDC-ACM
// (ttyACM), Bluetooth serial links (rfcomm) and on-board UARTs (ttyS) that have a chip behind
// them, in that order and by number within each kind.

#include <string>
#include <vector>

namespace velto {

// Device paths of the ports present now.  The directories can be replaced for tests.
std::vector<std::string> ListSerialPorts(const std::string& sysClassTty = "/sys/class/tty",
                                         const std::string& devDir = "/dev");

}  // namespace velto
