#pragma once
// velto-cli and velto-sim as the tests run them: command lines and a simulator program that
// is ended with the test.

#include <unistd.h>

#include <chrono>
#include <sstream>
#include <string>
#include <vector>

#include "tests/transports/child_process.h"

namespace velto::test {

using namespace std::chrono_literals;

// The simulator needs no real time; a fifth keeps each run short.
inline const std::vector<std::string> kSimLink = {VELTO_CLI_PROGRAM, "--time-scale", "0.2",
                                                  "--link", "sim"};

inline std::vector<std::string> Cli(std::vector<std::string> base, std::vector<std::string> args) {
    base.insert(base.end(), args.begin(), args.end());
    return base;
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A file name in the build tree, distinct per test process.
inline std::string ScratchFile(const std::string& name) {
    return std::string(VELTO_TEST_SCRATCH) + "/" + std::to_string(::getpid()) + "-" + name;
}

// velto-sim on a pseudo-terminal (and, with --net, as a WiFi module), ended at the end of the
// test.
class SimProgram {
  public:
    explicit SimProgram(std::vector<std::string> options = {})
        : process_(Cli({VELTO_SIM_PROGRAM, "--link", path_}, std::move(options))) {}
    bool Ready() { return process_.WaitForOutput(1, "\n", 10s); }
    std::vector<std::string> SerialCli(std::vector<std::string> args) const {
        return Cli({VELTO_CLI_PROGRAM, "--time-scale", "0.2", "--link", "serial:" + path_},
                   std::move(args));
    }
    // "ADDRESS:PORT" of the WiFi module it serves (started with --net); empty when it does not
    // say.
    std::string NetAddress() {
        return process_.WaitForLine(1, "net ", 10s).value_or(std::string());
    }
    const std::string& Path() const { return path_; }
    ChildProcess& Process() { return process_; }

  private:
    std::string path_ = ScratchFile("velto-sim-line");
    ChildProcess process_;
};

}  // namespace velto::test
