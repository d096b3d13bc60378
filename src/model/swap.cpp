#include "model/swap.h"

#include "model/fixturelist.h"
#include "model/league.h"
#include "model/legs.h"

namespace fixtora {

bool SwapFixtureSides(int homeEntry)
{
    const int cycle = gNumSlots * (gNumSlots - 1);
    const int entries = FixtureEntryCount(gNumSlots, gGamesToPlay);
    if (cycle <= 0 || entries > kMaxFixtureEntries || homeEntry < 1 || homeEntry >= entries || homeEntry % 2 == 0)
        return false;
    const int inCycle = (homeEntry - 1) % cycle + 1;
    const qsizetype at = qsizetype(2) * (inCycle - 1);  // the home code in the fixture string
    if (gFixtureString.size() < at + 4)
        return false;
    const QString home = gFixtureString.mid(at, 2);
    const QString away = gFixtureString.mid(at + 2, 2);
    if (home == away)
        return false;

    const std::int16_t custom = gTeamLeague ? TeamTypeCode(gTeamScoring, true) : kTypePlayersCustomOld;
    if (custom == kTypeNone)
        return false;

    QString swapped = gFixtureString;
    swapped.replace(at, 2, away);
    swapped.replace(at + 2, 2, home);
    gAltFixtureString = swapped;
    gAltFixtures = true;
    gLeagueType = custom;
    for (int e = inCycle; e < entries; e += cycle)
        ExchangeFixtureResults(e);
    gLeagueChanged = true;
    BuildFixtureList();
    return true;
}

} // namespace fixtora
