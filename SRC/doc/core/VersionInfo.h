// The program's version numbers, from the project's version in the build.
#pragma once

inline constexpr int kVersionMajor = TW_VERSION_MAJOR;
inline constexpr int kVersionMinor = TW_VERSION_MINOR;
inline constexpr int kVersionBuild = TW_VERSION_BUILD;
