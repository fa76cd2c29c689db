#include "cli/cli_run.h"

#include "app/core/language.h"

#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "cli/cli_session.h"
#include "cli/exit_codes.h"
#include "cli/file_commands.h"

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
    // The link's messages and the file requests' texts, in the language of the help.
    SetLanguageIndex(kEnglish);
    if (parsed.options.command == CommandKind::ModeInfo) return ModeInfo(parsed.options, out, err);
    CliSession session(parsed.options, err);
    return RunCommand(parsed.options, session, out);
}

}  // namespace velto::cli
