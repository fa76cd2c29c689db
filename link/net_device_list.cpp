#include "link/net_device_list.h"

#include <algorithm>

namespace velto {

void DiscoveredDevices::Add(uint32_t address) {
    if (address == 0) return;
    std::lock_guard lock(mutex_);
    if (std::find(addresses_.begin(), addresses_.end(), address) == addresses_.end())
        addresses_.push_back(address);
}

int DiscoveredDevices::Count() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(addresses_.size());
}

uint32_t DiscoveredDevices::At(int index) const {
    std::lock_guard lock(mutex_);
    if (index < 0 || static_cast<size_t>(index) >= addresses_.size()) return 0;
    return addresses_[static_cast<size_t>(index)];
}

std::vector<uint32_t> DiscoveredDevices::Addresses() const {
    std::lock_guard lock(mutex_);
    return addresses_;
}

void DiscoveredDevices::Clear() {
    std::lock_guard lock(mutex_);
    addresses_.clear();
}

}  // namespace velto
