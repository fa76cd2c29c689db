#pragma once
// The ports the serial connect loop tries in turn.  The list is read from its source when the
// loop has run out of ports, so adapters plugged in later are found.  The source is the
// system's port list, or an explicit list (one named port, tests, unusual device names).

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velto {

class SerialPortList {
  public:
    using Source = std::function<std::vector<std::string>()>;

    explicit SerialPortList(Source source) : source_(std::move(source)) {}
    static SerialPortList Fixed(std::vector<std::string> ports);

    // The next port to try, or nothing once the list has run out.
    std::optional<std::string> Next();
    bool AtEnd() const { return next_ >= ports_.size(); }
    // Reads the source again, without repeats or empty names, and starts from the first port.
    void Refresh();
    const std::vector<std::string>& Ports() const { return ports_; }

  private:
    Source source_;
    std::vector<std::string> ports_;
    size_t next_ = 0;
};

}  // namespace velto
