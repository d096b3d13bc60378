#include "model/tournament.h"

#include "model/league.h"
#include "model/leaguerules.h"
#include "model/wizardrules.h"
#include "platform/numbers.h"

#include <algorithm>
#include <array>
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

// ---- Marks, worked out in the picture's pixels, where turns keep their angles.

constexpr double kMarkMargin = 1;  // pixels between a mark and its cell's edges
constexpr int kQuarterPoints = 4;

QPointF centroid(const QList<QPointF> &polygon)
{
    QPointF sum;
    for (const QPointF &corner : polygon)
        sum += corner;
    return polygon.isEmpty() ? sum : sum / polygon.size();
}

// The part of a convex polygon where normal . p >= limit.
QList<QPointF> clipped(const QList<QPointF> &polygon, const QPointF &normal, double limit)
{
    QList<QPointF> kept;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[(i + 1) % polygon.size()];
        const double inA = QPointF::dotProduct(normal, a) - limit;
        const double inB = QPointF::dotProduct(normal, b) - limit;
        if (inA >= 0)
            kept.append(a);
        if ((inA >= 0) != (inB >= 0))
            kept.append(a + (b - a) * (inA / (inA - inB)));
    }
    return kept;
}

// Where the centre of a box may lie for the box to stay inside a convex cell
// (corners clockwise on the screen), clear of every edge by kMarkMargin; the
// box's corners are given from its centre. Empty when nowhere.
QList<QPointF> roomForCentre(const QList<QPointF> &cell, const std::array<QPointF, 4> &corners)
{
    QList<QPointF> room = cell;
    for (qsizetype i = 0; i < cell.size() && !room.isEmpty(); ++i) {
        const QPointF edge = cell[(i + 1) % cell.size()] - cell[i];
        const double length = std::hypot(edge.x(), edge.y());
        if (length == 0)
            continue;
        const QPointF inwards(-edge.y() / length, edge.x() / length);
        double reach = 0;
        for (const QPointF &corner : corners)
            reach = std::min(reach, QPointF::dotProduct(inwards, corner));
        room = clipped(room, inwards, QPointF::dotProduct(inwards, cell[i]) + kMarkMargin - reach);
    }
    return room;
}

// A name of digits only, as an unnamed entrant has.
bool isNumber(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
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

bool IsNoOne(const QString &name)
{
    return name == noneName();
}

QString EntrantNameProblem(const QString &name, const QStringList &names)
{
    switch (CheckNewName(names, name, kMaxTourEntrants)) {
    case NameVerdict::Accepted:
        break;
    case NameVerdict::Blank:
        return QStringLiteral("Please enter a name");
    case NameVerdict::TooLong:
    case NameVerdict::Unstorable:
        return QStringLiteral("A name can have at most %1 characters").arg(kMaxEntrantName);
    case NameVerdict::Full:
        return QStringLiteral("A tournament can have at most %1 players").arg(kMaxTourEntrants);
    case NameVerdict::Duplicate:
        return QStringLiteral("%1 is entered already").arg(name);
    }
    const QString shown = ComparableName(name);
    if (isNumber(shown))
        return QStringLiteral("A name cannot be a number: an entrant left unnamed keeps its number");
    if (IsNoOne(shown.toLower()))
        return QStringLiteral("\"%1\" marks a bye and cannot be a name").arg(name);
    return {};
}

QList<int> ByeSlots(int players)
{
    if (players < kMinTourEntrants || players > kMaxTourEntrants)
        return {};
    const int entrants = ChartSize(players);
    const int pairs = entrants / 2;
    int bits = 0;
    while ((1 << bits) < pairs)
        ++bits;
    // Pairs taken in bit-reversed order alternate between the halves, then
    // between the quarters of each, and so on.
    QList<int> byes;
    for (int i = 0; i < entrants - players; ++i) {
        int pair = 0;
        for (int bit = 0; bit < bits; ++bit)
            if (i & (1 << bit))
                pair |= 1 << (bits - 1 - bit);
        byes.append(2 * pair + 2);
    }
    std::sort(byes.begin(), byes.end());
    return byes;
}

void SetUpTournament(int players, const QStringList &names)
{
    if (players < kMinTourEntrants || players > kMaxTourEntrants)
        return;
    gTourEntrants = ChartSize(players);
    const QList<int> byes = ByeSlots(players);
    int entrant = 0;
    for (int slot = 1; slot <= gTourEntrants; ++slot) {
        if (byes.contains(slot)) {
            gTourNames[slot] = noneName();
            continue;
        }
        gTourNames[slot] = entrant < names.size() ? names[entrant].trimmed() : QString::number(entrant + 1);
        ++entrant;
    }
    for (int slot = gTourEntrants + 1; slot <= 2 * gTourEntrants - 1; ++slot)
        gTourNames[slot] = noneName();
    for (int bye : byes)
        MoveOn(gTourEntrants, PartnerSlot(bye));
    gTourDates.fill(QDate());
    gTourFile.clear();
    gTourChanged = true;
}

int NextSlot(int entrants, int slot)
{
    if (!IsChartSize(entrants) || slot < 1 || slot > 2 * entrants - 2)
        return 0;
    return entrants + (slot + 1) / 2;
}

int PartnerSlot(int slot)
{
    return slot % 2 ? slot + 1 : slot - 1;
}

int SlotLevel(int entrants, int slot)
{
    if (!IsChartSize(entrants) || slot < 1 || slot > 2 * entrants - 1)
        return 0;
    int level = ChartLevels(entrants);
    while (level > 0 && slot < LevelFirstSlot(entrants, level))
        --level;
    return level;
}

int StepFrom(int entrants, int slot, ChartStep step)
{
    const int level = SlotLevel(entrants, slot);
    if (level == 0)
        return 0;
    const int first = LevelFirstSlot(entrants, level);
    const int last = first + LevelSlotCount(entrants, level) - 1;
    switch (step) {
    case ChartStep::Up: return std::max(first, slot - 1);
    case ChartStep::Down: return std::min(last, slot + 1);
    case ChartStep::Back: return level == 1 ? slot : 2 * (slot - entrants) - 1;
    case ChartStep::On: return level == ChartLevels(entrants) ? slot : NextSlot(entrants, slot);
    }
    return slot;
}

QString SlotDescription(int entrants, int slot, const TourSlots &names)
{
    const int level = SlotLevel(entrants, slot);
    if (level == 0)
        return {};
    const QString &name = names[slot];
    const bool empty = IsNoOne(name) || name.isEmpty();
    const QString who = !empty ? name : level == 1 ? QStringLiteral("bye") : QStringLiteral("not decided");
    if (level == ChartLevels(entrants))
        return QStringLiteral("Champion: ") + who;
    if (level == ChartLevels(entrants) - 1)
        return QStringLiteral("Final: ") + who;
    return QStringLiteral("Round %1: %2").arg(level).arg(who);
}

bool CanMoveOn(int entrants, int slot, const TourSlots &names)
{
    const int next = NextSlot(entrants, slot);
    if (next == 0 || IsNoOne(names[slot]) || names[slot].isEmpty())
        return false;
    const QString &partner = names[PartnerSlot(slot)];
    return !IsNoOne(partner) || slot <= entrants;
}

WinnerChange ChangeOfWinner(int entrants, int slot, const TourSlots &names)
{
    WinnerChange change;
    int next = NextSlot(entrants, slot);
    if (!CanMoveOn(entrants, slot, names) || IsNoOne(names[next]) || names[next] == names[slot])
        return change;
    change.replaced = next;
    while ((next = NextSlot(entrants, next)) != 0 && !IsNoOne(names[next]))
        change.cleared.append(next);
    return change;
}

QString ChangeWords(int entrants, const WinnerChange &change, const TourSlots &names)
{
    if (change.replaced == 0)
        return {};
    const int levels = ChartLevels(entrants);
    const auto round = [&](int slot) {
        const int level = SlotLevel(entrants, slot);
        return level == levels       ? QStringLiteral("the champion")
               : level == levels - 1 ? QStringLiteral("the final")
                                     : QStringLiteral("round %1").arg(level);
    };
    const QList<int> cells = QList<int>{change.replaced} + change.cleared;
    QStringList runs;
    for (qsizetype first = 0, last = 0; first < cells.size(); first = ++last) {
        while (last + 1 < cells.size() && names[cells[last + 1]] == names[cells[first]])
            ++last;
        const QString rounds = first == last ? round(cells[first])
                                             : round(cells[first]) + QStringLiteral(" to ") + round(cells[last]);
        runs.append(rounds + QStringLiteral(": ") + names[cells[first]]);
    }
    return runs.join(QStringLiteral("; "));
}

bool MoveOn(int entrants, int slot, TourSlots &names)
{
    if (!CanMoveOn(entrants, slot, names))
        return false;
    const int next = NextSlot(entrants, slot);
    if (names[next] == names[slot])
        return false;
    for (int cleared : ChangeOfWinner(entrants, slot, names).cleared)
        names[cleared] = noneName();
    names[next] = names[slot];
    return true;
}

QString Champion(int entrants, const TourSlots &names)
{
    if (!IsChartSize(entrants))
        return {};
    const QString &final = names[2 * entrants - 1];
    return IsNoOne(final) ? QString() : final;
}

QList<int> PairWinners(int entrants, const TourSlots &names)
{
    QList<int> winners;
    for (int pair = 1; IsChartSize(entrants) && pair < entrants; ++pair) {
        const QString &won = names[entrants + pair];
        const int upper = 2 * pair - 1;
        winners.append(IsNoOne(won) ? 0 : won == names[upper] ? 1 : won == names[upper + 1] ? 2 : 0);
    }
    return winners;
}

std::optional<TourSlots> RebuildTournament(const QStringList &firstRound, const QList<int> &winners)
{
    const int entrants = static_cast<int>(firstRound.size());
    if (!IsChartSize(entrants) || winners.size() != entrants - 1)
        return std::nullopt;
    TourSlots names;
    QStringList seen;
    for (int slot = 1; slot <= entrants; ++slot) {
        const QString &name = firstRound[slot - 1];
        names[slot] = name;
        if (IsNoOne(name)) {
            if (slot % 2 == 0 && IsNoOne(names[slot - 1]))
                return std::nullopt;
            continue;
        }
        // Names are told apart as the file holds them: a file written before
        // names were cleaned as typed opens as it always did.
        const bool storable =
            name == name.trimmed() && IsStorableName(name) && (isNumber(name) || !IsNoOne(name.toLower()));
        if (!storable || seen.contains(name))
            return std::nullopt;
        seen.append(name);
    }
    if (ChartSize(static_cast<int>(seen.size())) != entrants)
        return std::nullopt;
    for (int slot = entrants + 1; slot <= 2 * entrants - 1; ++slot)
        names[slot] = noneName();
    for (int pair = 1; pair < entrants; ++pair) {
        const int won = winners[pair - 1];
        if (won < 0 || won > 2 || (won > 0 && !MoveOn(entrants, 2 * pair - 2 + won, names)))
            return std::nullopt;
        if (won == 0 && pair <= entrants / 2 && (IsNoOne(names[2 * pair - 1]) || IsNoOne(names[2 * pair])))
            return std::nullopt;  // a pair with a bye is decided when the tournament starts
    }
    return names;
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

QList<QPointF> SlotCell(int entrants, int slot)
{
    const int level = SlotLevel(entrants, slot);
    if (level == 0)
        return {};
    const QList<ChartColumn> columns = ChartColumns(entrants);
    const int count = LevelSlotCount(entrants, level);
    const int k = slot - LevelFirstSlot(entrants, level) + 1;
    const QLineF top = levelDivider(columns[level], columns[level + 1], count, k);
    const QLineF bottom = levelDivider(columns[level], columns[level + 1], count, k + 1);
    return QList<QPointF>({top.p1(), top.p2(), bottom.p2(), bottom.p1()});
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
            const SegmentCrossing crossing = SegmentsIntersect(upwards, levelDivider(left, right, count, k));
            if (crossing.measured)
                result.lastMeasured = crossing;
            if (crossing.hit)
                continue;
            // k = 1: not even the strip's top edge lies above the click, which is
            // above the chart.
            if (k > 1)
                result.slot = LevelFirstSlot(entrants, level) + k - 2;
            return result;
        }
        return result;  // below the chart
    }
    return result;
}

MarkPlace PlaceMark(int entrants, int slot, const QSizeF &picture, const TextSizeAt &textSize)
{
    const QList<QPointF> cell = SlotCell(entrants, slot);
    if (cell.isEmpty() || picture.isEmpty())
        return {};
    const double perX = picture.width() / kChartWidth;
    const double perY = picture.height() / kSlotExtent;
    QList<QPointF> onPicture;
    for (const QPointF &corner : cell)
        onPicture.append({corner.x() * perX, corner.y() * perY});

    // Along the cell: from the middle of its left side to the middle of its right.
    const QPointF from = (onPicture[0] + onPicture[3]) / 2;
    const QPointF to = (onPicture[1] + onPicture[2]) / 2;
    const int escapement = static_cast<int>(std::lround(-std::atan2(to.y() - from.y(), to.x() - from.x()) * 1800 / kPi));
    const double turn = -escapement * kPi / 1800;  // clockwise on the screen
    const QPointF along(std::cos(turn), std::sin(turn));
    const QPointF across(-std::sin(turn), std::cos(turn));
    const auto room = [&](const QSizeF &text) {
        const QPointF halfAlong = along * text.width() / 2;
        const QPointF halfAcross = across * text.height() / 2;
        return roomForCentre(onPicture, {-halfAlong - halfAcross, halfAlong - halfAcross, halfAlong + halfAcross,
                                         -halfAlong + halfAcross});
    };
    const auto fits = [&](int quarters) { return !room(textSize(quarters / double(kQuarterPoints))).isEmpty(); };

    int low = static_cast<int>(kMarkMinPointSize * kQuarterPoints);
    int high = static_cast<int>(kMarkMaxPointSize * kQuarterPoints);
    if (fits(low)) {
        while (low < high) {
            const int middle = (low + high + 1) / 2;
            if (fits(middle))
                low = middle;
            else
                high = middle - 1;
        }
    }
    const double points = low / double(kQuarterPoints);
    const QSizeF text = textSize(points);
    const QList<QPointF> free = room(text);
    const QPointF centre = centroid(free.isEmpty() ? onPicture : free);
    const QPointF corner = centre - along * text.width() / 2 - across * text.height() / 2;
    return {QPointF(corner.x() / perX, corner.y() / perY), escapement, points};
}

ChartFit FitChart(const QSizeF &area, const QSizeF &picture)
{
    if (picture.isEmpty())
        return {};
    const double scale =
        std::max(1.0, std::min(area.width() / picture.width(), area.height() / picture.height()));
    return {scale, QPointF(std::max(0.0, (area.width() - picture.width() * scale) / 2),
                           std::max(0.0, (area.height() - picture.height() * scale) / 2))};
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
