#pragma once
// The individual players of a team league: each team match is up to sixteen
// games, the player at one position of the home side against the player at
// the same position of the away side. Every game whose two scores are entered
// counts for both players; the ranking lists the players in the order they are
// first met (fixture by fixture, positions 1 to 16, home before away) and is
// not sorted.

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
    double points = 0;        // always 0: games carry no player points
};

using PlayerRanking = QList<PlayerStanding>;

// Walks the position entries of every fixture of the open league that exist
// in the position store. A blank player name gets no row (its opponent's game
// still counts).
PlayerRanking ComputePlayerRanking();

} // namespace fixtora
