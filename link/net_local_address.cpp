#include "link/net_local_address.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <unistd.h>

#include <climits>

namespace velto {
namespace {

bool IsLoopback(uint32_t address) {
    return address >> 24 == 127;
}

// The first IPv4 address of an interface that matches.
template <typename Match>
uint32_t FirstInterfaceAddress(Match match) {
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) return 0;
    uint32_t found = 0;
    for (const ifaddrs* entry = list; entry && found == 0; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET) continue;
        const uint32_t address =
            ntohl(reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr.s_addr);
        if (match(*entry, address)) found = address;
    }
    ::freeifaddrs(list);
    return found;
}

uint32_t HostNameAddress() {
    char name[HOST_NAME_MAX + 1] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return 0;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* results = nullptr;
    if (::getaddrinfo(name, nullptr, &hints, &results) != 0) return 0;
    const uint32_t address =
        results ? ntohl(reinterpret_cast<const sockaddr_in*>(results->ai_addr)->sin_addr.s_addr)
                : 0;
    ::freeaddrinfo(results);
    return address;
}

}  // namespace

uint32_t InterfaceAddress(const std::string& interfaceName) {
    return FirstInterfaceAddress(
        [&](const ifaddrs& entry, uint32_t) { return interfaceName == entry.ifa_name; });
}

uint32_t HostAddress() {
    const uint32_t address = HostNameAddress();
    if (address != 0 && !IsLoopback(address)) return address;
    return FirstInterfaceAddress([](const ifaddrs& entry, uint32_t found) {
        return (entry.ifa_flags & IFF_UP) && !(entry.ifa_flags & IFF_LOOPBACK) &&
               !IsLoopback(found);
    });
}

}  // namespace velto
