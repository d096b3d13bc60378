#pragma once
// What the score entry windows read and store. A round of a league of N
// entries is N consecutive slot entries of the fixture slot list, two per
// fixture; a team match is one fixture of a round whose sides each own 16
// position entries (one per game). The names of a fixture follow the
// home-and-away rule (model/legs.h); the stored places never move: the left
// side of a fixture is always slot entry s, its score gScores[s], its
// players the positions of block s.

#include "model/teamscoring.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace fixtora {

// A score is a whole number from 0 to 9999, typed as at most 4 digits.
inline constexpr int kMaxScoreDigits = 4;

// Empty when text may stand in a score box and be stored as a score: nothing
// (a score not entered) or 1 to 4 of the digits 0-9, leading zeros kept as
// typed. Else the refusal to show.
QString ScoreTextProblem(const QString &text);

// The first slot entry of round r, or 0 when r is not one of the league's
// rounds 1..W.
int RoundFirstEntry(int round);

// One line of a round: the names shown left and right and the stored scores
// of the home entry (left) and the away entry (right), "-1" when not entered.
// A line against the bye takes no score; one stored there (by an older
// version of the program) is shown as it stands.
struct RoundLine {
    int homeEntry = 0;
    QString leftName, rightName;
    QString leftScore, rightScore;
    bool bye = false;
};
// The N / 2 lines of round r; none when r is not one of the league's rounds.
QList<RoundLine> RoundLines(int round);

// Stores the score boxes of round r, box i for slot entry f + i - 1 (an empty
// box as "-1", any other text as it stands), and marks the league changed
// when a stored score is not what it was. The boxes of a fixture against the
// bye are passed over: what it holds stays.
// False, storing nothing, when r is not a round, the count of boxes is not N
// or a box of a fixture that is played holds what is not a score
// (ScoreTextProblem).
[[nodiscard]] bool StoreRoundScores(int round, const QStringList &boxes);

// The team match on row `row` (1..N, either side) of round r.
struct TeamMatchPlace {
    int homeEntry = 0;  // s: the left side's slot entry; s + 1 the right side's
    int leftTeam = 0;   // the entries (teams) shown on the left and the right,
    int rightTeam = 0;  // whose squads supply the players
};
std::optional<TeamMatchPlace> TeamMatchOf(int round, int row);

// The players and first scores of a match: elements 0..15 are games 1..16 of
// the left side, 16..31 those of the right side.
inline constexpr int kMatchPositions = 2 * kTeamGames;
struct TeamMatchEntries {
    std::array<QString, kMatchPositions> players;
    std::array<QString, kMatchPositions> scores;  // "-1" when not entered
    TeamSide LeftScores() const;
    TeamSide RightScores() const;
    bool operator==(const TeamMatchEntries &) const = default;
};
TeamMatchEntries ReadTeamMatch(int homeEntry);

// Stores the match's positions (an empty score as "-1") and its team result
// and secondary totals by the league's scoring system (model/teamscoring.h),
// and marks the league changed when a stored value is not what it was.
// False, storing nothing, when homeEntry is not the home side of one of the
// league's fixtures, the match is against the bye, or a score is not a score
// (ScoreTextProblem; "-1" stands for one not entered).
[[nodiscard]] bool StoreTeamMatch(int homeEntry, const TeamMatchEntries &entries);

} // namespace fixtora
