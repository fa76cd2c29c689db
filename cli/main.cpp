// velto-cli: the scriptable front end to the processor link.

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_run.h"

int main(int argc, char** argv) {
    return velto::cli::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                              std::cerr);
}
