#include "model/legs.h"

#include "model/league.h"
#include "model/settings.h"
#include "model/teamscoring.h"
#include "platform/numbers.h"

#include <algorithm>
#include <utility>

namespace fixtora {

namespace {

// Exchanges two elements of a list that holds both; true when they differed.
bool exchange(QList<QString> &list, qsizetype a, qsizetype b)
{
    if (a < 0 || b < 0 || a >= list.size() || b >= list.size() || list[a] == list[b])
        return false;
    std::swap(list[a], list[b]);
    return true;
}

} // namespace

int LegOf(int s)
{
    const int games = gGamesToPlay;
    const int cycle = gNumSlots * (gNumSlots - 1);
    if (cycle <= 0 || s < 1 || s > games * cycle)
        return games + 1;
    return (s + cycle - 1) / cycle;
}

int EntryOfCode(const QString &code)
{
    const double value = Val(code);
    const int entry = static_cast<int>(RoundHalfEven(value));
    if (entry < 1 || entry > gNumSlots || entry > kMaxSlots)
        return 0;
    return entry;
}

FixtureSides SidesOfFixture(int homeEntry)
{
    auto code = [](int e) {
        return e >= 1 && e <= kMaxFixtureEntries ? gFixtureSlots[e] : QString();
    };
    FixtureSides sides{EntryOfCode(code(homeEntry)), EntryOfCode(code(homeEntry + 1))};
    if (gHomeAwayRule && LegOf(homeEntry) % 2 == 0)
        std::swap(sides.left, sides.right);
    return sides;
}

QString EntryName(int entry)
{
    return entry >= 1 && entry <= kMaxSlots ? gPlayerNames[entry] : QString();
}

bool ExchangeFixtureResults(int homeEntry)
{
    bool moved = exchange(gScores, homeEntry, homeEntry + 1);
    moved |= exchange(gPosScoreB, homeEntry, homeEntry + 1);
    const qsizetype home = qsizetype(kTeamGames) * (homeEntry - 1);
    const qsizetype away = home + kTeamGames;
    for (int j = 1; j <= kTeamGames; ++j) {
        moved |= exchange(gPosPlayer, home + j, away + j);
        moved |= exchange(gPosScoreA, home + j, away + j);
    }
    return moved;
}

bool ConvertResultsToRule(bool storedUnder)
{
    if (storedUnder == gHomeAwayRule || gNumSlots < kMinSlots || gNumSlots > kMaxSlots)
        return false;
    const int cycle = gNumSlots * (gNumSlots - 1);
    const int legs = std::min<int>(gGamesToPlay, kMaxGames);
    bool moved = false;
    for (int leg = 2; leg <= legs; leg += 2)
        for (int s = (leg - 1) * cycle + 1; s < leg * cycle; s += 2)
            moved |= ExchangeFixtureResults(s);
    return moved;
}

} // namespace fixtora
