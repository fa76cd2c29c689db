#pragma once
// Runs one of the built programs with its output captured, for tests.  The test ends only the
// process it started, by its id.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace velto::test {

class ChildProcess {
  public:
    explicit ChildProcess(const std::vector<std::string>& argv) {
        int out[2], err[2];
        if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        if (posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        ::close(err[1]);
        outFd_ = out[0];
        errFd_ = err[0];
    }
    ~ChildProcess() {
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGKILL);
            Wait(std::chrono::seconds(5));
        }
        if (outFd_ >= 0) ::close(outFd_);
        if (errFd_ >= 0) ::close(errFd_);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Reads output until text appears on the stream (1 stdout, 2 stderr) or the deadline.
    bool WaitForOutput(int stream, const std::string& text, std::chrono::milliseconds deadline) {
        const auto end = std::chrono::steady_clock::now() + deadline;
        while ((stream == 1 ? out_ : err_).find(text) == std::string::npos) {
            if (std::chrono::steady_clock::now() > end || !Pump(20)) return false;
        }
        return true;
    }
    // Reads output until the stream holds a whole line starting with prefix; returns the rest
    // of that line, or nothing after the deadline.
    std::optional<std::string> WaitForLine(int stream, const std::string& prefix,
                                           std::chrono::milliseconds deadline) {
        const auto end = std::chrono::steady_clock::now() + deadline;
        for (;;) {
            const std::string text = "\n" + (stream == 1 ? out_ : err_);
            const size_t at = text.find("\n" + prefix);
            const size_t eol = at == std::string::npos ? at : text.find('\n', at + 1);
            if (eol != std::string::npos) {
                const size_t first = at + 1 + prefix.size();
                return text.substr(first, eol - first);
            }
            if (std::chrono::steady_clock::now() > end || !Pump(20)) return std::nullopt;
        }
    }
    // Waits for the exit and returns the exit code; -1 after the deadline or on a signal.
    int Wait(std::chrono::milliseconds deadline = std::chrono::seconds(60)) {
        const auto end = std::chrono::steady_clock::now() + deadline;
        while (!exited_ && pid_ > 0) {
            Pump(10);
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                code_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            } else if (std::chrono::steady_clock::now() > end) {
                return -1;
            }
        }
        while (Pump(0)) {
        }
        return code_;
    }
    void Signal(int signal) {
        if (pid_ > 0 && !exited_) ::kill(pid_, signal);
    }
    const std::string& Out() const { return out_; }
    const std::string& Err() const { return err_; }

  private:
    // Reads what is available; false once both streams are at their end.
    bool Pump(int timeoutMs) {
        pollfd fds[2] = {{outFd_, POLLIN, 0}, {errFd_, POLLIN, 0}};
        if (::poll(fds, 2, timeoutMs) <= 0) return outFd_ >= 0 || errFd_ >= 0;
        bool open = false;
        for (int i = 0; i < 2; ++i) {
            int& fd = i == 0 ? outFd_ : errFd_;
            if (fd < 0) continue;
            if (fds[i].revents & (POLLIN | POLLHUP)) {
                char buffer[4096];
                const ssize_t n = ::read(fd, buffer, sizeof buffer);
                if (n > 0) {
                    (i == 0 ? out_ : err_).append(buffer, static_cast<size_t>(n));
                } else {
                    ::close(fd);
                    fd = -1;
                    continue;
                }
            }
            open = true;
        }
        return open;
    }

    pid_t pid_ = -1;
    int outFd_ = -1;
    int errFd_ = -1;
    bool exited_ = false;
    int code_ = -1;
    std::string out_;
    std::string err_;
};

}  // namespace velto::test
