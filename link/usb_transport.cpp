#include "link/usb_transport.h"

#include "link/link_context.h"

namespace velto {
namespace {

constexpr int kProbeWaitMs = 500;
constexpr int kRetryMs = 100;
// How long one report read may block before the receiver looks at its stop flag again.  A
// quiet device is not an error: the processor only speaks when spoken to.
constexpr int kReadPollMs = 100;

}  // namespace

UsbTransport::UsbTransport(std::unique_ptr<UsbReportDevice> device) : device_(std::move(device)) {}

UsbTransport::~UsbTransport() {
    Close();
}

void UsbTransport::ConnectLoop(LinkContext& link) {
    link_.store(&link, std::memory_order_release);
    for (;;) {
        link.ReportState(kStateSearching);
        link.clock.SleepMs(100);
        link.SetLinkUp(false);
        while (!link.LinkUp() && link.Running()) {
            if (!OpenAndListen(link)) {
                link.clock.SleepMs(kRetryMs);
                continue;
            }
            // A flag left from an earlier connection must not pass for this device's answer.
            link.table.Slots()[kIdentitySlot].received.store(0, std::memory_order_release);
            if (link.ProbeIdentitySlot(kProbeWaitMs, IsConnected())) {
                link.ReportState(kStateConnected);
                link.SetLinkUp(true);
                link.clock.SleepMs(100);
                return;
            }
            Close();
            break;
        }
        if (!link.Running() || link.LinkUp()) return;
    }
}

bool UsbTransport::OpenAndListen(LinkContext& link) {
    std::lock_guard lock(mutex_);
    CloseLocked();
    if (!device_->Open(kUsbVendor, kUsbProduct)) return false;
    stopReceiver_.store(false, std::memory_order_release);
    receiving_.store(true, std::memory_order_release);
    receiver_ = std::thread([this, &link] { ReceiverThread(link); });
    return true;
}

void UsbTransport::Close() {
    std::lock_guard lock(mutex_);
    CloseLocked();
}

void UsbTransport::CloseLocked() {
    stopReceiver_.store(true, std::memory_order_release);
    if (receiver_.joinable()) receiver_.join();
    device_->Close();
}

void UsbTransport::Send(std::span<const uint8_t> frame) {
    bool written = true;
    {
        std::lock_guard lock(mutex_);
        for (const HidReport& report : WrapInReports(frame)) {
            written = device_->WriteReport(report);
            if (!written) break;
        }
    }
    LinkContext* link = link_.load(std::memory_order_acquire);
    if (!written && link) link->SetLinkUp(false);
}

void UsbTransport::ReceiverThread(LinkContext& link) {
    UsbMessageAssembler assembler;
    HidReport report{};
    while (link.Running() && !stopReceiver_.load(std::memory_order_acquire)) {
        const int count = device_->ReadReport(report, kReadPollMs);
        if (count < 0) break;
        const std::span<const uint8_t> frame =
            assembler.Add(std::span<const uint8_t>(report.data(), static_cast<size_t>(count)));
        if (!frame.empty()) link.codec.DecodeBytes(frame.data(), frame.size());
    }
    link.SetLinkUp(false);
    receiving_.store(false, std::memory_order_release);
}

}  // namespace velto
