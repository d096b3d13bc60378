#pragma once
// The checks of the new-league wizard's pages and the hand-over of its
// entries to the league: plain functions, so every rule is tested without a
// window. Numbers are read the program's way (leading number, halves to the
// even neighbour).

#include <QString>

#include <QStringList>

#include <cstdint>
#include <optional>
#include <algorithm>
#include <span>

namespace fixtora {

// Games to play as typed: the leading number rounded to a whole number;
// nothing unless it is 1 to 4 (a number beyond a 16-bit integer included).
std::optional<std::int16_t> ReadGamesToPlay(const QString &typed);

// Units between two rounds as typed: the leading number rounded to a whole
// number; nothing unless the rounded count is 1 to 31, so a count that rounds
// to 0 (every round on one date) or to 32 is refused.
std::optional<std::int16_t> ReadIntervalCount(const QString &typed);

// The stored unit of the unit list's text: "day(s)" "d", "week(s)" "ww",
// "month(s)" "m"; the empty text for any other text.
QString IntervalUnitCode(const QString &typed);

// A league name has 4 to 16 characters.
bool IsLeagueNameLength(const QString &name);

// The lists of names the wizard builds: the league's entries, named as
// players or as teams, at most kMaxSlots (32); the players of one team, at
// most kSquadSize (16), whose names must also fit a position entry
// ("name//score\\total").
enum class NameList { Players, Teams, Squad };

// What Add does with a name (as TypedName made it), by the first check it
// fails, in this order: empty, longer than 16 characters, not storable in the
// list, the list full, alike a listed name (ComparableName, model/leaguerules.h:
// "ann" is not "Ann", but "Ann" with a zero-width space inside is).
enum class NameVerdict { Accepted, Blank, TooLong, Unstorable, Full, Duplicate };

// The verdict on adding name to a list of that kind holding listed.
NameVerdict CheckNewName(NameList list, const QStringList &listed, const QString &name);
// The same checks for a list of entries' names that holds at most capacity
// names: a knock-out tournament's entrants.
NameVerdict CheckNewName(const QStringList &listed, const QString &name, qsizetype capacity);

// Takes item index out of items (the used part of a list): the later items
// move up one place and the freed last place is emptied, so the list keeps
// its order with no gap. An index outside items changes nothing.
template <class T>
void CloseGap(std::span<T> items, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= items.size())
        return;
    std::move(items.begin() + index + 1, items.end(), items.begin() + index);
    items.back() = T{};
}

// A refusal on a wizard page: the message box's title line, subtitle line,
// text and caption (empty: the program's name).
struct PageRefusal {
    QString title, subtitle, text, caption;
};

// What a page of names holds that leaving it would throw away.
struct TypedEntries {
    int names = 0;    // the league's entries listed on the names page
    int teams = 0;    // the teams listed on the team page
    int players = 0;  // the players of all those teams
};

// The question asked before a page is left with entries typed, naming what
// would be lost, counted: "Discard the 7 names typed?", "Discard the 2 teams
// and 9 players typed?". Empty when nothing was typed: the page then goes
// without a question.
QString DiscardTypedQuestion(const TypedEntries &typed);

// The characters of one cycle of a custom fixture string for n entries: two
// for each entry code, n * (n - 1) codes.
int CustomFixtureLength(int n);

// The refusal of a pasted custom fixture string for a league of n entries (the
// length first, then the first code that is not an entry); nothing when the
// league file accepts the string.
std::optional<PageRefusal> CustomFixtureRefusal(const QString &fixtures, int n);

// The entries of a new league are complete (gNumSlots names in gPlayerNames,
// 4 to 32): an odd count gets one more entry named "bye" (gOddCount), the
// rounds of a cycle are set, the league is marked as in no file and the
// result arrays are made afresh, empty, for every fixture side (and, in a team
// league, for the sixteen positions of every side). A pending import from an
// earlier league is dropped.
void CompleteEntries(bool teamLeague);

// Back from the summary to the page of names or teams: the "bye" that
// CompleteEntries added is taken off again, so gNumSlots counts the entries
// typed, and the round dates follow the start date again (the next hand-over
// may change the number of rounds).
void ReopenEntries();

// W = (N - 1) * G, the rounds of the league.
int LeagueRounds();

// Dates rounds 1..W of a new league by the round-date rule (model/rounddates.h)
// and makes the league's end date the date of its last round.
void DateNewLeague();

} // namespace fixtora
