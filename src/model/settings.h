#pragma once
// Settings that apply to every league: the thirteen keys of "config.ini" and
// the preferences kept in the per-user preference store. Read once at start-up,
// written back by the callers that change them; the league reset leaves them
// alone (except gAddGamesPerMatch and gShowSplash).

#include "platform/appinfo.h"
#include "platform/registry.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <span>

namespace fixtora {

// ---- "config.ini" ----------------------------------------------------------

inline QString gIniFile;                 // full path of "config.ini"
inline QString gPointsForWin;            // "PointsforWin", default "3"
inline QString gPointsForDraw;           // "PointsforDraw", default "1"
inline QString gPointsForLose;           // "PointsforLose", default "0"
inline bool gDateVisible = true;         // "DateisVisible"
inline bool gWeekVisible = true;         // "WeekisVisible"
inline bool gTableNameVisible = true;    // "TablenameVisible"
inline bool gStartEndSummary = true;     // "startendsummary"
inline bool gAddGamesPerMatch = false;   // "addgamespermatch"
inline QString gEachGameIs;              // "Eachgameis", default "Frame"
inline QString gMaxFrames;               // "maxframes", default "5"
inline QString gShowSplash;              // "showsplash", default "1"
inline bool gHomeAwayRule = false;       // "homeaway": even legs are shown the other way round

// ---- Preferences ---------------------------------------------------------------

inline int gBubbleHelp = 0;
inline QString gWeekName;                          // the word for a round, at most 5 characters
inline std::array<QString, 9> gTableOrder;         // columns shown at places 1..8
inline std::array<QString, 9> gTableShow;          // headings of the columns at places 1..8
inline std::array<QString, 6> gSortOrder;          // sort keys 1..5; an empty text ends the list

// ---- Shared with the windows ------------------------------------------------------

inline std::int16_t gScreenWidth = 0;    // screen width in pixels measured at start-up
inline std::int16_t gTableRefresh = 0;   // 1 or more asks the table screen to recompute

// ---- Reading and writing ------------------------------------------------------------

inline constexpr const char *kIniSection = "Fixtora INI file";

// Where "config.ini" lives: beside the program when its folder is writable
// and it is not an installed copy, otherwise in the user's configuration
// folder.
QString IniFilePath(const QString &programFolder = ProgramFolder());

// Loads the thirteen settings from "config.ini"; creates the file with the
// defaults first when it is missing or holds none of the keys (the
// home-and-away rule on). A key an existing file lacks, or holds a value of
// the wrong kind in, reads as its default, which is written back into the
// file: a boolean neither "True"/"False" nor a number, points that are no
// IsPointsValue, "maxframes", "showsplash" or "sortleague" holding no number.
// The home-and-away rule's default in an existing file is off, as such a file
// has always meant. First sets aside (renames) "config.ini" and the
// preference file when either cannot be read (ProblemWithProfile in
// platform/profilefile.h), so the defaults are used; returns a notice naming
// each file set aside and why.
[[nodiscard]] QStringList ReadIniSettings();

// True when a points setting begins with a number (as Val in
// platform/numbers.h reads one) from 0 to 99: what a result may score. An
// empty text or letters would score every result 0.
bool IsPointsValue(const QString &text);

// Writes all thirteen settings into "config.ini" in one rewrite of the file;
// false when the file was not written.
[[nodiscard]] bool WriteIniSettings();

// Reads (mode "GET") or writes (mode "WRITE") one key of gIniFile; modes in any
// letter case. A read gives at most 49 characters, and the empty text for a
// missing key. Errors: "ERROR MODE", "ERROR Secname", "ERROR Keyname",
// "ERROR KeyValue" (a write without a value), "ERROR Write" (the write failed).
QString IniAccess(const QString &mode, const QString &section, const QString &key,
                  const QString &value = QString());

// True when path names a file that is neither a folder nor hidden.
bool FileExists(const QString &path);

// A preference's text up to its first NUL, or def when it is missing; gRegValue
// receives the whole stored data with its terminating NUL, or the empty text.
QString GetRegString(RegRoot root, const QString &subkey, const QString &name,
                     const QString &def);

// Stores a preference; false when it was not stored.
[[nodiscard]] bool SaveRegString(RegRoot root, const QString &subkey, const QString &name,
                   const QString &value);

// ---- The preference store of every window ------------------------------------------
//
// The program's preferences live under Software (platform/registry.h names
// them). Every window reads and stores them here; a store that fails changes
// nothing and is the caller's to report.

// The preference's text up to its first NUL, or the empty text when it is
// missing; gRegValue receives the whole stored data (GetRegString).
QString ReadPreference(const char *name);

// Stores a preference; false when it was not stored.
[[nodiscard]] bool StorePreference(const char *name, const QString &value);

// Reads a comma-separated preference into slots 1 and up (slot 0 is not
// used); slots that receive no item are empty. A missing preference gets its
// default written, and the default is read. False when that default could not
// be stored.
[[nodiscard]] bool ReadRegList(const char *name, std::span<QString> items, const char *defaultText);

// The thirteen settings of "config.ini" as they would be written, so that
// settings changed for a write that failed can be put back as they were.
using IniSnapshot = std::array<QString, 13>;
IniSnapshot CurrentIniSettings();
void RestoreIniSettings(const IniSnapshot &snapshot);

} // namespace fixtora
