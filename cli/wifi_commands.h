#pragma once
// wifi-get and wifi-set: the WiFi module's settings through its request table, over whichever
// channel the link serves it (WifiText frames, or UDP datagrams on the network link).

#include <ostream>
#include <string>

#include "cli/cli_options.h"
#include "cli/cli_session.h"

namespace velto::cli {

int WifiGet(CliSession& session, std::ostream& out);
int WifiSet(const CliOptions& options, CliSession& session);

// The WiFi dialog's refusal of these changes ("SSID can't be empty!", ...), or why a request
// would not fit the module's limit; empty when they may be sent.  Settings not given are not
// checked.
std::string WifiRefusal(const WifiChanges& changes);

}  // namespace velto::cli
