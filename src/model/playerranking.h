#pragma once
// The individual players of a team league: each team match is up to sixteen
// games, the player at one position of the home side against the player at
// the same position of the away side. Every game whose two scores are entered
// counts for both players, and earns each the league's points for a win, a
// draw or a loss. The ranking lists the best first: by points, then by score
// difference (own scores less the opponents'), then by name (by character
// code); players equal on all three stand in the order they were first met
// (fixture by fixture, positions 1 to 16, home before away).

#include <QList>
#include <QString>

namespace fixtora {

// At most this many players are listed; any further name is not.
inline constexpr int kMaxRankedPlayers = 999;

struct PlayerStanding {
    QString name;
    double scoreFor = 0;      // the player's own game scores
    double scoreAgainst = 0;  // the opponents' scores in those games
    int wins = 0, lost = 0, draws = 0;
    double points = 0;        // the league's points for the games won, drawn and lost
};

using PlayerRanking = QList<PlayerStanding>;

// Walks the position entries of every fixture of the open league that exist
// in the position store, then ranks the players. A blank player name gets no
// row (its opponent's game still counts); a match against the bye counts for
// no one.
PlayerRanking ComputePlayerRanking();

} // namespace fixtora
