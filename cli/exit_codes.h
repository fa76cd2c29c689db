#pragma once
// velto-cli's exit codes, one per kind of failure a script may want to tell apart.

namespace velto::cli {

enum ExitCode : int {
    kExitOk = 0,
    kExitFailed = 1,          // the processor refused or did not confirm the operation
    kExitUsage = 2,           // bad arguments
    kExitNoDevice = 3,        // no device answered within the time-out
    kExitWrongModel = 4,      // a device answered but is not this processor model
    kExitLinkLost = 5,        // the link broke during the operation
    kExitSeveralDevices = 6,  // several WiFi modules answered; none was picked
    kExitFileRefused = 7,     // a mode file that is missing, broken, locked or another model's
    kExitSettingRefused = 8,  // a WiFi setting the module's rules do not allow
};

}  // namespace velto::cli
