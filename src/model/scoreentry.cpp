#include "model/scoreentry.h"

#include "model/league.h"
#include "model/legs.h"

#include <algorithm>

namespace fixtora {

namespace {

bool isNotEntered(const QString &text)
{
    return text.isEmpty() || text == kNotEntered;
}

// Puts value in place; the league is changed only when the place held
// something else (empty and "-1" both stand for nothing entered), so a
// window closed with nothing typed changes nothing.
void storeChange(QString &place, const QString &value)
{
    const bool same = place == value || (isNotEntered(place) && isNotEntered(value));
    place = value;
    if (!same)
        gLeagueChanged = true;
}

// A score as the boxes hand it over: one not entered is empty or "-1".
bool isStorableScore(const QString &text)
{
    return text == kNotEntered || ScoreTextProblem(text).isEmpty();
}

int roundCount()
{
    return gNumSlots > 0 ? gGamesToPlay * (gNumSlots - 1) : 0;
}

// The first position of slot entry e's block of 16.
qsizetype blockStart(int e)
{
    return qsizetype(kTeamGames) * (e - 1) + 1;
}

// The match of slot entries s and s + 1 fits every list it is stored in.
bool matchFits(int s)
{
    const qsizetype lastPosition = blockStart(s + 1) + kTeamGames - 1;
    return s >= 1 && s + 1 <= FixtureEntryCount(gNumSlots, gGamesToPlay) && s + 1 < gScores.size()
        && s + 1 < gPosScoreB.size() && lastPosition < gPosPlayer.size() && lastPosition < gPosScoreA.size();
}

TeamSide sideOf(const std::array<QString, kMatchPositions> &scores, int first)
{
    TeamSide side;
    for (int g = 0; g < kTeamGames; ++g)
        side[g] = scores[first + g];
    return side;
}

} // namespace

QString ScoreTextProblem(const QString &text)
{
    const bool digits = std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!digits)
        return QStringLiteral("Invalid value.  A score is typed in digits only: a whole number from 0 to 9999.");
    if (text.size() > kMaxScoreDigits)
        return QStringLiteral("Invalid value.  A score has at most %1 digits (0 to 9999).").arg(kMaxScoreDigits);
    return {};
}

int RoundFirstEntry(int round)
{
    if (round < 1 || round > roundCount() || round > kMaxRounds)
        return 0;
    return (round - 1) * gNumSlots + 1;
}

QList<RoundLine> RoundLines(int round)
{
    QList<RoundLine> lines;
    const int first = RoundFirstEntry(round);
    if (first == 0)
        return lines;
    for (int s = first; s < first + gNumSlots; s += 2) {
        const FixtureSides sides = SidesOfFixture(s);
        lines.append({s, EntryName(sides.left), EntryName(sides.right), gScores.value(s, kNotEntered),
                      gScores.value(s + 1, kNotEntered), IsByeFixture(s)});
    }
    return lines;
}

bool StoreRoundScores(int round, const QStringList &boxes)
{
    const int first = RoundFirstEntry(round);
    if (first == 0 || boxes.size() != gNumSlots || first + gNumSlots - 1 >= gScores.size())
        return false;
    // Box i is played when its fixture is not against the bye.
    auto played = [first](int i) { return !IsByeFixture(first + i - i % 2); };
    for (int i = 0; i < gNumSlots; ++i)
        if (played(i) && !isStorableScore(boxes[i]))
            return false;
    for (int i = 0; i < gNumSlots; ++i)
        if (played(i))
            storeChange(gScores[first + i], boxes[i].isEmpty() ? kNotEntered : boxes[i]);
    return true;
}

std::optional<TeamMatchPlace> TeamMatchOf(int round, int row)
{
    const int first = RoundFirstEntry(round);
    if (first == 0 || row < 1 || row > gNumSlots)
        return std::nullopt;
    const int s = first + (row % 2 == 1 ? row : row - 1) - 1;
    if (!matchFits(s))
        return std::nullopt;
    const FixtureSides sides = SidesOfFixture(s);
    return TeamMatchPlace{s, sides.left, sides.right};
}

TeamSide TeamMatchEntries::LeftScores() const
{
    return sideOf(scores, 0);
}

TeamSide TeamMatchEntries::RightScores() const
{
    return sideOf(scores, kTeamGames);
}

TeamMatchEntries ReadTeamMatch(int homeEntry)
{
    TeamMatchEntries entries;
    entries.scores.fill(kNotEntered);
    if (!matchFits(homeEntry))
        return entries;
    const qsizetype base = blockStart(homeEntry);
    for (int i = 0; i < kMatchPositions; ++i) {
        entries.players[i] = gPosPlayer[base + i];
        entries.scores[i] = gPosScoreA[base + i];
    }
    return entries;
}

bool StoreTeamMatch(int homeEntry, const TeamMatchEntries &entries)
{
    if (homeEntry % 2 == 0 || !matchFits(homeEntry) || IsByeFixture(homeEntry)
        || !std::all_of(entries.scores.begin(), entries.scores.end(), isStorableScore))
        return false;
    const qsizetype base = blockStart(homeEntry);
    for (int i = 0; i < kMatchPositions; ++i) {
        storeChange(gPosPlayer[base + i], entries.players[i]);
        storeChange(gPosScoreA[base + i], entries.scores[i].isEmpty() ? kNotEntered : entries.scores[i]);
    }
    const TeamMatchResult result = StoredTeamResult(
        ScoreTeamMatch(entries.LeftScores(), entries.RightScores(), gTeamScoring, PointsFromSettings()), gTeamScoring);
    storeChange(gScores[homeEntry], result.homeScore);
    storeChange(gScores[homeEntry + 1], result.awayScore);
    storeChange(gPosScoreB[homeEntry], result.homeSecondary);
    storeChange(gPosScoreB[homeEntry + 1], result.awaySecondary);
    return true;
}

} // namespace fixtora
