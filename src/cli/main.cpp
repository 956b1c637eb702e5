#include "cli/CliMain.h"

int main(int argc, char** argv) { return kz::cli::Run(argc, argv); }
