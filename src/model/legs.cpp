#include "model/legs.h"

#include "model/league.h"
#include "model/settings.h"
#include "platform/numbers.h"

namespace fixtora {

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

} // namespace fixtora
