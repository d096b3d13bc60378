#include "model/wizardrules.h"

#include "model/league.h"
#include "model/leaguerules.h"
#include "model/rounddates.h"
#include "platform/numbers.h"

#include <algorithm>

namespace fixtora {

namespace {

const QString kErrorCaption = QStringLiteral("Error!");

// The leading number rounded to a whole number, when it is low..high.
std::optional<std::int16_t> readWhole(const QString &typed, int low, int high)
{
    const long long value = RoundHalfEven(Val(typed));
    if (value < low || value > high)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

NameVerdict checkNewName(const QStringList &listed, const QString &name, qsizetype capacity, bool squad)
{
    if (name.isEmpty())
        return NameVerdict::Blank;
    if (name.size() > kMaxNameLength)
        return NameVerdict::TooLong;
    if (!(squad ? IsStorableSquadName(name) : IsStorableName(name)))
        return NameVerdict::Unstorable;
    if (listed.size() >= capacity)
        return NameVerdict::Full;
    const QString compared = ComparableName(name);
    const auto alike = [&compared](const QString &other) { return ComparableName(other) == compared; };
    if (std::any_of(listed.begin(), listed.end(), alike))
        return NameVerdict::Duplicate;
    return NameVerdict::Accepted;
}

} // namespace

std::optional<std::int16_t> ReadGamesToPlay(const QString &typed)
{
    return readWhole(typed, 1, kMaxGames);
}

std::optional<std::int16_t> ReadIntervalCount(const QString &typed)
{
    return readWhole(typed, 1, kMaxIntervalCount);
}

QString IntervalUnitCode(const QString &typed)
{
    if (typed == QLatin1String("day(s)"))
        return QStringLiteral("d");
    if (typed == QLatin1String("week(s)"))
        return QStringLiteral("ww");
    if (typed == QLatin1String("month(s)"))
        return QStringLiteral("m");
    return {};
}

bool IsLeagueNameLength(const QString &name)
{
    return name.size() >= 4 && name.size() <= kMaxNameLength;
}

NameVerdict CheckNewName(NameList list, const QStringList &listed, const QString &name)
{
    const bool squad = list == NameList::Squad;
    return checkNewName(listed, name, squad ? kSquadSize : kMaxSlots, squad);
}

NameVerdict CheckNewName(const QStringList &listed, const QString &name, qsizetype capacity)
{
    return checkNewName(listed, name, capacity, false);
}

QString DiscardTypedQuestion(const TypedEntries &typed)
{
    QStringList lost;
    const auto count = [&lost](int n, const char *one, const char *many) {
        if (n > 0)
            lost.append(QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many)));
    };
    count(typed.names, "name", "names");
    count(typed.teams, "team", "teams");
    count(typed.players, "player", "players");
    if (lost.isEmpty())
        return {};
    const QString last = lost.takeLast();
    const QString all = lost.isEmpty() ? last : lost.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
    return QStringLiteral("Discard the %1 typed?").arg(all);
}

int CustomFixtureLength(int n)
{
    return 2 * FixtureEntryCount(n, 1);
}

std::optional<PageRefusal> CustomFixtureRefusal(const QString &fixtures, int n)
{
    const FixtureStringCheck check = CheckCustomFixtureString(fixtures, n);
    switch (check.verdict) {
    case FixtureStringCheck::Verdict::Valid:
        return std::nullopt;
    case FixtureStringCheck::Verdict::WrongLength:
        return PageRefusal{QStringLiteral("Invalid Input String"), QStringLiteral("Invalid String"),
                           QStringLiteral("not valid, you entered a string of length %1\r\n").arg(check.length),
                           kErrorCaption};
    case FixtureStringCheck::Verdict::BadCode:
        break;
    }
    return PageRefusal{QStringLiteral("Invalid value"), QStringLiteral("Invalid Value"),
                       check.badCode + QStringLiteral(" isn't a valid value, please check\r\n"), kErrorCaption};
}

void CompleteEntries(bool teamLeague)
{
    gLeagueOnDisk = false;
    gImportPending = false;
    gOddCount = gNumSlots % 2 == 1;
    if (gOddCount && gNumSlots < kMaxSlots) {
        ++gNumSlots;
        gPlayerNames[gNumSlots] = kByeName;
    }
    gRoundsPerCycle = static_cast<std::int16_t>(gNumSlots - 1);
    SizeScoreLists(FixtureEntryCount(gNumSlots, gGamesToPlay), teamLeague);
}

void ReopenEntries()
{
    if (gOddCount && gNumSlots > 0) {
        gPlayerNames[gNumSlots].clear();
        --gNumSlots;
    }
    gOddCount = false;
    gDatesPending = true;
}

int LeagueRounds()
{
    return std::clamp((gNumSlots - 1) * gGamesToPlay, 0, kMaxRounds);
}

// The end date is the last round's date: stepping back from the step after it
// would miss a month step that had to fall back to a shorter month's last day.
void DateNewLeague()
{
    const int rounds = LeagueRounds();
    DateRounds(rounds);
    gEndDate = rounds > 0 ? gWeekDates[rounds] : gStartDate;
}

} // namespace fixtora
