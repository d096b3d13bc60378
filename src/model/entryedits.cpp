#include "model/entryedits.h"

#include "model/league.h"
#include "model/leaguerules.h"

namespace fixtora {

RenameRefusal RenameProblem(int entry, const QString &typed)
{
    if (entry < 1 || entry > gNumSlots || entry > kMaxSlots)
        return RenameRefusal::NoEntry;
    const QString name = TypedName(typed);
    if (!IsStorableName(name))
        return RenameRefusal::BadLength;
    for (int other = 1; other <= gNumSlots && other <= kMaxSlots; ++other)
        if (other != entry && ComparableName(gPlayerNames[other]) == ComparableName(name))
            return RenameRefusal::Duplicate;
    return RenameRefusal::None;
}

RenameRefusal RenameEntry(int entry, const QString &typed)
{
    const RenameRefusal refusal = RenameProblem(entry, typed);
    if (refusal != RenameRefusal::None)
        return refusal;
    const QString name = TypedName(typed);
    gPlayerNames[entry] = name;
    if (gTeamLeague)
        gTeamSquads[entry][0] = name;
    return RenameRefusal::None;
}

std::optional<int> PenaltyValue(const QString &text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 5)
        return std::nullopt;
    for (const QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    const int value = digits.toInt();
    if (value > kMaxPenaltyPoints)
        return std::nullopt;
    return value;
}

PenaltyRefusal SetPenalty(int entry, const QString &typed)
{
    if (entry < 1 || entry > gNumSlots || entry > kMaxSlots)
        return PenaltyRefusal::NoEntry;
    const std::optional<int> value = PenaltyValue(typed);
    if (!value)
        return PenaltyRefusal::BadValue;
    gPenalties[entry] = *value;
    return PenaltyRefusal::None;
}

} // namespace fixtora
