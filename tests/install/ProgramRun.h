// Running the real program on a virtual X display, for the tests that start it.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <utility>

namespace kz::test {

inline bool OnPath(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

inline std::string Quote(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

inline int Shell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Shell lines giving the program a user of its own: home, runtime, data,
// config and cache folders in `dir` (which ends with "/"), and the X display.
inline std::string UserEnvironment(const std::string& dir) {
    const std::pair<const char*, const char*> vars[] = {{"HOME", "home"},
                                                        {"XDG_RUNTIME_DIR", "runtime"},
                                                        {"XDG_DATA_HOME", "data"},
                                                        {"XDG_CONFIG_HOME", "config"},
                                                        {"XDG_CACHE_HOME", "cache"}};
    std::string lines;
    for (const auto& [name, sub] : vars)
        lines += std::string("export ") + name + "=" + Quote(dir + sub) + "\n";
    return lines + "export QT_QPA_PLATFORM=xcb\n";
}

// Shell lines that start `command` in the background, print FOUND once a
// window titled "Brisklane Kerva Zyl - <file>" shows (ENDED if the program
// ends first) and then stop the program.
inline std::string RunUntilWindow(const std::string& command, const std::string& file) {
    return command +
           " &\npid=$!\nfor i in $(seq 1 120); do\n"
           "  if xwininfo -root -tree | grep -qF '\"Brisklane Kerva Zyl - " +
           file +
           "\"'; then\n    echo FOUND; break\n  fi\n"
           "  kill -0 $pid 2>/dev/null || { echo ENDED; break; }\n  sleep 0.5\ndone\n"
           "kill $pid 2>/dev/null; wait $pid 2>/dev/null\nexit 0\n";
}

}  // namespace kz::test
