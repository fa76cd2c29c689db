#include "sim/pty_server.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace velto::sim {
namespace {

constexpr int kPollMs = 20;
constexpr size_t kPaceChunk = 16;  // bytes handed over together on a paced line

}  // namespace

PtyServer::PtyServer(Processor& device, PtyServerOptions options)
    : device_(device), options_(std::move(options)) {}

PtyServer::~PtyServer() {
    Stop();
}

bool PtyServer::Start() {
    if (!pty_.Open()) return false;
    if (!options_.linkPath.empty()) {
        // Replace an older link in one step, so a client never finds the name missing.
        const std::string temporary = options_.linkPath + ".new";
        std::error_code error;
        std::filesystem::remove(temporary, error);
        std::filesystem::create_symlink(pty_.SlavePath(), temporary, error);
        if (!error) std::filesystem::rename(temporary, options_.linkPath, error);
        if (error) {
            pty_.Close();
            return false;
        }
    }
    stop_ = false;
    queue_.Reopen();
    reader_ = std::thread([this] { ReaderThread(); });
    writer_ = std::thread([this] { WriterThread(); });
    return true;
}

void PtyServer::Stop() {
    stop_ = true;
    queue_.Stop();
    if (reader_.joinable()) reader_.join();
    if (writer_.joinable()) writer_.join();
    if (!options_.linkPath.empty() && !pty_.SlavePath().empty()) {
        std::error_code error;
        std::filesystem::remove(options_.linkPath, error);
    }
    pty_.Close();
}

std::string PtyServer::Path() const {
    return options_.linkPath.empty() ? pty_.SlavePath() : options_.linkPath;
}

void PtyServer::Inject(std::vector<uint8_t> bytes) {
    queue_.Push(std::chrono::steady_clock::now(), std::move(bytes));
}

void PtyServer::ReaderThread() {
    std::vector<uint8_t> buffer(4096);
    while (!stop_.load()) {
        pollfd in{pty_.MasterFd(), POLLIN, 0};
        if (::poll(&in, 1, kPollMs) <= 0 || !(in.revents & POLLIN)) continue;
        const ssize_t n = ::read(pty_.MasterFd(), buffer.data(), buffer.size());
        if (n <= 0) continue;
        bytesIn_ += static_cast<uint64_t>(n);
        const auto due =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(options_.latencyMs);
        device_.Receive(std::span(buffer.data(), static_cast<size_t>(n)),
                        [&](std::vector<uint8_t> reply) { queue_.Push(due, std::move(reply)); });
    }
}

void PtyServer::WriterThread() {
    while (std::optional<std::vector<uint8_t>> bytes = queue_.Next())
        WritePaced(*bytes);
}

bool PtyServer::WritePaced(const std::vector<uint8_t>& bytes) {
    using namespace std::chrono;
    const size_t chunk = options_.bitsPerSecond > 0 ? kPaceChunk : bytes.size();
    lineFree_ = std::max(lineFree_, steady_clock::now());
    for (size_t at = 0; at < bytes.size(); at += chunk) {
        const size_t size = std::min(chunk, bytes.size() - at);
        if (options_.bitsPerSecond > 0) {
            // A byte is on the far side once its ten bits have crossed the line.
            lineFree_ += duration_cast<steady_clock::duration>(
                duration<double>(static_cast<double>(size) * 10.0 / options_.bitsPerSecond));
            std::this_thread::sleep_until(lineFree_);
        }
        for (size_t done = 0; done < size;) {
            if (stop_.load()) return false;
            const ssize_t n = ::write(pty_.MasterFd(), bytes.data() + at + done, size - done);
            if (n > 0) {
                done += static_cast<size_t>(n);
                bytesOut_ += static_cast<uint64_t>(n);
            } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
                return false;
            } else {
                pollfd out{pty_.MasterFd(), POLLOUT, 0};
                ::poll(&out, 1, kPollMs);
            }
        }
    }
    return true;
}

}  // namespace velto::sim
