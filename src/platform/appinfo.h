#pragma once
// Facts about the running program: its folder, where it finds the pages it
// ships, and its version.

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

// True for a copy installed under a prefix: its pages are in share/fixtora
// beside the program's folder (prefix/bin and prefix/share/fixtora), wherever
// the prefix is, a staging folder included. Such a copy writes nothing beside
// itself; a program run from its build folder keeps its files there.
bool IsInstalledCopy(const QString &programFolder = ProgramFolder());

// A page the program ships ("help.html", "whatsnew.htm"): the one beside the
// program when it is there, else an installed copy's in share/fixtora, else
// where it would be beside the program.
QString ProgramPage(const QString &name);

} // namespace fixtora
