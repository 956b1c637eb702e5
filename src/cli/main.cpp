#include <csignal>

#include "cli/CliMain.h"

int main(int argc, char** argv) {
    // A write beyond the file size limit (ulimit -f) must fail with its
    // error, reported by the save, instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    return kz::cli::Run(argc, argv);
}
