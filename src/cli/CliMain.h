#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kz::cli {

// Runs one command of kervazyl-cli. Exit status: 0 success, 1 refused or
// failed, 2 wrong usage.
int Run(int argc, char** argv);
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kz::cli
