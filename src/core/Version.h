#pragma once

namespace kz {

// The program's version and build, as the splash, the about box and the
// error notes show them.
inline constexpr int kVersionMajor = 7;
inline constexpr int kVersionMinor = 0;
inline constexpr int kBuildNumber = 1300;
inline constexpr const char* kBuildTag = "05.10.2002.a";

}  // namespace kz
