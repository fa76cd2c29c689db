#pragma once
// What the link tells velto-cli: its notifications and its message boxes.  Messages are
// printed on the error stream and answered at once; the command waits on the counts.

#include <cstdint>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "link/link_ports.h"

namespace velto::cli {

class CliEvents final : public LinkNotifier, public MessageBoxPort {
  public:
    explicit CliEvents(std::ostream& err) : err_(err) {}

    void Post(int code, int lparam) override { Note(code, lparam); }
    void Send(int code, int lparam) override { Note(code, lparam); }
    void SetTitle(const std::string&) override {}
    int Show(const std::string& text, const std::string& caption, int buttons,
             int languageId) override;

    int Connections() const;
    // The link went from connected back to searching.
    bool Lost() const;
    int FullReads() const;
    int Refreshes() const;
    bool Shown(const std::string& text) const;
    // A message box with this caption was shown (the saved file's path comes as the text of
    // one captioned "Save successfully!").
    bool Captioned(const std::string& caption) const;

    // The modules that answered discovery when the link asked which one to take; empty until
    // then.  velto-cli cannot ask, so it records them and takes none.
    void NoteSeveralDevices(const std::vector<uint32_t>& addresses);
    std::vector<uint32_t> SeveralDevices() const;

  private:
    void Note(int code, int lparam);

    std::ostream& err_;
    mutable std::mutex mutex_;
    int connections_ = 0;
    bool lost_ = false;
    int fullReads_ = 0;
    int refreshes_ = 0;
    std::vector<std::string> messages_;
    std::vector<std::string> captions_;
    std::vector<uint32_t> severalDevices_;
};

}  // namespace velto::cli
