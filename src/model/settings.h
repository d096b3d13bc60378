#pragma once
// Settings that apply to every league: the thirteen keys of "config.ini" and
// the preferences kept in the per-user preference store. Read once at start-up,
// written back by the callers that change them; the league reset leaves them
// alone (except gAddGamesPerMatch and gShowSplash).

#include <QString>

#include <array>
#include <cstdint>

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
inline QString gSortLeague;              // "sortleague", default "1"
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
inline int gMsgResult = 0;

} // namespace fixtora
