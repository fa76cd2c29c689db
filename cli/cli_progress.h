#pragma once
// The link's progress window as lines on the error stream, one per tenth of the way.

#include <mutex>
#include <ostream>
#include <string>

#include "link/link_ports.h"

namespace velto::cli {

// The caption with its one floating-point conversion (e.g. "%5.0f %%") filled in.  A caption
// with any other conversion is shown as it is rather than handed to printf.
std::string FormatProgressCaption(const std::string& format, double percent);

class CliProgress final : public ProgressWindow {
  public:
    explicit CliProgress(std::ostream& err) : err_(err) {}

    void Show() override;
    void Hide() override {}
    void SetMaximum(int maximum) override;
    void SetPosition(int position) override;
    void SetCaption(const std::string& format) override;

  private:
    void PrintIfNewTenth();

    std::ostream& err_;
    std::mutex mutex_;
    std::string caption_;
    int maximum_ = 100;
    int position_ = 0;
    int shownTenth_ = -1;
};

}  // namespace velto::cli
