#pragma once
// Legs and the home-and-away rule. The fixture slot list holds one cycle of
// pairings (a "leg", C = N * (N - 1) entries) G times over. With the
// home-and-away rule on, a fixture of an even leg is shown with its two
// entries the other way round; its scores never move. The fixtures pages, the
// HTML export, score entry and the league table all decide sides here.
//
// Results are stored by the side they are shown on (the left score is
// gScores[s] whichever entry stands on the left), so a league's results
// belong to the rule they were entered under: a change of the rule moves the
// results of the even legs with it (ConvertResultsToRule).

#include <QString>

namespace fixtora {

// The leg of slot entry s: ceiling(s / C) for 1 <= s <= G * C, and G + 1 for
// any entry outside the list (also when the league has no entries).
int LegOf(int s);

// The entry number a slot code names: "01".."32" name 1..32; a code that is
// no number, or names no entry of the league (above gNumSlots), names 0, the
// entry with the empty name.
int EntryOfCode(const QString &code);

// The entries shown on the left and the right of the fixture whose home entry
// is slot entry s (odd): the home and away entries, exchanged in an even leg
// when gHomeAwayRule is on. The left score is always gScores[s] and the right
// one gScores[s + 1].
struct FixtureSides {
    int left = 0;
    int right = 0;
};
FixtureSides SidesOfFixture(int homeEntry);

// The name of an entry number (empty for 0 or a number outside 1..32).
QString EntryName(int entry);

// Exchanges everything stored for the two sides of the fixture whose home
// side is slot entry homeEntry: both score texts, both secondary totals and
// both blocks of 16 position entries (players and first scores). True when
// the two sides held anything different.
bool ExchangeFixtureResults(int homeEntry);

// Turns the open league's results, stored under the home-and-away rule
// storedUnder, into results stored under gHomeAwayRule: when the two differ,
// every fixture of the even legs exchanges its results, so each result stays
// with the entry that made it while the names change sides. True when any
// result or player moved.
bool ConvertResultsToRule(bool storedUnder);

} // namespace fixtora
