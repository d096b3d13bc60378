#include "model/leaguerules.h"

#include "model/league.h"
#include "platform/numbers.h"

namespace fixtora {

namespace {

const QString kNameSeparator = QStringLiteral("//");
const QString kScoreSeparator = QStringLiteral("\\\\");

// Neither "/" nor "\\" anywhere: true of nearly every name and score, which
// then needs no closer look at its separators.
bool withoutSlashes(QStringView text)
{
    for (const QChar c : text)
        if (c == u'/' || c == u'\\')
            return false;
    return true;
}

QStringView listItem(const QList<QString> &list, qsizetype i)
{
    return i >= 0 && i < list.size() ? QStringView(list[i]) : QStringView();
}

bool validSize(int n, int games)
{
    return n >= kMinSlots && n <= kMaxSlots && n % 2 == 0 && games >= 1 && games <= kMaxGames;
}

// The codes a player league may hold, and for a team league the two codes of
// its scoring system: the loader derives the kind of league and its scoring
// from the code alone.
bool typeFitsLeague(int code)
{
    if (!gTeamLeague)
        return code == kTypeNone || (!IsTeamType(code) && (IsStandardType(code) || IsCustomType(code)));
    const std::int16_t standard = TeamTypeCode(gTeamScoring, false);
    return standard != kTypeNone && (code == standard || code == TeamTypeCode(gTeamScoring, true));
}

// Dates are stored as "yyyy-MM-dd": a valid date outside years 1..9999 would
// come back as no date.
bool storableDate(const QDate &date)
{
    return !date.isValid() || (date.year() >= 1 && date.year() <= 9999);
}

// A character no name holds: it breaks a line or a record, or controls a device.
bool breaksText(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Separator_Line
        || category == QChar::Separator_Paragraph;
}

// A character that shows nothing at the start or the end of a name.
bool invisibleAtAnEnd(char32_t c)
{
    return QChar::isSpace(c) || QChar::category(c) == QChar::Other_Format;
}

// what: "the league", "entry 3".
QString nameProblem(const QString &what, const QString &name)
{
    if (name.isEmpty())
        return what.left(1).toUpper() + what.mid(1) + QStringLiteral(" has no name");
    return QStringLiteral("The name \"%1\" of %2 is longer than %3 characters").arg(name, what).arg(kMaxNameLength);
}

QString namesProblem()
{
    if (!IsStorableName(gTableName))
        return nameProblem(QStringLiteral("the league"), gTableName);
    for (int i = 1; i <= kMaxSlots; ++i) {
        const QString &name = gPlayerNames[i];
        if (i > gNumSlots && !name.isEmpty())
            return QStringLiteral("Entry %1 \"%2\" is past the league's %3 entries").arg(i).arg(name).arg(gNumSlots);
        if (i <= gNumSlots && !IsStorableName(name))
            return nameProblem(QStringLiteral("entry %1").arg(i), name);
    }
    if (!gTeamLeague)
        return {};
    for (int t = 1; t <= kMaxSlots; ++t)
        for (int j = 1; j <= kSquadSize; ++j)
            if (!IsStorableSquadName(gTeamSquads[t][j]))
                return QStringLiteral("The squad player name \"%1\" of team %2 cannot be stored: it is longer than "
                                      "%3 characters, holds \"//\" or \"\\\\\", or ends with \"/\"")
                    .arg(gTeamSquads[t][j])
                    .arg(t)
                    .arg(kMaxNameLength);
    return {};
}

// Each position entry is written "name//first\\second" and split again at the
// first "//" and the first "\\" after it: the name and the first score must
// not move those places.
QString positionsProblem()
{
    const int positions = kSquadSize * FixtureEntryCount(gNumSlots, gGamesToPlay);
    for (int p = 1; p <= positions; ++p) {
        const QStringView name = listItem(gPosPlayer, p);
        const QStringView first = listItem(gPosScoreA, p);
        if (!IsStorableSquadName(name))
            return QStringLiteral("The player \"%1\" of position %2 cannot be stored").arg(name).arg(p);
        if (!withoutSlashes(first) && (first.contains(kScoreSeparator) || first.endsWith(u'\\')))
            return QStringLiteral("The score \"%1\" of position %2 cannot be stored").arg(first).arg(p);
    }
    return {};
}

QString datesProblem()
{
    if (!storableDate(gStartDate))
        return QStringLiteral("The league's start date cannot be stored");
    const int rounds = gGamesToPlay * (gNumSlots - 1);
    for (int r = 1; r <= rounds; ++r)
        if (!storableDate(gWeekDates[r]))
            return QStringLiteral("The date of round %1 cannot be stored").arg(r);
    return {};
}

} // namespace

FixtureStringCheck CheckCustomFixtureString(const QString &fixtures, int n)
{
    FixtureStringCheck check;
    check.length = static_cast<int>(fixtures.size());
    if (fixtures.size() != qsizetype(2) * n * (n - 1)) {
        check.verdict = FixtureStringCheck::Verdict::WrongLength;
        return check;
    }
    for (qsizetype k = 0; k < fixtures.size(); k += 2) {
        const QString code = fixtures.mid(k, 2);
        const double slot = Val(code);
        if (slot < 1 || slot > n) {
            check.verdict = FixtureStringCheck::Verdict::BadCode;
            check.badCode = code;
            return check;
        }
    }
    return check;
}

QString TypedName(const QString &typed)
{
    QList<char32_t> kept;
    kept.reserve(typed.size());
    for (qsizetype i = 0; i < typed.size(); ++i) {
        char32_t c = typed[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < typed.size() && typed[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(typed[i], typed[i + 1]);
            ++i;
        } else if (QChar::isSurrogate(c)) {
            continue;  // half a character
        }
        if (!breaksText(c))
            kept.append(c);
    }
    qsizetype first = 0, end = kept.size();
    while (first < end && invisibleAtAnEnd(kept[first]))
        ++first;
    while (end > first && invisibleAtAnEnd(kept[end - 1]))
        --end;
    return QString::fromUcs4(kept.constData() + first, end - first);
}

QString ComparableName(const QString &name)
{
    QList<char32_t> kept;
    kept.reserve(name.size());
    for (const char32_t c : name.toUcs4())
        if (QChar::category(c) != QChar::Other_Format)
            kept.append(c);
    return QString::fromUcs4(kept.constData(), kept.size()).normalized(QString::NormalizationForm_C);
}

bool IsStorableName(QStringView name)
{
    return !name.isEmpty() && name.size() <= kMaxNameLength && name.isValidUtf16();
}

bool IsStorableSquadName(QStringView name)
{
    if (name.size() > kMaxNameLength || !name.isValidUtf16())
        return false;
    return withoutSlashes(name)
        || (!name.contains(kNameSeparator) && !name.contains(kScoreSeparator) && !name.endsWith(u'/'));
}

QString LeagueDefinitionProblem()
{
    if (!validSize(gNumSlots, gGamesToPlay))
        return QStringLiteral("A league has an even number of entries from %1 to %2 and plays each pairing 1 to %3 "
                              "times")
            .arg(kMinSlots)
            .arg(kMaxSlots)
            .arg(kMaxGames);
    if (!typeFitsLeague(gLeagueType))
        return QStringLiteral("The league's type code %1 does not fit the league").arg(gLeagueType);
    if (IsCustomType(gLeagueType)
        && CheckCustomFixtureString(gAltFixtureString, gNumSlots).verdict != FixtureStringCheck::Verdict::Valid)
        return QStringLiteral("The custom fixture list does not fit the league");
    return namesProblem();
}

QString LeagueProblem()
{
    QString problem = LeagueDefinitionProblem();
    if (problem.isEmpty())
        problem = datesProblem();
    if (problem.isEmpty() && gTeamLeague)
        problem = positionsProblem();
    return problem;
}

} // namespace fixtora
