#pragma once
// A pseudo-terminal pair: the master end for whoever plays the device, the slave's path for
// the serial link.  The pair keeps a slave descriptor of its own, so the master does not hang
// up while no client has the slave open.

#include <string>

namespace velto {

class PseudoTerminal {
  public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Creates the pair in raw mode with a non-blocking master.
    bool Open();
    // Closing the master is what a client sees as the line going away.
    void Close();
    int MasterFd() const { return master_; }
    const std::string& SlavePath() const { return slavePath_; }

  private:
    int master_ = -1;
    int heldSlave_ = -1;
    std::string slavePath_;
};

}  // namespace velto
