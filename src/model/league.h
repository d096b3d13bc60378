#pragma once
// The open league and the open tournament.
//
// The whole model lives in module-level variables that every window reads and
// writes directly; the reset below clears it before a league is created, opened
// or abandoned. Arrays keep the index ranges the program has always used: an
// array "0 to 32" has 33 elements and element 0 is usually unused.
//
// Vocabulary: N = gNumSlots (entries, even, 4 to 32), G = gGamesToPlay (1 to 4),
// E = G * N * (N - 1) entries in the fixture slot list (two per fixture),
// W = G * (N - 1) rounds.

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>

namespace fixtora {

// ---- Limits of the model ---------------------------------------------------

inline constexpr int kMinSlots = 4;
inline constexpr int kMaxSlots = 32;
inline constexpr int kMaxGames = 4;
inline constexpr int kMaxNameLength = 16;
inline constexpr int kSquadSize = 16;
inline constexpr int kMaxRounds = 500;
// Every league of 4..32 entries and 1..4 games fits: 4 * 32 * 31 entries.
inline constexpr int kMaxFixtureEntries = kMaxGames * kMaxSlots * (kMaxSlots - 1);
// Sixteen position entries for each fixture side.
inline constexpr int kMaxPositionEntries = kSquadSize * kMaxFixtureEntries;
inline constexpr int kMaxTourNames = 128;

// E for a league of n entries playing each pairing g times.
constexpr int FixtureEntryCount(int n, int g) { return g * n * (n - 1); }

// The date every round holds before it is given one (30 December 1899).
inline const QDate kZeroDate{1899, 12, 30};

// League type codes.
inline constexpr std::int16_t kTypeNone = 0;
inline constexpr std::int16_t kTypePlayers = 1;
inline constexpr std::int16_t kTypePlayersCustom = 2;
inline constexpr std::int16_t kTypePlayersCustomOld = 4;

bool IsTeamType(int typeCode);            // 5 or more
bool IsStandardType(int typeCode);        // 1, 13, 23, 25
bool IsCustomType(int typeCode);          // 2, 4, 14, 24, 15
// The stored code of a team league for a scoring system (1..3), standard or custom.
std::int16_t TeamTypeCode(int teamScoring, bool custom);

// ---- League definition and results ------------------------------------------

inline QString gTableName;                        // league name; "none" when no league is open
inline std::int16_t gGamesToPlay = 0;             // G
inline QDate gStartDate;                          // date of round 1
inline int gSkipDate = 0;                         // stored and read back; no other use
inline std::array<QString, kMaxSlots + 1> gPlayerNames;   // 1..N; empty = free slot
inline int gNumSlots = 0;                         // N
inline bool gOddCount = false;                    // an odd count of names was entered
// The name the new-league wizard gives the entry it adds to an odd number of
// entries, so that every round has a partner for each.
inline const QString kByeName = QStringLiteral("bye");
// The score text of a side not entered yet, in gScores and gPosScoreA.
inline const QString kNotEntered = QStringLiteral("-1");

inline QList<QString> gScores;                    // score text per fixture side, 1..E; "-1" = not entered
inline std::array<int, kMaxSlots + 1> gPenalties{};       // penalty points per slot
inline std::array<QDate, kMaxRounds + 1> gWeekDates;      // date of round r
inline std::int16_t gRoundsPerCycle = 0;          // N - 1
inline std::int16_t gLeagueType = 0;              // league type code
inline std::array<QString, kMaxFixtureEntries + 1> gFixtureSlots;  // the fixture slot list, 1..E
inline QString gFixtureString;                    // pairing string the list was built from
inline QString gAltFixtureString;                 // custom fixture string of slot codes
inline bool gAltFixtures = false;                 // the custom fixture string is in use
inline bool gImportPending = false;               // an imported fixture string waits to be saved

// ---- Team leagues -----------------------------------------------------------

inline bool gTeamLeague = false;
inline std::int16_t gTeamScoring = 0;             // 1 WinLoseDraw, 2 Cumulative, 3 Cumulative+Games
// (t, 0) team name, (t, 1..16) squad player names.
inline std::array<std::array<QString, kSquadSize + 1>, kMaxSlots + 1> gTeamSquads;
// Position entries k = 1.. : the 16 positions of one side of a fixture are
// consecutive, home block before away block; fixture m holds 32(m-1)+1 .. 32m.
inline QList<QString> gPosPlayer;                 // name part
inline QList<QString> gPosScoreA = QList<QString>(kMaxPositionEntries + 1);  // first score part
inline QList<QString> gPosScoreB;                 // second score part

// ---- State flags --------------------------------------------------------------

inline bool gLeagueOnDisk = false;      // the league exists in a file
inline bool gLeagueChanged = false;     // changed since the last save
inline bool gFixturesClosed = false;    // the main menu should refresh the main window's caption
inline bool gDatesPending = false;      // round dates still to be generated
inline bool gTableShown = false;        // the table was computed since its screen opened

// ---- Files and dialogs ----------------------------------------------------------

inline QString gLeagueFile;             // path of the league or tournament file
inline QString gExtFileName;            // companion path derived by the open dialog
inline QString gExtFile;                // companion path used by create and save
inline QString gDialogFilter;           // "description", NUL, "pattern", NUL
inline QString gFileFolder;             // folder of the chosen file, ending with a separator
inline std::int32_t gDialogResult = 0;  // 0 = cancelled
inline QString gDialogExt;              // extension the save dialog enforces
inline QString gSavePath;               // default folder of the dialogs
inline QString gRegValue;               // raw text of the last preference read
inline QString gWebAddress;             // the publisher's web site

// ---- Tournament model -------------------------------------------------------------

using TourSlots = std::array<QString, kMaxTourNames + 1>;
inline TourSlots gTourNames;
inline constexpr int kMaxTourDates = 100;
inline std::array<QDate, kMaxTourDates + 1> gTourDates;   // round r's date in element r, null when none
inline QString gTourFile;                                 // the tournament's file, empty until saved
inline QString gTourTitle;
inline bool gTourChanged = false;                         // changed since it was last saved or opened
inline int gTourEntrants = 0, gTournieColumns = 0;
// The slot the last click or key chose on the chart. Nothing in the program
// reads it back: the chart acts on the choice at once. It is kept as the
// chart's one record of what the user chose, which its tests read.
inline int gSelectedSlot = 0;
inline double gClickX = 0, gClickY = 0;
inline int gChartEntrants = 0;
inline int gNameEscapement = 0;
inline std::array<std::array<std::array<double, 11>, 64>, 64> gChartGeometry{};

// ---- Working state of the windows, cleared with the league -------------------------

// Fixtures page drawing.
inline int gPageCount = 0, gCurrentPage = 0;
inline int gEntryWeek = 0, gScoreWeek = 0;
inline int gSwapMode = 0;
inline std::int16_t gTeamFixture = 0;   // home row (odd) of the round's team match being entered
inline bool gPrinting = false;
// Round-date editor.
inline int gDatesFirst = 0, gDatesLast = 0;
inline std::int16_t gDatesEdited = 0, gLastWeek = 0;
// New-league interval: gFreqCount units of gFreqUnit ("d", "ww" or "m") between rounds.
inline std::int16_t gFreqCount = 0;
inline QString gFreqUnit;
inline QDate gEndDate;
inline int gRenameIndex = 0;

// ---- Operations ----------------------------------------------------------------------

// Clears the open league and tournament. Leaves N, the start date, the team
// definition (gTeamLeague, gTeamScoring, gTeamSquads), the scores and position
// parts sized by the loader, gImportPending, gLeagueOnDisk, gDialogResult,
// gDialogExt, gSavePath and the settings as they were.
void InitialiseGlobals();

// The open league as its file holds it, kept whenever the league is opened,
// created or saved (LoadLeague, CreateLeagueFile, SaveLeague), so that
// changes the user declines to save can be dropped without reading the file
// again.
void KeepSavedLeague();

// Puts back every part of the league a user can change or a save writes
// (names, results, team games, penalties, round dates, fixtures, swaps) as it
// was last kept, its results under today's home-and-away rule, and marks it
// unchanged. A league not kept since the last reset is left as it is.
void RevertToSavedLeague();

// The entry the wizard added to make the number of entries even, or 0 when
// there is none: the last entry, while it bears the wizard's name for it. The
// league file keeps no other mark of it, so a league read back from its file
// is judged the same way as the one the wizard has just made. An entry the
// user named "bye" anywhere else, or spelt otherwise ("Bye"), is an entry.
int ByeEntry();

// True when the bye is a side of the fixture whose home side is slot entry
// homeEntry: a fixture that is never played, takes no score and counts for
// no one.
bool IsByeFixture(int homeEntry);

// Gives the score lists a league of `sides` fixture sides (E) with no result
// entered: gScores holds E scores, or 16E when perPosition (a team league, or
// a league read from its file, which keeps room for every position entry),
// and its scores 1..E are "-1"; gPosPlayer and gPosScoreB hold the 16E
// position entries, empty; gPosScoreA's entries 1..16E are "-1".
void SizeScoreLists(int sides, bool perPosition);

// Clears the tournament (its slot names and every chart value) and nothing of
// the open league.
void ResetTournament();

// The characters of s that are letters a-z / A-Z, digits, space, ".", "\",
// ":" or "/" (the folder separator here); everything else is dropped.
QString CleanString(const QString &s);

// A typed or stored folder path with only NUL and control characters removed.
QString CleanFolderPath(const QString &s);

} // namespace fixtora
