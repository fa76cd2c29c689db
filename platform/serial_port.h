#pragma once
// A serial port in raw mode: 8 data bits, no parity, one stop bit, no flow control, at any bit
// rate (the processor's 128000 bit/s is not one of the classic rates).  One thread waits and
// reads while another writes; Open and Close happen while nobody waits.

#include <cstdint>
#include <span>
#include <string>

namespace velto {

enum class PortWait { Readable, Interrupted, TimedOut, Gone };

class SerialPort {
  public:
    SerialPort() = default;
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Opens the port exclusively, configures it and discards anything queued in either
    // direction.  Closes whatever was open before.
    bool Open(const std::string& path, int bitsPerSecond);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

    // Writes every byte, waiting at most timeoutMs for room in the output queue.
    bool WriteAll(std::span<const uint8_t> bytes, int timeoutMs);
    // Waits for input, for Interrupt, or until the port goes away (adapter unplugged).
    PortWait WaitForInput(int timeoutMs);
    // Reads what is queued: the byte count, 0 when nothing is queued, -1 when the port is gone.
    long ReadSome(std::span<uint8_t> buffer);
    // Wakes WaitForInput, now and on every later call until the port is closed.
    void Interrupt();

  private:
    int fd_ = -1;
    int wakeFd_ = -1;
};

}  // namespace velto
