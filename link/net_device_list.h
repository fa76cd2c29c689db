#pragma once
// The modules that answered "Get_IP:" in the order they first answered, each listed once.  The
// discovery thread and the frame decoder add; the link thread and the device choice read and
// clear.

#include <cstdint>
#include <mutex>
#include <vector>

namespace velto {

class DiscoveredDevices {
  public:
    // Adds a non-zero address that is not listed yet.
    void Add(uint32_t address);
    int Count() const;
    // The address at index, or 0 outside the list.
    uint32_t At(int index) const;
    std::vector<uint32_t> Addresses() const;
    void Clear();

  private:
    mutable std::mutex mutex_;
    std::vector<uint32_t> addresses_;
};

}  // namespace velto
