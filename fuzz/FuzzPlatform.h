#pragma once

#include <unistd.h>

#include <ostream>
#include <string>

#include "cli/ConsolePlatform.h"

namespace kz::fuzz {

// Messages go nowhere; questions are answered No.
struct QuietPlatform {
    std::ostream sink{nullptr};
    cli::ConsolePlatform ui{sink};
};

// A scratch file for the whole run, in memory where the system has a
// memory file system (saving flushes to disk, which would slow each run).
inline std::string ScratchPath(const char* name) {
    const std::string folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/" : "/tmp/";
    return folder + name + "-" + std::to_string(::getpid()) + ".kv7";
}

}  // namespace kz::fuzz
