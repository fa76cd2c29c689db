#pragma once
// Requests 1 and 11 as the application runs them, counted: velto-cli learns that a request
// has ended (with its messages shown) from the count, whatever the outcome.

#include <atomic>

#include "system/core/mode_file_requests.h"

namespace velto::cli {

class CliFileRequests final : public LinkFileRequests {
  public:
    ModeFileRequests& Requests() { return requests_; }
    int Finished() const { return finished_.load(std::memory_order_acquire); }

    void SaveDeviceToFile(LinkEngine& link) override;
    void UploadFileToDevice(LinkEngine& link) override;

  private:
    ModeFileRequests requests_;
    std::atomic<int> finished_{0};
};

}  // namespace velto::cli
