#pragma once
// The four operations every transport offers the link: connect loop, connected query, close
// and send.  The link thread calls all of them; a transport's own receiving thread hands what
// arrives to FrameCodec::DecodeBytes.

#include <cstdint>
#include <span>

namespace velto {

class LinkContext;

class Transport {
  public:
    virtual ~Transport() = default;
    // Blocks until the link is up or the link's running flag is cleared.
    virtual void ConnectLoop(LinkContext& link) = 0;
    virtual bool IsConnected() const = 0;
    virtual void Close() = 0;
    // Puts one whole frame on the wire.
    virtual void Send(std::span<const uint8_t> frame) = 0;
    // Called before a send once the device has been silent for the silence limit; the
    // network transport re-probes its TCP connection here, with the link it was connected for.
    virtual void Reprobe() {}
};

}  // namespace velto
