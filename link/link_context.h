#pragma once
// The parts of the link a transport works with: the table, the codec, the link state, the
// clock and the notifier, plus the steps every connect loop shares.

#include "link/frame_codec.h"
#include "link/link_clock.h"
#include "link/link_ports.h"
#include "link/link_state.h"
#include "link/param_table.h"

namespace velto {

class LinkContext {
  public:
    LinkContext(ParamTable& paramTable, LinkState& linkState, FrameCodec& frameCodec,
                const LinkClock& linkClock, LinkNotifier& linkNotifier)
        : table(paramTable),
          state(linkState),
          codec(frameCodec),
          clock(linkClock),
          notifier(linkNotifier) {}

    bool Running() const { return state.running.load(std::memory_order_acquire); }
    bool LinkUp() const { return state.linkUp.load(std::memory_order_acquire); }
    void SetLinkUp(bool up) { state.linkUp.store(up, std::memory_order_release); }

    // Message 1025 (4, code), sent only while the link is running.
    void ReportState(LinkStateCode code) {
        if (Running()) notifier.Send(kNoticeLinkState, code);
    }

    // The probe of every connect loop: ask for slot 0 and wait for the reply.  True when the
    // slot's received flag is set afterwards.
    bool ProbeIdentitySlot(int waitMs, bool connected) {
        codec.SetWaiting(true);
        codec.ReadSlot(kIdentitySlot);
        codec.WaitForReply(waitMs, connected);
        codec.SetWaiting(false);
        return table.Received(kIdentitySlot);
    }

    ParamTable& table;
    LinkState& state;
    FrameCodec& codec;
    const LinkClock& clock;
    LinkNotifier& notifier;
};

}  // namespace velto
