#pragma once
// Waits and link-lost limits per link kind.

namespace velto {

enum LinkKind : int { kLinkUsb = 1, kLinkNetwork = 2, kLinkBluetooth = 3, kLinkSerial = 4 };

struct LinkTiming {
    int bulkReplyWaitMs;   // each ReadBatch of a full read, each WriteBatch of an upload
    int cycleReplyWaitMs;  // the steady cycle's WriteBatch and WifiText replies
    int silenceLimitMs;    // after this long without a valid frame every send is a miss
    int missLimit;         // misses that make the link count as lost
};

constexpr LinkTiming TimingFor(int linkKind) {
    switch (linkKind) {
        case kLinkNetwork:
            return {1000, 1000, 3000, 14};
        case kLinkBluetooth:
            return {100, 1000, 3000, 14};
        default:
            return {100, 200, 1500, 4};  // USB and serial COM
    }
}

// The window-title suffix of a link kind.
constexpr const char* LinkTitleSuffix(int linkKind) {
    switch (linkKind) {
        case kLinkUsb:
            return "-USB";
        case kLinkNetwork:
            return "-NET";
        case kLinkBluetooth:
            return "-BT";
        default:
            return "-COM";
    }
}

}  // namespace velto
