#pragma once
// velto-cli from arguments to exit code.

#include <ostream>
#include <string>
#include <vector>

namespace velto::cli {

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velto::cli
