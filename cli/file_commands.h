#pragma once
// The mode-file commands: the device's data saved to a mode file (request 1), a mode file or
// an external data file written to the device (request 11), and a file described offline.
// Files not found where named are looked for in the fallback directory, as the application
// does.

#include <ostream>

#include "cli/cli_options.h"
#include "cli/cli_session.h"

namespace velto::cli {

// Prints the saved file's full path.
int SaveMode(const CliOptions& options, CliSession& session, std::ostream& out);
// upload and import.
int UploadFile(const CliOptions& options, CliSession& session);
// Needs no device: prints the file's account; kExitFileRefused when it is not a sound file.
int ModeInfo(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace velto::cli
