#include "model/teamscoring.h"

#include "model/league.h"
#include "model/settings.h"
#include "platform/numbers.h"

#include <cmath>
#include <optional>

namespace fixtora {

namespace {


// A box is filled when it holds anything but nothing or "-1".
bool isFilled(const QString &text)
{
    return !text.isEmpty() && text != kNotEntered;
}

// The number a box holds, when all of it (blanks aside) is one.
std::optional<double> numberIn(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A game counts when both boxes hold numbers and neither is -1.
bool countedGame(const QString &home, const QString &away, double &a, double &b)
{
    const auto x = numberIn(home);
    const auto y = numberIn(away);
    if (!x || !y || *x == -1 || *y == -1)
        return false;
    a = *x;
    b = *y;
    return true;
}

void addSums(const TeamSide &side, double &total, bool &played)
{
    for (const QString &box : side) {
        if (!isFilled(box))
            continue;
        played = true;
        if (const auto value = numberIn(box))
            total += *value;
    }
}

} // namespace

QString ScoreText(double value)
{
    return QString::number(value, 'g', 15);
}

TeamPoints PointsFromSettings()
{
    return {Val(gPointsForWin), Val(gPointsForDraw), Val(gPointsForLose)};
}

TeamMatchTotals ScoreTeamMatch(const TeamSide &home, const TeamSide &away, int teamScoring,
                               const TeamPoints &points)
{
    TeamMatchTotals t;
    if (teamScoring == 1 || teamScoring == 3) {
        for (int g = 0; g < kTeamGames; ++g) {
            double a = 0, b = 0;
            if (!countedGame(home[g], away[g], a, b))
                continue;
            t.played = true;
            if (teamScoring == 1) {
                t.homeTotal += a == b ? points.draw : a > b ? points.win : points.lose;
                t.awayTotal += a == b ? points.draw : a > b ? points.lose : points.win;
            } else {
                t.homeGames += a >= b ? 1 : 0;
                t.awayGames += a <= b ? 1 : 0;
            }
        }
    }
    if (teamScoring == 2 || teamScoring == 3) {
        addSums(home, t.homeTotal, t.played);
        addSums(away, t.awayTotal, t.played);
    }
    if (!t.played)
        t = {false, -1, -1, -1, -1};
    return t;
}

TeamMatchResult StoredTeamResult(const TeamMatchTotals &totals, int teamScoring)
{
    if (!totals.played)
        return {kNotEntered, kNotEntered, kNotEntered, kNotEntered};
    if (teamScoring == 3)
        return {ScoreText(totals.homeGames), ScoreText(totals.awayGames), ScoreText(totals.homeTotal),
                ScoreText(totals.awayTotal)};
    return {ScoreText(totals.homeTotal), ScoreText(totals.awayTotal), ScoreText(totals.homeGames),
            ScoreText(totals.awayGames)};
}

} // namespace fixtora
