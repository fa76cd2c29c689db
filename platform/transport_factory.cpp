#include "platform/transport_factory.h"

#include "link/link_timing.h"
#include "link/serial_transport.h"
#include "link/usb_transport.h"
#include "platform/hid_device.h"
#include "platform/serial_ports.h"

namespace velto {

std::unique_ptr<Transport> MakeTransport(int linkKind, const TransportOptions& options) {
    switch (linkKind) {
        case kLinkUsb:
            return std::make_unique<UsbTransport>(std::make_unique<HidapiReportDevice>());
        case kLinkNetwork:
            // The network transport (TCP with UDP discovery) is added here with its module.
            return nullptr;
        default: {
            SerialPortList ports = options.serialPorts.empty()
                                       ? SerialPortList([] { return ListSerialPorts(); })
                                       : SerialPortList::Fixed(options.serialPorts);
            return std::make_unique<SerialTransport>(std::move(ports));
        }
    }
}

}  // namespace velto
