#pragma once
// League files. A league is kept in two SQLite files side by side: the league
// file ("*.tbl", encrypted with the database password) and its companion
// (same name with ".ext", plain) holding one date per round.
//
// League file tables (every table has an integer primary key "id"; record i
// is the i-th record added, and every reader reads in that order):
//   customfixtures  1 record   Value: league type code
//   altfixtures     1 record   value1..value3: custom fixture string characters
//                              1-250, 251-500, 501-750; value4: the rest
//   penalties       N records  penalty: penalty points of slot i (0..32767)
//   scores          E records  field1: score text of fixture side i ("-1" = none)
//   teamplayerspos  E records  pos1..pos16: the position entries of side i,
//                   (team)     "name//first\\second"
//   teamplayers     16 records Team1..Team32: squad player j of team t
//                   (team)
//   players         1 record   Tablename, GAMESTOPLAY, startdate, skipdate,
//                              player1..player32
//   leaguepair      1 record   identity: shared with the companion
//   writtenwith     1 record   homeaway: 1 when the scores are stored under
//                              the home-and-away rule, else 0;
//                              datedigest: SHA-256 (hex) of the companion's
//                              round dates as written, each followed by "\n"
// Companion: dates  W records  dates: date of round r
//            leaguepair        identity: shared with the league file
// Dates are stored as text "yyyy-MM-dd" (30 December 1899 is "1899-12-30");
// a date the model does not hold is stored as the empty text.
//
// Every create and save gives both files a new shared identity; a pair
// written before identities were kept has none in either file.
//
// Every create and save also writes "writtenwith" (a save adds it to a file
// that has none). A league opened under the other setting of the
// home-and-away rule has its results converted (model/legs.h), so each stays
// with the entry that made it; dates that do not match the digest are taken
// as the companion holds them, and the user is told to check them. A file
// without "writtenwith" is read as it always was: under today's rule and
// without a check of its dates. How the pair
// survives a process that dies while writing it: model/leaguepair.h. What
// may be written and read: model/leaguerules.h.

#include <QString>

#include <functional>

namespace fixtora {

class DatabaseError;

// What a create, save or load met. The message says it in the user's words,
// naming the file; the database's own text goes to the log only.
enum class FileProblem {
    None,
    LeagueMissing,      // no league file at the path
    NotALeague,         // a file (or folder) that is no league file
    WrongPassword,      // a database locked with another password
    Damaged,            // a league file whose contents are damaged
    NotOnePair,         // a date file that belongs to another save of the league
    CompanionMissing,   // opened without its date file: the dates need checking
    CompanionDamaged,   // opened without its damaged date file: the same
    DatesChanged,       // opened with dates changed outside the program
    InUse,              // another program holds the file
    DiskFull,
    WriteProtected,     // the file or its folder
    CannotRollBack,     // an unfinished save that cannot be undone yet
    Refused,            // a league LeagueProblem refuses
    Failed,             // anything else the system reported
};

// A problem the system reported, from what the database layer threw; the
// database's own text goes to the log only.
FileProblem ProblemOf(const DatabaseError &error);

enum class FileAction { Open, Save, Create };

// What happened to file, in the user's words ("the disk is full"), for the
// message of a failed open, save or create of a league or a tournament.
QString WhatHappened(FileProblem problem, FileAction action, const QString &file);

// The outcome of a create, save or load: when it failed, why (empty for a
// cancelled open dialog); a load that opened with something to tell has the
// notice as its message.
struct [[nodiscard]] FileResult {
    bool ok = false;
    QString message;
    FileProblem problem = FileProblem::None;
};

// What the loader shows and where: the main window sets these. Without a
// showMessage hook the loader uses ShowUserMessage (platform/usermessage.h);
// without setCaption the caption is left alone.
struct LeagueFileHooks {
    std::function<void(const QString &message)> showMessage;
    std::function<void(const QString &caption)> setCaption;
};
void SetLeagueFileHooks(LeagueFileHooks hooks);

// The main window's caption naming the open league ("none" for no name).
QString CurrentLeagueCaption(const QString &leagueName);

// Writes the open league into a new pair of files at gLeagueFile and its
// companion, replacing a pair there; on failure the files on disk stay as
// they were. A league LeagueProblem refuses is not written (its message is
// the result's), and a pair another program holds is reported as in use.
FileResult CreateLeagueFile();

// Rewrites the open league's files in place, in one transaction over both
// files, so a failed save changes nothing; a record that already holds what
// the league holds is not written again. A companion that is missing, or that
// the load found damaged, is first replaced by a fresh one holding the
// league's round dates (model/leaguepair.h: RenewCompanion).
// Refuses what CreateLeagueFile refuses, and a pair whose halves do not
// belong together.
FileResult SaveLeague();

// Asks for a league file, or takes the one given, and reads it into the model
// (after InitialiseGlobals). A league that opened with something to tell (its
// dates changed outside the program, its companion missing or damaged) shows
// the notice through the hooks and returns it as the message.
// The pair is checked whole (SQLite's integrity check of both files, their
// shared identity, LeagueProblem) before it is taken; a failure is shown
// through the hooks and leaves no league open. A league file whose companion
// is missing or cannot be read opens alone: its round dates are worked out
// again where the league file says how they were made (its start date and the
// digest of its dates, which names the interval between rounds), otherwise
// left at the date a round holds before it is given one, for the user to set.
FileResult LoadLeague(const QString &chosen = QString());

struct PositionEntry {
    QString who;
    QString first;
    double second = 0;
};
PositionEntry ParsePositionEntry(const QString &entry);

} // namespace fixtora
