#include "link/serial_transport.h"

#include <array>

#include "link/link_context.h"

namespace velto {
namespace {

constexpr int kAnswerMs = 100;  // what a port gets to answer the probe
constexpr int kProbeWaitMs = 500;
constexpr int kBetweenPortsMs = 10;
constexpr int kAfterRefreshMs = 100;
constexpr int kWriteTimeoutMs = 500;
constexpr int kIdleWaitMs = 10000;
constexpr size_t kReadChunk = 4096;

}  // namespace

SerialTransport::SerialTransport(SerialPortList ports) : ports_(std::move(ports)) {}

SerialTransport::~SerialTransport() {
    Close();
}

void SerialTransport::ConnectLoop(LinkContext& link) {
    link_.store(&link, std::memory_order_release);
    if (!link.Running()) return;
    link.ReportState(kStateSearching);
    for (;;) {
        link.clock.SleepMs(kBetweenPortsMs);
        const std::optional<std::string> port = ports_.Next();
        // The previous port's receiving thread must be gone before its bytes are dropped.
        Close();
        link.codec.ResetReceiveBuffer();
        if (port && Open(*port, link) && ProbePort(link)) {
            link.ReportState(kStateConnected);
            return;
        }
        if (ports_.AtEnd()) {
            ports_.Refresh();
            link.clock.SleepMs(kAfterRefreshMs);
        }
        if (!link.Running()) return;
    }
}

bool SerialTransport::ProbePort(LinkContext& link) {
    link.table.Slots()[kIdentitySlot].received.store(0, std::memory_order_release);
    // Released up front, the wait below returns at once: the port gets kAnswerMs to answer.
    link.codec.ReleaseWaiter();
    link.codec.SetWaiting(true);
    link.codec.ReadSlot(kIdentitySlot);
    link.clock.SleepMs(kAnswerMs);
    link.codec.WaitForReply(kProbeWaitMs, IsConnected());
    link.codec.SetWaiting(false);
    return link.table.Received(kIdentitySlot);
}

bool SerialTransport::Open(const std::string& path, LinkContext& link) {
    std::lock_guard lock(mutex_);
    CloseLocked();
    if (!port_.Open(path, link.state.baudRate.load())) return false;
    connected_.store(true, std::memory_order_release);
    receiver_ = std::thread([this, &link] { ReceiverThread(link); });
    return true;
}

void SerialTransport::Close() {
    std::lock_guard lock(mutex_);
    CloseLocked();
}

void SerialTransport::CloseLocked() {
    if (receiver_.joinable()) {
        port_.Interrupt();
        receiver_.join();
    }
    LinkContext* link = link_.load(std::memory_order_acquire);
    if (link && connected_.load(std::memory_order_acquire)) MarkDisconnected(*link);
    port_.Close();
}

void SerialTransport::MarkDisconnected(LinkContext& link) {
    connected_.store(false, std::memory_order_release);
    link.SetLinkUp(false);
    link.codec.ReleaseWaiter();
}

void SerialTransport::Send(std::span<const uint8_t> frame) {
    std::lock_guard lock(mutex_);
    if (connected_.load(std::memory_order_acquire)) port_.WriteAll(frame, kWriteTimeoutMs);
}

void SerialTransport::ReceiverThread(LinkContext& link) {
    std::array<uint8_t, kReadChunk> buffer{};
    for (;;) {
        switch (port_.WaitForInput(kIdleWaitMs)) {
            case PortWait::Interrupted:
                return;
            case PortWait::TimedOut:
                continue;
            case PortWait::Readable:
                break;
            case PortWait::Gone:
                MarkDisconnected(link);
                return;
        }
        for (;;) {
            const long count = port_.ReadSome(buffer);
            if (count == 0) break;
            if (count < 0) {
                MarkDisconnected(link);
                return;
            }
            link.codec.DecodeBytes(buffer.data(), static_cast<size_t>(count));
        }
    }
}

}  // namespace velto
