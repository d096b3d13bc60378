#include "model/league.h"

#include "model/legs.h"
#include "model/settings.h"
#include "platform/appinfo.h"

#include <algorithm>
#include <optional>
#include <tuple>

namespace fixtora {

bool IsTeamType(int typeCode)
{
    return typeCode >= 5;
}

bool IsStandardType(int typeCode)
{
    return typeCode == 1 || typeCode == 13 || typeCode == 23 || typeCode == 25;
}

bool IsCustomType(int typeCode)
{
    return typeCode == 2 || typeCode == 4 || typeCode == 14 || typeCode == 24 || typeCode == 15;
}

std::int16_t TeamTypeCode(int teamScoring, bool custom)
{
    static constexpr std::int16_t standard[] = {13, 23, 25};
    static constexpr std::int16_t customCodes[] = {14, 24, 15};
    if (teamScoring < 1 || teamScoring > 3)
        return kTypeNone;
    return custom ? customCodes[teamScoring - 1] : standard[teamScoring - 1];
}

namespace {

// Every part of the open league that a user can change and a save writes.
auto leagueParts()
{
    return std::tie(gTableName, gGamesToPlay, gStartDate, gSkipDate, gPlayerNames, gNumSlots, gOddCount, gScores,
                    gPenalties, gWeekDates, gRoundsPerCycle, gLeagueType, gFixtureSlots, gFixtureString,
                    gAltFixtureString, gAltFixtures, gTeamLeague, gTeamScoring, gTeamSquads, gPosPlayer, gPosScoreA,
                    gPosScoreB);
}

template <typename... Part>
std::tuple<Part...> valuesOf(std::tuple<Part &...>);

struct KeptLeague {
    decltype(valuesOf(leagueParts())) parts;
    bool homeAwayRule = false;  // the rule its results are stored under
};

std::optional<KeptLeague> &keptLeague()
{
    static std::optional<KeptLeague> kept;
    return kept;
}

void resetLeague()
{
    keptLeague().reset();
    gTableName.clear();
    gGamesToPlay = 0;
    gSkipDate = 0;
    gPlayerNames.fill(QString());
    gOddCount = false;
    gPenalties.fill(0);
    gWeekDates.fill(kZeroDate);
    gRoundsPerCycle = 0;
    gLeagueType = kTypeNone;
    gFixtureSlots.fill(QString());
    gFixtureString.clear();
    gAltFixtureString.clear();
    gAltFixtures = false;
    // Element 0 of the first score parts is left as it was.
    for (qsizetype k = 1; k < gPosScoreA.size(); ++k)
        gPosScoreA[k] = kNotEntered;
}

void resetFlagsAndFiles()
{
    gLeagueChanged = false;
    gFixturesClosed = false;
    gDatesPending = false;
    gTableShown = false;

    gLeagueFile.clear();
    gExtFileName.clear();
    gExtFile.clear();
    gDialogFilter.clear();
    gFileFolder.clear();
    gIniFile.clear();
    gRegValue.clear();
    gWebAddress = QString::fromLatin1(kWebAddress);

    gAddGamesPerMatch = false;
    gShowSplash = QStringLiteral("0");
}

void resetWindowState()
{
    gPageCount = gCurrentPage = 0;
    gEntryWeek = gScoreWeek = 0;
    gSwapMode = 0;
    gPrinting = false;
    gDatesFirst = gDatesLast = 0;
    gDatesEdited = gLastWeek = 0;
    gFreqCount = 0;
    gFreqUnit.clear();
    gEndDate = QDate();
    gRenameIndex = 0;
}

} // namespace

void KeepSavedLeague()
{
    keptLeague() = KeptLeague{leagueParts(), gHomeAwayRule};
}

void RevertToSavedLeague()
{
    const std::optional<KeptLeague> &kept = keptLeague();
    if (!kept)
        return;
    leagueParts() = kept->parts;
    ConvertResultsToRule(kept->homeAwayRule);
    gLeagueChanged = false;
}

int ByeEntry()
{
    const int n = std::clamp(gNumSlots, 0, kMaxSlots);
    return n > 0 && gPlayerNames[n] == kByeName ? n : 0;
}

bool IsByeFixture(int homeEntry)
{
    const int bye = ByeEntry();
    const FixtureSides sides = SidesOfFixture(homeEntry);
    return bye != 0 && (sides.left == bye || sides.right == bye);
}

void SizeScoreLists(int sides, bool perPosition)
{
    sides = std::clamp(sides, 0, kMaxFixtureEntries);
    const int positions = kSquadSize * sides;
    gScores = QList<QString>((perPosition ? positions : sides) + 1);
    std::fill(gScores.begin() + 1, gScores.begin() + 1 + sides, kNotEntered);
    gPosPlayer = QList<QString>(positions + 1);
    gPosScoreB = QList<QString>(positions + 1);
    std::fill(gPosScoreA.begin() + 1, gPosScoreA.begin() + 1 + positions, kNotEntered);
}

void ResetTournament()
{
    gTourNames.fill(QString());
    gTourDates.fill(QDate());
    gTourFile.clear();
    gTourTitle.clear();
    gTourChanged = false;
    gTourEntrants = gTournieColumns = gSelectedSlot = 0;
    gClickX = gClickY = 0;
    gChartEntrants = 0;
    gNameEscapement = 0;
    for (auto &plane : gChartGeometry)
        for (auto &row : plane)
            row.fill(0);
}

void InitialiseGlobals()
{
    resetLeague();
    resetFlagsAndFiles();
    resetWindowState();
    ResetTournament();
}

QString CleanString(const QString &s)
{
    QString result;
    result.reserve(s.size());
    for (QChar c : s) {
        const char16_t u = c.unicode();
        const bool keep = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9')
            || u == u' ' || u == u'.' || u == u'\\' || u == u':' || u == u'/';
        if (keep)
            result += c;
    }
    return result;
}

QString CleanFolderPath(const QString &s)
{
    QString result;
    result.reserve(s.size());
    for (QChar c : s)
        if (c.unicode() >= 0x20 && c.unicode() != 0x7f)
            result += c;
    return result;
}

} // namespace fixtora
