#include "platform/transport_factory.h"

#include "link/link_timing.h"
#include "link/net_transport.h"
#include "link/serial_transport.h"
#include "link/usb_transport.h"
#include "platform/hid_device.h"
#include "platform/serial_ports.h"

namespace velto {
namespace {

std::unique_ptr<Transport> MakeNetworkTransport(const TransportOptions& options) {
    const std::string spec =
        options.networkAddress.empty() ? "net" : "net:" + options.networkAddress;
    if (!options.wifi) return MakeNetTransport(spec, options.net);
    std::optional<NetOptions> net = ParseNetLinkSpec(spec, options.net);
    if (!net) return nullptr;
    return std::make_unique<NetTransport>(std::move(*net), *options.wifi, options.wifiMessages);
}

}  // namespace

std::unique_ptr<Transport> MakeTransport(int linkKind, const TransportOptions& options) {
    switch (linkKind) {
        case kLinkUsb:
            return std::make_unique<UsbTransport>(std::make_unique<HidapiReportDevice>());
        case kLinkNetwork:
            return MakeNetworkTransport(options);
        default: {
            SerialPortList ports = options.serialPorts.empty()
                                       ? SerialPortList([] { return ListSerialPorts(); })
                                       : SerialPortList::Fixed(options.serialPorts);
            return std::make_unique<SerialTransport>(std::move(ports));
        }
    }
}

}  // namespace velto
