#pragma once
// Facts about the running program: its folder and its version.

#include <QString>

namespace fixtora {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 4;
inline constexpr int kVersionRevision = 0;

// The publisher's contact points, shown on the intro screen and in the help.
inline constexpr const char *kWebAddress = "https://fixtora.org";
inline constexpr const char *kSupportEmail = "support@fixtora.org";

// The folder that holds the program's executable ("config.ini", the help
// pages). Tests give each test process a folder of its own.
QString ProgramFolder();
void SetProgramFolder(const QString &folder);

} // namespace fixtora
