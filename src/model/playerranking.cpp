#include "model/playerranking.h"

#include "model/fixturelist.h"
#include "model/league.h"
#include "model/leaguetable.h"
#include "model/teamscoring.h"
#include "platform/numbers.h"

#include <QHash>

#include <algorithm>

namespace fixtora {

namespace {

class RankingBuilder {
public:
    // The index of the player's row, added at the end when the name is new;
    // -1 for a blank name or when the ranking is full.
    int find_or_add_player(const QString &name)
    {
        if (name.trimmed().isEmpty())
            return -1;
        const auto found = m_rows.constFind(name);
        if (found != m_rows.cend())
            return *found;
        if (m_ranking.size() >= kMaxRankedPlayers)
            return -1;
        m_rows.insert(name, int(m_ranking.size()));
        m_ranking.append(PlayerStanding{name});
        return int(m_ranking.size()) - 1;
    }

    PlayerStanding *row(int index) { return index >= 0 ? &m_ranking[index] : nullptr; }

    // The players with their points, best first. Values are compared as the
    // table shows them, so fractional points that read equal are equal.
    PlayerRanking take(const TeamPoints &points)
    {
        auto shown = [](double value) { return TableNumberText(value).toDouble(); };
        for (PlayerStanding &player : m_ranking)
            player.points = shown(player.wins * points.win + player.draws * points.draw + player.lost * points.lose);
        auto difference = [&shown](const PlayerStanding &p) { return shown(p.scoreFor - p.scoreAgainst); };
        std::stable_sort(m_ranking.begin(), m_ranking.end(), [&](const PlayerStanding &a, const PlayerStanding &b) {
            if (a.points != b.points)
                return a.points > b.points;
            if (difference(a) != difference(b))
                return difference(a) > difference(b);
            return QString::compare(a.name, b.name, Qt::CaseSensitive) < 0;
        });
        return std::move(m_ranking);
    }

private:
    PlayerRanking m_ranking;
    QHash<QString, int> m_rows;
};

// One game from one player's side: a higher score wins.
void credit(PlayerStanding *player, double own, double other)
{
    if (!player)
        return;
    player->draws += own == other;
    player->wins += own > other;
    player->lost += own < other;
    player->scoreFor += own;
    player->scoreAgainst += other;
}

} // namespace

PlayerRanking ComputePlayerRanking()
{
    const int n = std::clamp(gNumSlots, 0, kMaxSlots);
    const int games = std::clamp<int>(gGamesToPlay, 0, kMaxGames);
    const int positions = kTeamGames * FixtureEntryCount(n, games);
    // The store may be shorter than the league's fixtures need: walk what exists.
    const int last = std::min<qsizetype>({positions, gPosPlayer.size() - 1, gPosScoreA.size() - 1});
    RankingBuilder builder;
    BuildFixtureList();
    for (int base = 1; base + 2 * kTeamGames - 1 <= last; base += 2 * kTeamGames) {
        if (IsByeFixture((base - 1) / kTeamGames + 1))
            continue;
        for (int k = 0; k < kTeamGames; ++k) {
            const int a = base + k;
            const int b = a + kTeamGames;
            const double sA = Val(gPosScoreA[a]);
            const double sB = Val(gPosScoreA[b]);
            if (sA == -1 || sB == -1)
                continue;
            const int rowA = builder.find_or_add_player(gPosPlayer[a]);
            const int rowB = builder.find_or_add_player(gPosPlayer[b]);
            credit(builder.row(rowA), sA, sB);
            credit(builder.row(rowB), sB, sA);
        }
    }
    return builder.take(PointsFromSettings());
}

} // namespace fixtora
