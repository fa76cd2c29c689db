#include "platform/serial_port.h"

// termios2 comes from the kernel headers, which cannot be mixed with <termios.h>.
#include <asm/termbits.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

namespace velto {
namespace {

bool Configure(int fd, int bitsPerSecond) {
    termios2 tio{};
    if (ioctl(fd, TCGETS2, &tio) != 0) return false;
    // Raw bytes: frames are binary, so no line editing, echo, signals or CR/LF translation.
    tio.c_iflag &=
        ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY | INPCK);
    tio.c_oflag &= ~OPOST;
    tio.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cflag &= ~(CBAUD | CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= BOTHER | CS8 | CLOCAL | CREAD;
    tio.c_ispeed = static_cast<speed_t>(bitsPerSecond);
    tio.c_ospeed = static_cast<speed_t>(bitsPerSecond);
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    return ioctl(fd, TCSETS2, &tio) == 0;
}

}  // namespace

SerialPort::~SerialPort() {
    Close();
}

bool SerialPort::Open(const std::string& path, int bitsPerSecond) {
    Close();
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    const int wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wake < 0 || ioctl(fd, TIOCEXCL) != 0 || !Configure(fd, bitsPerSecond) ||
        ioctl(fd, TCFLSH, TCIOFLUSH) != 0) {
        if (wake >= 0) ::close(wake);
        ::close(fd);
        return false;
    }
    fd_ = fd;
    wakeFd_ = wake;
    return true;
}

void SerialPort::Close() {
    if (fd_ >= 0) ::close(fd_);
    if (wakeFd_ >= 0) ::close(wakeFd_);
    fd_ = -1;
    wakeFd_ = -1;
}

bool SerialPort::WriteAll(std::span<const uint8_t> bytes, int timeoutMs) {
    if (fd_ < 0) return false;
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + written, bytes.size() - written);
        if (n > 0) {
            written += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) return false;
        pollfd out{fd_, POLLOUT, 0};
        if (::poll(&out, 1, timeoutMs) <= 0 || (out.revents & (POLLERR | POLLHUP | POLLNVAL)))
            return false;
    }
    return true;
}

PortWait SerialPort::WaitForInput(int timeoutMs) {
    if (fd_ < 0) return PortWait::Gone;
    pollfd fds[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
    const int ready = ::poll(fds, 2, timeoutMs);
    if (ready < 0) return errno == EINTR ? PortWait::TimedOut : PortWait::Gone;
    if (fds[1].revents & POLLIN) return PortWait::Interrupted;
    // Read what is left even when the other end has gone; the read then reports it.
    if (fds[0].revents & POLLIN) return PortWait::Readable;
    if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) return PortWait::Gone;
    return PortWait::TimedOut;
}

long SerialPort::ReadSome(std::span<uint8_t> buffer) {
    for (;;) {
        const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
        if (n > 0) return n;
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) return 0;
        return -1;  // end of file or an error: the port has gone
    }
}

void SerialPort::Interrupt() {
    if (wakeFd_ >= 0) eventfd_write(wakeFd_, 1);
}

}  // namespace velto
