#include "platform/hid_device.h"

#include <hidapi.h>

#include <mutex>
#include <string>

namespace velto {

HidapiReportDevice::HidapiReportDevice() {
    // hid_init is not thread-safe; the library keeps it process-wide.
    static std::once_flag initialised;
    std::call_once(initialised, [] { hid_init(); });
}

HidapiReportDevice::~HidapiReportDevice() {
    Close();
}

bool HidapiReportDevice::Open(uint16_t vendor, uint16_t product) {
    Close();
    hid_device_info* found = hid_enumerate(vendor, product);
    if (!found) return false;
    // The first interface with both numbers is the processor's.
    const std::string path = found->path;
    hid_free_enumeration(found);
    reader_ = hid_open_path(path.c_str());
    writer_ = hid_open_path(path.c_str());
    if (reader_ && writer_) return true;
    Close();
    return false;
}

void HidapiReportDevice::Close() {
    if (reader_) hid_close(reader_);
    if (writer_) hid_close(writer_);
    reader_ = nullptr;
    writer_ = nullptr;
}

bool HidapiReportDevice::WriteReport(std::span<const uint8_t, kReportSize> report) {
    return writer_ && hid_write(writer_, report.data(), report.size()) > 0;
}

int HidapiReportDevice::ReadReport(std::span<uint8_t, kReportSize> report, int timeoutMs) {
    if (!reader_) return -1;
    // hidraw hands over the data without the report number of an unnumbered report; put the
    // 0 back in front so every report has the same 65-byte shape in both directions.
    const int count = hid_read_timeout(reader_, report.data() + 1, kReportData, timeoutMs);
    if (count <= 0) return count;
    report[0] = 0;
    return count + 1;
}

}  // namespace velto
