#include "cli/CliMain.h"

#include <iostream>

namespace kz::cli {

int Run(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return Run(args, std::cout, std::cerr);
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)args;
    (void)out;
    err << "usage: kervazyl-cli COMMAND ...\n";
    return 2;
}

}  // namespace kz::cli
