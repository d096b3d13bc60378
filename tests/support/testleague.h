#pragma once
// One league built in memory for tests and benchmarks: named entries (and
// squads for a team league), round dates, the fixture slot list, and scores
// either all unentered or all entered with a fixed pattern.

#include <QDate>
#include <QString>
#include <QStringList>

namespace fixtora::test {

struct TestLeague {
    QString name = QStringLiteral("Tuesday Pool");
    int entries = 4;                 // N, even, 4..32
    int games = 1;                   // G, 1..4
    bool team = false;
    int scoring = 1;                 // team scoring system 1..3
    QDate start{2026, 1, 6};
    int daysBetweenRounds = 7;
    QString custom;                  // custom fixture string; empty for the pairing table
    bool scoresEntered = false;      // every score (and every position of a team league)
};

// Resets the model and defines the league: entries "Player i" or "Team i",
// squad players "Ti Pj", round r on start + (r - 1) * daysBetweenRounds, the
// fixture slot list built. Entered scores: side k scores k % 5 (positions
// k % 7); unentered ones are "-1". The league is not on disk.
void BuildTestLeague(const TestLeague &league = {});

// The points most leagues give, which BuildTestLeague sets too: 3 for a win,
// 1 for a draw, 0 for a loss.
void UseUsualPoints();

// The open league's table, counted and put in standing order (points, wins,
// "+", name), a row per text: name, won, drawn, lost, +, -, points, points +
// and points -.
QStringList StandingsAsText();

// The player ranking of the open team league, a player per text (name, won,
// drawn, lost, for, against), in the order of the names.
QStringList RankingAsText();

// The common shapes; change further fields on the result before building.
// (Designated initialisers that leave fields out warn under -Wextra.)
TestLeague PlayerLeague(int entries, int games = 1);
TestLeague TeamLeague(int entries, int games = 1, int scoring = 1);

} // namespace fixtora::test
