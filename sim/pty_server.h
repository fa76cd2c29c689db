#pragma once
// Serves a simulated processor on a pseudo-terminal, the way a serial adapter would present
// it: the link opens the slave path as its serial port.  Replies can be delayed and paced at a
// line rate, since a pseudo-terminal itself ignores the bit rate.  Stopping the server closes
// the line, which the link sees as an unplugged adapter.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "platform/pty.h"
#include "sim/delivery_queue.h"
#include "sim/processor.h"

namespace velto::sim {

struct PtyServerOptions {
    int latencyMs = 0;      // real milliseconds from request to reply
    int bitsPerSecond = 0;  // pace replies at this line rate (10 bits a byte); 0 = unpaced
    std::string linkPath;   // a stable name for the line: a symbolic link to the slave
};

class PtyServer {
  public:
    PtyServer(Processor& device, PtyServerOptions options = {});
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    bool Start();
    void Stop();
    // The path a client opens: the link path when one was given, else the slave's own path.
    std::string Path() const;
    // Puts bytes on the line towards the client, in order with the replies.
    void Inject(std::vector<uint8_t> bytes);
    uint64_t BytesReceived() const { return bytesIn_.load(); }
    uint64_t BytesSent() const { return bytesOut_.load(); }

  private:
    void ReaderThread();
    void WriterThread();
    bool WritePaced(const std::vector<uint8_t>& bytes);

    Processor& device_;
    const PtyServerOptions options_;
    PseudoTerminal pty_;
    std::atomic<bool> stop_{false};
    std::atomic<uint64_t> bytesIn_{0};
    std::atomic<uint64_t> bytesOut_{0};
    std::chrono::steady_clock::time_point lineFree_{};  // writer thread only

    DeliveryQueue queue_;
    std::thread reader_;
    std::thread writer_;
};

}  // namespace velto::sim
