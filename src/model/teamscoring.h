#pragma once
// The scoring of one team match: sixteen games, each between the player at one
// position of the home side and the player at the same position of the away
// side. The team score entry window and the loader's rebuild of team results
// both use it.

#include <QString>

#include <array>

namespace fixtora {

inline constexpr int kTeamGames = 16;

using TeamSide = std::array<QString, kTeamGames>;   // the first scores of one side, as text

struct TeamPoints {
    double win = 0, draw = 0, lose = 0;
};

// The points per win, draw and loss of the settings, read as numbers.
TeamPoints PointsFromSettings();

// The running totals of a match. Scoring system 1 (WinLoseDraw) gives match
// points in the totals; 2 (Cumulative) the sums of the game scores in the
// totals; 3 (Cumulative+Games) the games won (a draw counts for both) in the
// games and the sums in the totals. A match with nothing entered is not played.
struct TeamMatchTotals {
    bool played = false;
    double homeTotal = 0, awayTotal = 0;
    double homeGames = 0, awayGames = 0;
};

TeamMatchTotals ScoreTeamMatch(const TeamSide &home, const TeamSide &away, int teamScoring,
                               const TeamPoints &points);

// What a match stores: each side's team result (its score text) and its
// secondary total; all four are "-1" for a match that was not played.
struct TeamMatchResult {
    QString homeScore, awayScore;
    QString homeSecondary, awaySecondary;
};

TeamMatchResult StoredTeamResult(const TeamMatchTotals &totals, int teamScoring);

// A number as score text: whole numbers without a decimal point.
QString ScoreText(double value);

} // namespace fixtora
