#include "model/tournament.h"

#include "model/league.h"
#include "platform/numbers.h"

#include <cmath>

namespace fixtora {

namespace {

constexpr double kPi = 3.14159265358979;

const QString &noneName()
{
    static const QString none = QStringLiteral("none");
    return none;
}

// The slope of the trapezoid's top edge, taken through the angle in degrees
// and back, as the chart has always computed its insets.
double insetPerX()
{
    const double degrees = std::atan(kChartThird / kLevelExtent) * 180 / kPi;
    return std::tan(degrees * kPi / 180);
}

// X of the column after l of C levels' worth: l / C of the way to 7.9.
double columnX(int l, int levels)
{
    return (l * (100.0 / levels)) / 100 * kLevelExtent;
}

ChartColumn columnAt(double x)
{
    const double inset = x * insetPerX();
    return {x, inset, kSlotExtent - 2 * inset};
}

// The first offset of a name inside its cell, as a fraction of the cell: the
// larger levels tuck it closer to the cell's top.
double anchorDivisor(int halfCount)
{
    switch (halfCount) {
    case 32: return 32;
    case 16: return 8;
    case 8: return 4;
    default: return 2;
    }
}

struct NameStyle {
    int step;        // first escapement step, tenths of a degree
    int pointSize;
    int start;       // starting escapement; 0: the chart window's own value
};

NameStyle nameStyle(int entrants)
{
    switch (entrants) {
    case 4: return {55, 10, 0};
    case 8: return {35, 10, 3440};
    case 16: return {19, 10, 3440};
    case 32: return {10, 8, 3440};
    default: return {6, 6, 3400};
    }
}

// The boundary k (1..count+1) of a level's cells between two columns; 1 is
// the strip's top edge and count+1 its bottom edge.
QLineF levelDivider(const ChartColumn &left, const ChartColumn &right, int count, int k)
{
    return {left.x, left.inset + (k - 1) * left.span / count, right.x, right.inset + (k - 1) * right.span / count};
}

} // namespace

std::optional<int> TypedPlayers(const QString &typed)
{
    const double players = Val(typed);
    if (!(players >= kMinTourEntrants && players <= kMaxTourEntrants) || players != std::floor(players))
        return std::nullopt;
    return static_cast<int>(players);
}

int ChartSize(int players)
{
    int size = kMinTourEntrants;
    while (size < players && size < kMaxTourEntrants)
        size *= 2;
    return size;
}

void SetUpTournament(int players)
{
    if (players < kMinTourEntrants || players > kMaxTourEntrants)
        return;
    gTourEntrants = ChartSize(players);
    for (int slot = players + 1; slot <= 2 * gTourEntrants - 1; ++slot)
        gTourNames[slot] = noneName();
}

bool IsChartSize(int entrants)
{
    return ChartLevels(entrants) > 0;
}

int ChartLevels(int entrants)
{
    switch (entrants) {
    case 4: return 3;
    case 8: return 4;
    case 16: return 5;
    case 32: return 6;
    case 64: return 7;
    default: return 0;
    }
}

int LevelSlotCount(int entrants, int level)
{
    return entrants >> (level - 1);
}

int LevelFirstSlot(int entrants, int level)
{
    int first = 1;
    for (int before = 1; before < level; ++before)
        first += LevelSlotCount(entrants, before);
    return first;
}

QList<ChartColumn> ChartColumns(int entrants)
{
    const int levels = ChartLevels(entrants);
    if (levels == 0)
        return {};
    QList<ChartColumn> columns(levels + 2);
    columns[1] = ChartColumn{};
    for (int j = 2; j <= levels; ++j)
        columns[j] = columnAt(columnX(j - 1, levels));
    columns[levels + 1] = {kLevelExtent, kChartThird, kChartThird};
    return columns;
}

QList<QLineF> ChartLines(int entrants)
{
    const double bottom = kSlotExtent;
    const double centre = kSlotExtent / 2;
    QList<QLineF> lines{
        {0, 0, 0, bottom},
        {kLevelExtent, kChartThird, kLevelExtent, 2 * kChartThird},
        {0, 0, kLevelExtent, kChartThird},
        {0, bottom, kLevelExtent, 2 * kChartThird},
    };
    const QList<ChartColumn> columns = ChartColumns(entrants);
    const int levels = ChartLevels(entrants);
    int divisions = 2;
    for (int j = levels; j >= 2; --j, divisions *= 2) {
        const ChartColumn &c = columns[j];
        lines.append({c.x, c.inset, c.x, bottom - c.inset});
        if (divisions == 2) {
            lines.append({0, centre, c.x, centre});
            continue;
        }
        for (int i = 1; i <= divisions / 2; ++i) {
            const double along = i * (c.span / divisions);
            const double onEdge = i * (bottom / divisions);
            lines.append({c.x, c.inset + along, 0, onEdge});
            lines.append({c.x, bottom - c.inset - along, 0, bottom - onEdge});
        }
    }
    return lines;
}

QList<NameAnchor> NameAnchors(int entrants, int firstEscapement)
{
    const int levels = ChartLevels(entrants);
    if (levels == 0)
        return {};
    const QList<ChartColumn> columns = ChartColumns(entrants);
    const NameStyle style = nameStyle(entrants);
    int escapement = style.start ? style.start : firstEscapement;
    int step = style.step;
    QList<NameAnchor> anchors(2 * entrants);
    for (int level = 1; level <= levels; ++level, step += 30) {
        const ChartColumn &column = columns[level];
        const int count = LevelSlotCount(entrants, level);
        const double cell = column.span / count;
        const double offset = cell / anchorDivisor(count / 2);
        const int first = LevelFirstSlot(entrants, level);
        for (int i = 0; i < count; ++i) {
            escapement += step;
            anchors[first + i] = {QPointF(column.x + 0.1, column.inset + offset + i * cell), escapement,
                                  style.pointSize};
        }
    }
    return anchors;
}

SegmentCrossing SegmentsIntersect(const QLineF &first, const QLineF &second)
{
    const double x1 = first.x1(), y1 = first.y1(), x2 = first.x2(), y2 = first.y2();
    const double x3 = second.x1(), y3 = second.y1(), x4 = second.x2(), y4 = second.y2();
    const double d = (y4 - y3) * (x2 - x1) - (x4 - x3) * (y2 - y1);
    SegmentCrossing crossing;
    if (d == 0)
        return crossing;
    crossing.measured = true;
    crossing.ua = ((x4 - x3) * (y1 - y3) - (y4 - y3) * (x1 - x3)) / d;
    crossing.ub = ((x2 - x1) * (y1 - y3) - (y2 - y1) * (x1 - x3)) / d;
    if (crossing.ua > 0 && crossing.ua < 1 && crossing.ub > 0 && crossing.ub < 1) {
        crossing.hit = true;
        crossing.at = QPointF(x1 + crossing.ua * (x2 - x1), y1 + crossing.ua * (y2 - y1));
    }
    return crossing;
}

// A vertical segment from the click up to the chart's top (Y = 0) crosses
// every boundary of the click's strip that lies above the click; the first
// boundary it does not cross is the one below the click.
ChartHit HitTest(int entrants, const QList<ChartColumn> &columns, QPointF click)
{
    ChartHit result;
    const int levels = ChartLevels(entrants);
    if (levels == 0 || columns.size() < levels + 2)
        return result;
    const QLineF upwards(click, QPointF(click.x(), 0));
    for (int level = 1; level <= levels; ++level) {
        const ChartColumn &left = columns[level];
        const ChartColumn &right = columns[level + 1];
        if (!(left.x <= click.x() && click.x() < right.x))
            continue;
        const int count = LevelSlotCount(entrants, level);
        for (int k = 1; k <= count + 1; ++k) {
            const QLineF divider = levelDivider(left, right, count, k);
            const SegmentCrossing crossing = SegmentsIntersect(upwards, divider);
            if (crossing.measured)
                result.lastMeasured = crossing;
            if (crossing.hit)
                continue;
            // k = 1: not even the strip's top edge lies above the click, which is
            // above the chart.
            if (k > 1) {
                result.slot = LevelFirstSlot(entrants, level) + k - 2;
                result.divider = divider;
            }
            return result;
        }
        return result;  // below the chart
    }
    return result;
}

QString MarkerText(int slot)
{
    return QStringLiteral("found it ") + QString::number(slot);
}

int MarkerEscapement(const QLineF &divider)
{
    const double rise = divider.y2() - divider.y1();
    const double ratio = rise == 0 ? -1 : (divider.x2() - divider.x1()) / rise;
    double e = std::atan(ratio) * 180 / kPi * 10;
    e += e < 0 ? 3600 : -1800;
    return static_cast<int>(RoundHalfEven(e)) - 900;
}

void StoreChartColumns(const QList<ChartColumn> &columns)
{
    for (qsizetype j = 1; j < columns.size() && j < qsizetype(gChartGeometry.size()); ++j) {
        auto &stored = gChartGeometry[j][0];
        stored[0] = columns[j].x;
        stored[1] = columns[j].inset;
        stored[2] = columns[j].span;
    }
}

QList<ChartColumn> StoredChartColumns(int levels)
{
    if (levels < 1 || levels + 1 >= qsizetype(gChartGeometry.size()))
        return {};
    QList<ChartColumn> columns(levels + 2);
    for (int j = 1; j <= levels + 1; ++j) {
        const auto &stored = gChartGeometry[j][0];
        columns[j] = {stored[0], stored[1], stored[2]};
    }
    return columns;
}

} // namespace fixtora
