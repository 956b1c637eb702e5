#include <malloc.h>

#include <csignal>

#include "cli/CliMain.h"

int main(int argc, char** argv) {
    // A write beyond the file size limit (ulimit -f) must fail with its
    // error, reported by the save, instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    // A run reads a file, builds the document and writes another text of
    // the same size: large blocks stay in the heap, so that a freed one is
    // used again instead of new pages being faulted in for the next.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
    return kz::cli::Run(argc, argv);
}
