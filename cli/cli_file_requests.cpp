#include "cli/cli_file_requests.h"

namespace velto::cli {

void CliFileRequests::SaveDeviceToFile(LinkEngine& link) {
    requests_.SaveDeviceToFile(link);
    finished_.fetch_add(1, std::memory_order_release);
}

void CliFileRequests::UploadFileToDevice(LinkEngine& link) {
    requests_.UploadFileToDevice(link);
    finished_.fetch_add(1, std::memory_order_release);
}

}  // namespace velto::cli
