#include "link/serial_port_list.h"

#include <algorithm>

namespace velto {

SerialPortList SerialPortList::Fixed(std::vector<std::string> ports) {
    return SerialPortList([ports = std::move(ports)] { return ports; });
}

std::optional<std::string> SerialPortList::Next() {
    if (AtEnd()) return std::nullopt;
    return ports_[next_++];
}

void SerialPortList::Refresh() {
    ports_.clear();
    next_ = 0;
    for (std::string& port : source_()) {
        if (port.empty() || std::find(ports_.begin(), ports_.end(), port) != ports_.end()) continue;
        ports_.push_back(std::move(port));
    }
}

}  // namespace velto
