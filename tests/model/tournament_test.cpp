#include "model/tournament.h"
#include "model/league.h"

#include <QPolygonF>
#include <QRandomGenerator>
#include <QSet>
#include <gtest/gtest.h>

#include <cmath>

using namespace fixtora;

namespace {

constexpr double kNear = 1e-9;

// Slot names before a tournament is set up, so the test sees what changed.
void markEverySlot()
{
    ResetTournament();
    for (int slot = 0; slot <= kMaxTourNames; ++slot)
        gTourNames[slot] = "untouched";
}

// The slots the set-up marked "none".
QList<int> noneSlots()
{
    QList<int> numbers;
    for (int slot = 0; slot <= kMaxTourNames; ++slot)
        if (gTourNames[slot] == "none")
            numbers.append(slot);
    return numbers;
}

QList<int> range(int first, int last)
{
    QList<int> numbers;
    for (int slot = first; slot <= last; ++slot)
        numbers.append(slot);
    return numbers;
}

// The cells of a chart drawn from the chart's own definition, independently
// of the hit test: cell k of level j is the quadrilateral between column j and
// column j+1, between the k-1-th and the k-th boundary, whose ends divide each
// column's span evenly. Index: slot number.
QList<QPolygonF> cellPolygons(int n)
{
    int levels = 0;
    while ((1 << levels) < n)
        ++levels;
    ++levels;
    auto x = [&](int j) { return j > levels ? 7.9 : (j - 1) * 7.9 / levels; };
    auto inset = [&](int j) { return x(j) * 3.5 / 7.9; };
    auto y = [&](int j, int k, int count) { return inset(j) + k * (10.5 - 2 * inset(j)) / count; };
    QList<QPolygonF> cells(2 * n);
    int slot = 1;
    for (int j = 1; j <= levels; ++j) {
        const int count = n >> (j - 1);
        for (int k = 1; k <= count; ++k, ++slot)
            cells[slot] = QPolygonF({QPointF(x(j), y(j, k - 1, count)), QPointF(x(j + 1), y(j + 1, k - 1, count)),
                                     QPointF(x(j + 1), y(j + 1, k, count)), QPointF(x(j), y(j, k, count))});
    }
    return cells;
}

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double t = std::clamp(QPointF::dotProduct(p - a, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
    const QPointF closest = a + t * ab;
    return std::hypot(p.x() - closest.x(), p.y() - closest.y());
}

// Even-odd ray casting, with points close to an edge reported as such.
enum class Where { Inside, Outside, OnEdge };
Where locate(const QPolygonF &cell, QPointF p)
{
    bool inside = false;
    for (qsizetype i = 0, j = cell.size() - 1; i < cell.size(); j = i++) {
        const QPointF a = cell[i], b = cell[j];
        if (distanceToSegment(p, a, b) < 1e-6)
            return Where::OnEdge;
        if ((a.y() > p.y()) != (b.y() > p.y()) && p.x() < (b.x() - a.x()) * (p.y() - a.y()) / (b.y() - a.y()) + a.x())
            inside = !inside;
    }
    return inside ? Where::Inside : Where::Outside;
}

ChartHit hit(int n, double x, double y)
{
    return HitTest(n, ChartColumns(n), QPointF(x, y));
}

} // namespace

TEST(TourWizardRule, ATypedNumberIsReadAsItsLeadingWholeNumberFrom4To64)
{
    struct Row {
        const char *typed;
        std::optional<int> players;
    };
    const Row rows[] = {
        {"4", 4},     {"5", 5},       {"33", 33}, {"64", 64},  {"16 abc", 16}, {" 12", 12}, {"16.0", 16},
        {"3", {}},    {"65", {}},     {"0", {}},  {"", {}},    {"abc", {}},    {"4.5", {}}, {"63.99", {}},
        {"-8", {}},   {"1e300", {}},  {"x16", {}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(TypedPlayers(row.typed), row.players) << row.typed;
}

TEST(TourWizardRule, PlayersArePaddedWithByesAndEveryLaterSlotStartsEmpty)
{
    struct Row {
        int players;
        int size;
        QList<int> none;
    };
    const Row rows[] = {
        {4, 4, range(5, 7)},
        {5, 8, range(6, 15)},
        {16, 16, range(17, 31)},
        {17, 32, range(18, 63)},
        {33, 64, range(34, 127)},
        {64, 64, range(65, 127)},
    };
    for (const Row &row : rows) {
        markEverySlot();
        SetUpTournament(row.players);
        EXPECT_EQ(gTourEntrants, row.size) << row.players;
        EXPECT_EQ(ChartSize(row.players), row.size) << row.players;
        EXPECT_EQ(noneSlots(), row.none) << row.players;
        EXPECT_EQ(gTourNames[row.players], "untouched") << "the players' own slots are not named here";
        EXPECT_EQ(gTourNames[kMaxTourNames], "untouched");
    }
}

TEST(TourWizardRule, ANumberOutsideTheChartsChangesNothing)
{
    for (int players : {0, 3, 65, 1000}) {
        markEverySlot();
        gTourEntrants = 8;
        SetUpTournament(players);
        EXPECT_EQ(gTourEntrants, 8) << players;
        EXPECT_TRUE(noneSlots().isEmpty()) << players;
    }
}

TEST(TourWizardRule, ResettingTheTournamentLeavesTheLeague)
{
    gTableName = "Tuesday Pool";
    gPlayerNames[3] = "Ann";
    gLeagueFile = "/tmp/club.tbl";
    gFixtureSlots[5] = "02";
    gTourEntrants = 16;
    gTourNames[9] = "none";
    gSelectedSlot = 12;
    gChartGeometry[2][0][1] = 1.5;

    ResetTournament();

    EXPECT_EQ(gTourEntrants, 0);
    EXPECT_TRUE(gTourNames[9].isEmpty());
    EXPECT_EQ(gSelectedSlot, 0);
    EXPECT_EQ(gChartGeometry[2][0][1], 0);
    EXPECT_EQ(gTableName, "Tuesday Pool");
    EXPECT_EQ(gPlayerNames[3], "Ann");
    EXPECT_EQ(gLeagueFile, "/tmp/club.tbl");
    EXPECT_EQ(gFixtureSlots[5], "02");
    InitialiseGlobals();
}

TEST(TourNumbering, LevelsHoldHalfTheSlotsOfTheLevelBefore)
{
    struct Row {
        int n;
        int levels;
        QList<int> firstSlots;
    };
    const Row rows[] = {
        {4, 3, {1, 5, 7}},
        {8, 4, {1, 9, 13, 15}},
        {16, 5, {1, 17, 25, 29, 31}},
        {32, 6, {1, 33, 49, 57, 61, 63}},
        {64, 7, {1, 65, 97, 113, 121, 125, 127}},
        {6, 0, {}},
        {0, 0, {}},
        {128, 0, {}},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(ChartLevels(row.n), row.levels) << row.n;
        EXPECT_EQ(IsChartSize(row.n), row.levels > 0) << row.n;
        QList<int> firsts;
        for (int level = 1; level <= ChartLevels(row.n); ++level)
            firsts.append(LevelFirstSlot(row.n, level));
        EXPECT_EQ(firsts, row.firstSlots) << row.n;
        if (row.levels) {
            EXPECT_EQ(LevelSlotCount(row.n, row.levels), 1) << "the winner's level";
        }
    }
}

TEST(ChartGeometry, FourEntrantsHaveThreeColumnsAndTheRightEdge)
{
    const QList<ChartColumn> columns = ChartColumns(4);
    ASSERT_EQ(columns.size(), 5);
    struct Row {
        int j;
        double x, top, bottom;
    };
    const Row rows[] = {
        {1, 0, 0, 10.5},
        {2, 7.9 / 3, 3.5 / 3, 10.5 - 3.5 / 3},
        {3, 2 * 7.9 / 3, 7.0 / 3, 10.5 - 7.0 / 3},
        {4, 7.9, 3.5, 7},
    };
    for (const Row &row : rows) {
        EXPECT_NEAR(columns[row.j].x, row.x, kNear) << row.j;
        EXPECT_NEAR(columns[row.j].inset, row.top, kNear) << row.j;
        EXPECT_NEAR(columns[row.j].inset + columns[row.j].span, row.bottom, kNear) << row.j;
    }
    EXPECT_NEAR(columns[3].x, 5.266666, 1e-6);
    EXPECT_NEAR(columns[3].inset, 2.333333, 1e-6);
    EXPECT_NEAR(columns[3].inset + columns[3].span, 8.166666, 1e-6);
}

TEST(ChartGeometry, LinesOfTheChart)
{
    struct Row {
        int n;
        int lines;       // outline, columns and dividers
        int levels;
        int leftEdgeEnds;  // distinct points where dividers meet the left edge
    };
    const Row rows[] = {
        {4, 11, 3, 3}, {8, 20, 4, 7}, {16, 37, 5, 15}, {32, 70, 6, 31}, {64, 135, 7, 63},
    };
    for (const Row &row : rows) {
        const QList<QLineF> lines = ChartLines(row.n);
        EXPECT_EQ(lines.size(), row.lines) << row.n;
        EXPECT_EQ(ChartColumns(row.n).size(), row.levels + 2) << row.n;

        QSet<qint64> ends;
        bool centreLine = false;
        for (const QLineF &line : lines.mid(4)) {
            if (line.x2() == 0) {
                const double k = line.y2() / (10.5 / row.n);
                EXPECT_NEAR(k, std::round(k), kNear) << "a divider meets the left edge between slots";
                ends.insert(std::llround(k));
            }
            centreLine = centreLine || (line.y1() == 5.25 && line.y2() == 5.25 && line.x1() == 0);
        }
        EXPECT_EQ(ends.size(), row.leftEdgeEnds) << row.n;
        EXPECT_TRUE(centreLine) << row.n;
    }
    const QList<QLineF> four = ChartLines(4);
    EXPECT_EQ(four[0], QLineF(0, 0, 0, 10.5));
    EXPECT_EQ(four[1], QLineF(7.9, 3.5, 7.9, 7));
    EXPECT_EQ(four[2], QLineF(0, 0, 7.9, 3.5));
    EXPECT_EQ(four[3], QLineF(0, 10.5, 7.9, 7));
    QList<double> leftEdge;
    for (const QLineF &line : four.mid(4))
        if (line.x2() == 0 && line.y2() != 5.25)
            leftEdge.append(line.y2());
    EXPECT_EQ(leftEdge, QList<double>({2.625, 7.875}));
    EXPECT_NEAR(ChartColumns(64)[7].x, 6.0 / 7 * 7.9, kNear);
    EXPECT_EQ(ChartLines(5).size(), 4) << "a size no chart has: the outline only";
}

TEST(ChartGeometry, EveryDividerPassesThroughTheColumnsItCrosses)
{
    for (int n : {4, 8, 16, 32, 64}) {
        const QList<ChartColumn> columns = ChartColumns(n);
        for (const QLineF &line : ChartLines(n).mid(4)) {
            if (line.x2() != 0)
                continue;
            for (int j = 2; j < columns.size() - 1 && columns[j].x < line.x1(); ++j) {
                const double t = columns[j].x / line.x1();
                const double y = line.y2() + t * (line.y1() - line.y2());
                const double cells = (y - columns[j].inset) / columns[j].span * (n >> (j - 1));
                EXPECT_NEAR(cells, std::round(cells), 1e-9) << n << " column " << j;
            }
        }
    }
}

TEST(ChartNames, AnchorsAndEscapementsRunAcrossTheWholeChart)
{
    const QList<NameAnchor> four = NameAnchors(4, 3450);
    ASSERT_EQ(four.size(), 8);
    QList<int> escapements;
    for (int slot = 1; slot <= 7; ++slot)
        escapements.append(four[slot].escapement);
    EXPECT_EQ(escapements, QList<int>({3505, 3560, 3615, 3670, 3755, 3840, 3955}));
    EXPECT_NEAR(four[1].at.x(), 0.1, kNear);
    EXPECT_NEAR(four[1].at.y(), 10.5 / 4 / 2, kNear);
    EXPECT_NEAR(four[4].at.y(), 10.5 / 4 / 2 + 3 * 10.5 / 4, kNear);
    const QList<ChartColumn> columns = ChartColumns(4);
    EXPECT_NEAR(four[6].at.x(), columns[2].x + 0.1, kNear);
    EXPECT_NEAR(four[6].at.y(), columns[2].inset + columns[2].span / 4 + columns[2].span / 2, kNear);
    EXPECT_NEAR(four[7].at.y(), columns[3].inset + columns[3].span / 2, kNear);
    EXPECT_EQ(NameAnchors(4, 100)[1].escapement, 155) << "a chart of 4 starts from the window's value";

    struct Row {
        int n;
        int first;    // escapement of slot 1
        int last;     // escapement of the winner's slot
        int size;
        double firstY;
    };
    const Row rows[] = {
        {8, 3475, 3440 + 8 * 35 + 4 * 65 + 2 * 95 + 125, 10, 10.5 / 8 / 2},
        {16, 3459, 3440 + 16 * 19 + 8 * 49 + 4 * 79 + 2 * 109 + 139, 10, 10.5 / 16 / 4},
        {32, 3450, 3440 + 32 * 10 + 16 * 40 + 8 * 70 + 4 * 100 + 2 * 130 + 160, 8, 10.5 / 32 / 8},
        {64, 3406, 3400 + 64 * 6 + 32 * 36 + 16 * 66 + 8 * 96 + 4 * 126 + 2 * 156 + 186, 6, 10.5 / 64 / 32},
    };
    for (const Row &row : rows) {
        const QList<NameAnchor> anchors = NameAnchors(row.n, 3450);
        ASSERT_EQ(anchors.size(), 2 * row.n) << row.n;
        EXPECT_EQ(anchors[1].escapement, row.first) << row.n;
        EXPECT_EQ(anchors[2 * row.n - 1].escapement, row.last) << row.n;
        EXPECT_EQ(anchors[1].pointSize, row.size) << row.n;
        EXPECT_NEAR(anchors[1].at.y(), row.firstY, kNear) << row.n;
    }
    EXPECT_TRUE(NameAnchors(12, 3450).isEmpty());
}

TEST(ChartClicks, SegmentCrossings)
{
    struct Row {
        QLineF a, b;
        bool hit;
        QPointF at;
    };
    const Row rows[] = {
        {{0, 0, 2, 2}, {0, 2, 2, 0}, true, {1, 1}},
        {{1, 3, 1, 0}, {0, 1, 4, 1}, true, {1, 1}},
        {{0, 0, 2, 2}, {0, 1, 2, 3}, false, {}},      // parallel
        {{1, 1, 1, 1}, {0, 0, 2, 2}, false, {}},      // a single point
        {{1, 2, 1, 0}, {1, 1, 3, 1}, false, {}},      // crossing at an end point
        {{1, 1, 1, 0}, {0, 1, 2, 1}, false, {}},      // starts on the other segment
        {{0, 0, 1, 1}, {3, 0, 2, 1}, false, {}},      // lines cross beyond both
    };
    for (const Row &row : rows) {
        const SegmentCrossing crossing = SegmentsIntersect(row.a, row.b);
        EXPECT_EQ(crossing.hit, row.hit) << row.a.x1() << "," << row.a.y1() << " " << row.b.x1() << "," << row.b.y1();
        if (row.hit) {
            EXPECT_NEAR(crossing.at.x(), row.at.x(), kNear);
            EXPECT_NEAR(crossing.at.y(), row.at.y(), kNear);
            EXPECT_GT(crossing.ua, 0);
            EXPECT_LT(crossing.ub, 1);
        }
    }
}

TEST(ChartClicks, ClicksOnAChartOfFour)
{
    const QList<ChartColumn> c = ChartColumns(4);
    struct Row {
        const char *where;
        double x, y;
        int slot;
    };
    const Row rows[] = {
        {"first cell, near the left edge", 0.05, 1.0, 1},
        {"below the centre line near the left edge", 0.05, 5.3, 3},
        {"last cell of the first round", 1.0, 9.0, 4},
        {"second round, top", 3.0, 4.0, 5},
        {"second round, bottom", 3.0, 6.0, 6},
        {"final, near its column", c[3].x + 0.01, 5.25, 7},
        {"final, near the right edge", 7.89, 3.6, 7},
        {"final, near its lower corner", 7.89, 6.99, 7},
        {"exactly on the centre line: the cell above", 1.0, 5.25, 2},
        {"just above the centre line", 1.0, 5.2499, 2},
        {"just below the centre line", 1.0, 5.2501, 3},
        {"exactly on the first divider at the left edge", 0, 2.625, 0},
        {"at the top of the picture", 1.0, 0, 0},
        {"above the chart", 4.0, 1.0, 0},
        {"above the final", 7.0, 3.0, 0},
        {"below the chart", 4.0, 9.5, 0},
        {"right of the chart", 7.95, 5.25, 0},
        {"left of the chart", -0.01, 5.25, 0},
    };
    for (const Row &row : rows)
        EXPECT_EQ(hit(4, row.x, row.y).slot, row.slot) << row.where;
}

TEST(ChartClicks, TheHitTestAgreesWithThePolygonsOfTheCells)
{
    QRandomGenerator random(20240611);
    for (int n : {4, 8, 16, 32, 64}) {
        const QList<QPolygonF> cells = cellPolygons(n);
        const QList<ChartColumn> columns = ChartColumns(n);
        int checked = 0, outside = 0;
        for (int i = 0; i < 4000; ++i) {
            const QPointF p(random.bounded(8.2) - 0.1, random.bounded(10.5));
            int expected = 0;
            bool nearEdge = false;
            for (int slot = 1; slot < cells.size(); ++slot) {
                const Where where = locate(cells[slot], p);
                nearEdge = nearEdge || where == Where::OnEdge;
                if (where == Where::Inside)
                    expected = slot;
            }
            if (nearEdge)
                continue;
            ++checked;
            outside += expected == 0;
            ASSERT_EQ(HitTest(n, columns, p).slot, expected) << n << " at " << p.x() << "," << p.y();
        }
        EXPECT_GT(checked, 3500) << n;
        EXPECT_GT(outside, 500) << n;
    }
}

TEST(ChartClicks, TheMarkerFollowsTheCellsLowerBoundary)
{
    EXPECT_EQ(MarkerText(7), "found it 7");
    EXPECT_EQ(MarkerText(127), "found it 127");

    struct Row {
        QLineF divider;
        int escapement;
    };
    const Row rows[] = {
        {{0, 5.25, 2, 5.25}, 2250},     // horizontal
        {{0, 0, 1, 1}, -2250},          // falling to the right: 45 - 180 - 90 degrees
        {{0, 1, 1, 0}, 2250},           // rising to the right: -45 + 360 - 90 degrees
        {{0, 0, 0, 1}, -2700},          // straight down
        {{0, 0, std::sqrt(3.0), 1}, -2100},
    };
    for (const Row &row : rows)
        EXPECT_EQ(MarkerEscapement(row.divider), row.escapement) << row.divider.y2();

    const ChartHit final = hit(4, 7.0, 5.0);
    ASSERT_EQ(final.slot, 7);
    EXPECT_EQ(final.divider, QLineF(ChartColumns(4)[3].x, 10.5 - 7.0 / 3, 7.9, 7));
    const double degrees = std::atan((7.9 - 2 * 7.9 / 3) / (7 - (10.5 - 7.0 / 3))) * 180 / 3.14159265358979;
    EXPECT_EQ(MarkerEscapement(final.divider), std::lround(degrees * 10 + 3600) - 900);
    EXPECT_EQ(hit(4, 1.0, 9.0).divider.p1(), QPointF(0, 10.5)) << "the last cell's boundary is the bottom edge";
}

TEST(ChartClicks, TheDrawingStoresTheColumnsTheHitTestReads)
{
    InitialiseGlobals();
    const QList<ChartColumn> columns = ChartColumns(16);
    StoreChartColumns(columns);
    const QList<ChartColumn> stored = StoredChartColumns(5);
    ASSERT_EQ(stored.size(), columns.size());
    for (qsizetype j = 1; j < columns.size(); ++j) {
        EXPECT_EQ(stored[j].x, columns[j].x) << j;
        EXPECT_EQ(stored[j].inset, columns[j].inset) << j;
        EXPECT_EQ(stored[j].span, columns[j].span) << j;
    }
    EXPECT_TRUE(StoredChartColumns(0).isEmpty());
    EXPECT_TRUE(StoredChartColumns(63).isEmpty());
    EXPECT_EQ(HitTest(16, StoredChartColumns(4), QPointF(1, 5)).slot, 0) << "too few columns for the chart";
    InitialiseGlobals();
}
