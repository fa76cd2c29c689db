#include "platform/pty.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace velto {

PseudoTerminal::~PseudoTerminal() {
    Close();
}

bool PseudoTerminal::Open() {
    Close();
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0) return false;
    char name[128];
    if (grantpt(master_) != 0 || unlockpt(master_) != 0 ||
        ptsname_r(master_, name, sizeof name) != 0) {
        Close();
        return false;
    }
    slavePath_ = name;
    heldSlave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    if (heldSlave_ < 0 || tcgetattr(heldSlave_, &tio) != 0) {
        Close();
        return false;
    }
    // Binary frames pass untouched until the client configures the line itself.
    cfmakeraw(&tio);
    if (tcsetattr(heldSlave_, TCSANOW, &tio) != 0) {
        Close();
        return false;
    }
    return true;
}

void PseudoTerminal::Close() {
    if (heldSlave_ >= 0) ::close(heldSlave_);
    if (master_ >= 0) ::close(master_);
    heldSlave_ = -1;
    master_ = -1;
    slavePath_.clear();
}

}  // namespace velto
