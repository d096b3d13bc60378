#include "testleague.h"

#include "model/fixturelist.h"
#include "model/league.h"
#include "model/leaguetable.h"
#include "model/playerranking.h"
#include "model/settings.h"
#include "model/teamscoring.h"

namespace fixtora::test {

TestLeague PlayerLeague(int entries, int games)
{
    TestLeague league;
    league.entries = entries;
    league.games = games;
    return league;
}

TestLeague TeamLeague(int entries, int games, int scoring)
{
    TestLeague league = PlayerLeague(entries, games);
    league.team = true;
    league.scoring = scoring;
    return league;
}

QStringList StandingsAsText()
{
    LeagueTable table = ComputeLeagueTable();
    sort_table(table, {QString(), QStringLiteral("Points"), QStringLiteral("Wins"), QStringLiteral("+"),
                       QStringLiteral("Name"), QString()});
    QStringList rows;
    for (const TableRow &row : table) {
        QStringList cells{row.name};
        for (const double value : {row.wins, row.draw, row.lost, row.plus, row.minus, row.points, row.pointsPlus,
                                   row.pointsMinus})
            cells << QString::number(value);
        rows << cells.join(QLatin1Char(' '));
    }
    return rows;
}

QStringList RankingAsText()
{
    QStringList players;
    for (const PlayerStanding &player : ComputePlayerRanking())
        players << QStringLiteral("%1 %2 %3 %4 %5 %6")
                       .arg(player.name)
                       .arg(player.wins)
                       .arg(player.draws)
                       .arg(player.lost)
                       .arg(player.scoreFor)
                       .arg(player.scoreAgainst);
    players.sort();
    return players;
}

void UseUsualPoints()
{
    gPointsForWin = QStringLiteral("3");
    gPointsForDraw = QStringLiteral("1");
    gPointsForLose = QStringLiteral("0");
}

void BuildTestLeague(const TestLeague &league)
{
    InitialiseGlobals();
    UseUsualPoints();
    gTableName = league.name;
    gNumSlots = league.entries;
    gGamesToPlay = static_cast<std::int16_t>(league.games);
    gRoundsPerCycle = static_cast<std::int16_t>(league.entries - 1);
    gStartDate = league.start;
    gTeamLeague = league.team;
    gTeamScoring = static_cast<std::int16_t>(league.team ? league.scoring : 0);
    gAltFixtureString = league.custom;
    gAltFixtures = !league.custom.isEmpty();
    gImportPending = false;
    gLeagueOnDisk = false;
    gLeagueChanged = false;
    if (league.team)
        gLeagueType = TeamTypeCode(league.scoring, gAltFixtures);
    else
        gLeagueType = gAltFixtures ? kTypePlayersCustom : kTypePlayers;

    for (auto &name : gPlayerNames)
        name.clear();
    for (auto &squad : gTeamSquads)
        squad.fill(QString());
    for (int i = 1; i <= league.entries; ++i) {
        gPlayerNames[i] = QStringLiteral("%1 %2").arg(league.team ? "Team" : "Player").arg(i);
        if (!league.team)
            continue;
        gTeamSquads[i][0] = gPlayerNames[i];
        for (int j = 1; j <= kSquadSize; ++j)
            gTeamSquads[i][j] = QStringLiteral("T%1 P%2").arg(i).arg(j);
    }

    const int rounds = league.games * (league.entries - 1);
    for (int r = 1; r <= rounds; ++r)
        gWeekDates[r] = league.start.addDays(qint64(league.daysBetweenRounds) * (r - 1));
    gEndDate = gWeekDates[rounds];

    const int e = FixtureEntryCount(league.entries, league.games);
    const int positions = kTeamGames * e;
    gScores = QList<QString>(positions + 1, QStringLiteral("-1"));
    gPosPlayer = QList<QString>(positions + 1);
    gPosScoreB = QList<QString>(positions + 1, QStringLiteral("-1"));
    for (int k = 1; k <= e && league.scoresEntered; ++k)
        gScores[k] = QString::number(k % 5);
    if (league.team) {
        for (int k = 1; k <= positions; ++k) {
            gPosPlayer[k] = QStringLiteral("Player");
            if (league.scoresEntered)
                gPosScoreA[k] = QString::number(k % 7);
        }
    }
    BuildFixtureList();
}

} // namespace fixtora::test
