#include "cli/cli_run.h"

#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "cli/cli_session.h"
#include "cli/exit_codes.h"

namespace velto::cli {

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ParseResult parsed = ParseCommandLine(args);
    if (!parsed.error.empty()) {
        err << "velto-cli: " << parsed.error << '\n';
        return kExitUsage;
    }
    if (parsed.options.command == CommandKind::Help) {
        out << CliUsage();
        return kExitOk;
    }
    CliSession session(parsed.options, err);
    return RunCommand(parsed.options, session, out);
}

}  // namespace velto::cli
