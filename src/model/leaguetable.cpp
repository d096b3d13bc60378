#include "model/leaguetable.h"

#include "model/fixturelist.h"
#include "model/league.h"
#include "model/legs.h"
#include "model/teamscoring.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace fixtora {

namespace {

// A value kept to the 15 significant digits the table shows; a value that is
// no number (an infinite score less itself) counts 0.
double shown(double value)
{
    if (std::isnan(value) || value == 0)
        return 0;  // also turns -0 into 0
    if (std::isinf(value) || (std::abs(value) < 1e15 && value == std::trunc(value)))
        return value;  // whole numbers are exact already
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return std::strtod(text, nullptr);
}

// The secondary score of a fixture side; "-1" marks one never set.
double secondaryScore(int p)
{
    const double value = Val(gPosScoreB.value(p));
    return value == -1 ? 0 : value;
}

void countResult(TableRow &first, TableRow &second, double s1, double s2, double x1, double x2,
                 const TeamPoints &points)
{
    if (s1 == s2) {
        first.draw += 1;
        second.draw += 1;
        first.points += points.draw;
        second.points += points.draw;
    } else if (s1 > s2) {
        first.wins += 1;
        first.points += points.win;
        second.points += points.lose;
        second.lost += 1;
    } else {
        second.wins += 1;
        second.points += points.win;
        first.points += points.lose;
        first.lost += 1;
    }
    first.pointsPlus += x1;
    first.pointsMinus += x2;
    second.pointsPlus += x2;
    second.pointsMinus += x1;
    first.plus += s1;
    first.minus += s2;
    second.plus += s2;
    second.minus += s1;
}

void keepShownDigits(TableRow &row)
{
    for (double *value : {&row.plus, &row.minus, &row.wins, &row.lost, &row.draw, &row.points,
                          &row.pointsPlus, &row.pointsMinus})
        *value = shown(*value);
}

// How a key orders its column: the larger value on top, or the smaller.
enum class Direction { LargerUp, SmallerUp };

RowOrder order(double upper, double lower, Direction direction)
{
    if (upper == lower)
        return RowOrder::Equal;
    const bool lowerGoesUp = direction == Direction::LargerUp ? lower > upper : lower < upper;
    return lowerGoesUp ? RowOrder::Exchange : RowOrder::Keep;
}

struct SortKey {
    const char *key;     // upper-cased caption
    const char *caption;
    Direction direction;
};

const SortKey kNumberKeys[] = {
    {"POINTS", "Points", Direction::LargerUp},         {"-", "-", Direction::SmallerUp},
    {"+", "+", Direction::LargerUp},                   {"WINS", "Wins", Direction::LargerUp},
    {"LOST", "Lost", Direction::SmallerUp},            {"DRAW", "Draw", Direction::LargerUp},
    {"PLAYED", "Played", Direction::SmallerUp},        {"DIFFERENCE", "Difference", Direction::LargerUp},
    {"POINTS +/-", "Points +/-", Direction::LargerUp}, {"POINTS +", "Points +", Direction::LargerUp},
    {"POINTS -", "Points -", Direction::SmallerUp},
};

} // namespace

QStringList TableCaptions()
{
    return {QStringLiteral("Index"),    QStringLiteral("Name"),       QStringLiteral("Wins"),
            QStringLiteral("Lost"),     QStringLiteral("Draw"),       QStringLiteral("+"),
            QStringLiteral("-"),        QStringLiteral("Points"),     QStringLiteral("Played"),
            QStringLiteral("Difference"), QStringLiteral("Points +/-"), QStringLiteral("Points +"),
            QStringLiteral("Points -")};
}

LeagueTable ComputeLeagueTable()
{
    const int n = std::clamp(gNumSlots, 0, kMaxSlots);
    LeagueTable table;
    for (int i = 1; i <= n; ++i)
        table.append(TableRow{i, gPlayerNames[i]});
    if (n < 2)
        return table;

    BuildFixtureList();
    const int games = std::clamp<int>(gGamesToPlay, 0, kMaxGames);
    const int e = FixtureEntryCount(n, games);
    const TeamPoints points = PointsFromSettings();
    std::array<bool, kMaxSlots + 1> penalised{};
    auto rowOf = [&](int entry) { return entry >= 1 && entry <= n ? &table[entry - 1] : nullptr; };
    auto takePenalty = [&](TableRow *row) {
        if (!row || penalised[row->entry] || gPenalties[row->entry] <= 0)
            return;
        row->plus -= gPenalties[row->entry];
        penalised[row->entry] = true;
    };

    for (int p = 1; p < e; p += 2) {
        const FixtureSides sides = SidesOfFixture(p);
        TableRow *first = rowOf(sides.left);
        TableRow *second = rowOf(sides.right);
        takePenalty(first);
        takePenalty(second);
        const double s1 = Val(gScores.value(p, kNotEntered));
        const double s2 = Val(gScores.value(p + 1, kNotEntered));
        if (s1 == -1 || s2 == -1 || !first || !second || IsByeFixture(p))
            continue;
        countResult(*first, *second, s1, s2, secondaryScore(p), secondaryScore(p + 1), points);
    }
    for (TableRow &row : table)
        keepShownDigits(row);
    if (const int bye = ByeEntry())
        table.removeAt(bye - 1);
    return table;
}

RowOrder compare_rows(const QString &key, const TableRow &upper, const TableRow &lower)
{
    const QString upperKey = key.toUpper();
    if (upperKey == QLatin1String("NAME")) {
        const int c = QString::compare(upper.name, lower.name, Qt::CaseSensitive);
        return c == 0 ? RowOrder::Equal : (c > 0 ? RowOrder::Exchange : RowOrder::Keep);
    }
    for (const SortKey &sortKey : kNumberKeys) {
        if (upperKey != QLatin1String(sortKey.key))
            continue;
        const QString caption = QLatin1String(sortKey.caption);
        return order(*CellNumber(caption, upper, 0), *CellNumber(caption, lower, 0), sortKey.direction);
    }
    return RowOrder::Keep;
}

// Sorting neighbours by exchange with this chain of keys is a stable sort
// by the same chain; a stable sort of at most 32 rows does the same work
// in a fraction of the comparisons.
void sort_table(LeagueTable &table, const std::array<QString, kSortKeys + 1> &sortOrder)
{
    auto above = [&](const TableRow &a, const TableRow &b) {
        // a belongs above b when b, placed above a, would be exchanged with it.
        for (int k = 1; k <= kSortKeys; ++k) {
            if (k > 1 && sortOrder[k].isEmpty())
                return false;
            switch (compare_rows(sortOrder[k], b, a)) {
            case RowOrder::Exchange:
                return true;
            case RowOrder::Keep:
                return false;
            case RowOrder::Equal:
                break;
            }
        }
        return false;
    };
    std::stable_sort(table.begin(), table.end(), above);
}

bool is_valid_column(const QString &caption)
{
    return TableCaptions().contains(caption, Qt::CaseSensitive);
}

double column_width(const QString &caption)
{
    if (caption.isEmpty())
        return 0;
    if (caption.toUpper() == QLatin1String("NAME"))
        return 1.5;
    return std::max(0.12 * caption.size(), 0.4);
}

std::optional<double> CellNumber(const QString &caption, const TableRow &row, int index)
{
    using Value = double (*)(const TableRow &, int);
    static const struct {
        QLatin1String caption;
        Value value;
    } cells[] = {
        {QLatin1String("Index"), [](const TableRow &, int i) { return double(i); }},
        {QLatin1String("Wins"), [](const TableRow &r, int) { return r.wins; }},
        {QLatin1String("Lost"), [](const TableRow &r, int) { return r.lost; }},
        {QLatin1String("Draw"), [](const TableRow &r, int) { return r.draw; }},
        {QLatin1String("+"), [](const TableRow &r, int) { return r.plus; }},
        {QLatin1String("-"), [](const TableRow &r, int) { return r.minus; }},
        {QLatin1String("Points"), [](const TableRow &r, int) { return r.points; }},
        {QLatin1String("Points +"), [](const TableRow &r, int) { return r.pointsPlus; }},
        {QLatin1String("Points -"), [](const TableRow &r, int) { return r.pointsMinus; }},
        {QLatin1String("Played"), [](const TableRow &r, int) { return r.wins + r.lost + r.draw; }},
        {QLatin1String("Difference"), [](const TableRow &r, int) { return r.plus - r.minus; }},
        {QLatin1String("Points +/-"), [](const TableRow &r, int) { return r.pointsPlus - r.pointsMinus; }},
    };
    for (const auto &cell : cells)
        if (caption == cell.caption)
            return shown(cell.value(row, index));
    return std::nullopt;
}

QString ColumnHeading(const QString &caption, const QString &chosen)
{
    return chosen.isEmpty() ? caption : chosen;
}

QString CellText(const QString &caption, const TableRow &row, int index)
{
    if (caption == QLatin1String("Name"))
        return row.name;
    const auto number = CellNumber(caption, row, index);
    return number ? TableNumberText(*number) : QString();
}

QString PrintedCellText(const QString &caption, const TableRow &row, int index)
{
    if (caption == QLatin1String("Name"))
        return row.name;
    const auto number = CellNumber(caption, row, index);
    return number ? PrintedNumberText(*number) : QString();
}

QString TableNumberText(double value)
{
    return QString::number(shown(value), 'g', 15);
}

QString PrintedNumberText(double value)
{
    const QString text = TableNumberText(value) + QLatin1Char(' ');
    return shown(value) < 0 ? text : QLatin1Char(' ') + text;
}

QStringList TableHtmlLines(const LeagueTable &table, const QString &tableName, const TablePlaces &columns,
                           const TablePlaces &headings, const QString &dateText)
{
    auto cell = [](const QString &text) {
        return QStringLiteral("<td><p align=center>") + HtmlEscape(text) + QStringLiteral("</p></td>");
    };
    QStringList lines = HtmlPageStart(tableName);
    lines << QStringLiteral("<p align=center>") + HtmlEscape(tableName) + QStringLiteral("</p>");
    if (!dateText.isEmpty())
        lines << QStringLiteral("<p align=center>") + HtmlEscape(dateText) + QStringLiteral("</p>");
    lines << QStringLiteral("<div align=center><center>") << QStringLiteral("<table border=1 width=80>")
          << QStringLiteral("<tr>");
    for (int c = 1; c <= kTablePlaces; ++c)
        if (!columns[c].isEmpty())
            lines << cell(ColumnHeading(columns[c], headings[c]));
    lines << QStringLiteral("</tr>");
    for (int r = 0; r < table.size(); ++r) {
        lines << QStringLiteral("<tr>");
        for (int c = 1; c <= kTablePlaces; ++c)
            if (!columns[c].isEmpty())
                lines << cell(CellText(columns[c], table[r], r + 1));
        lines << QStringLiteral("</tr>");
    }
    return lines << QStringLiteral("</table>") << QStringLiteral("</center></div>") << HtmlPageEnd();
}

} // namespace fixtora
