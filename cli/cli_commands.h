#pragma once
// The commands of velto-cli, each run against a session; results go to out.

#include <ostream>

#include "cli/cli_options.h"
#include "cli/cli_session.h"

namespace velto::cli {

int RunCommand(const CliOptions& options, CliSession& session, std::ostream& out);

}  // namespace velto::cli
