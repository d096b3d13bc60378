#include "model/tournament.h"
#include "model/league.h"
#include "model/leaguerules.h"
#include "model/tournamentfile.h"

#include <QDir>
#include <QTemporaryDir>

#include <QPolygonF>
#include <QRandomGenerator>
#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace fixtora;

namespace {

constexpr double kNear = 1e-9;

// The cells straight from the chart's definition, independent of the hit
// test: cell k of level j lies between columns j and j+1 and between
// boundaries k-1 and k, which divide each column's span evenly. By slot.
QList<QPolygonF> cellPolygons(int n, int levels)
{
    auto x = [&](int j) { return j > levels ? 7.9 : (j - 1) * 7.9 / levels; };
    auto y = [&](int j, int k, int count) {
        const double inset = x(j) * 3.5 / 7.9;
        return inset + k * (10.5 - 2 * inset) / count;
    };
    QList<QPolygonF> cells(2 * n);
    int slot = 1;
    for (int j = 1; j <= levels; ++j)
        for (int k = 1, count = n >> (j - 1); k <= count; ++k, ++slot)
            cells[slot] = QPolygonF({QPointF(x(j), y(j, k - 1, count)), QPointF(x(j + 1), y(j + 1, k - 1, count)),
                                     QPointF(x(j + 1), y(j + 1, k, count)), QPointF(x(j), y(j, k, count))});
    return cells;
}

// Even-odd ray casting; nullopt for a point too close to an edge to call.
std::optional<bool> inside(const QPolygonF &cell, QPointF p)
{
    bool in = false;
    for (qsizetype i = 0, j = cell.size() - 1; i < cell.size(); j = i++) {
        const QPointF a = cell[i], b = cell[j], ab = b - a;
        const double t = std::clamp(QPointF::dotProduct(p - a, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
        if (QLineF(p, a + t * ab).length() < 1e-6)
            return std::nullopt;
        if ((a.y() > p.y()) != (b.y() > p.y()) && p.x() < ab.x() * (p.y() - a.y()) / ab.y() + a.x())
            in = !in;
    }
    return in;
}

ChartHit hit(int n, double x, double y)
{
    return HitTest(n, ChartColumns(n), QPointF(x, y));
}

QPointF centroidOf(const QPolygonF &polygon)
{
    return (polygon[0] + polygon[1] + polygon[2] + polygon[3]) / 4;
}

// A mark's text, about as wide and high as Arial's "found it 99" on the screen.
QSizeF textSize(double points)
{
    return {6.5 * points, 1.5 * points};
}

QPolygonF onPicture(const QPolygonF &chart, const QSizeF &picture)
{
    QPolygonF pixels;
    for (const QPointF &p : chart)
        pixels.append({p.x() * picture.width() / 8, p.y() * picture.height() / 10.5});
    return pixels;
}

// The corners of a mark's text on the picture, turned about its top-left
// corner: top left, top right, bottom right, bottom left.
QList<QPointF> markCorners(const MarkPlace &mark, const QSizeF &picture, const TextSizeAt &size = textSize)
{
    const QPointF corner(mark.at.x() * picture.width() / 8, mark.at.y() * picture.height() / 10.5);
    const double turn = -mark.escapement / 10.0 * M_PI / 180;
    const QPointF along(std::cos(turn), std::sin(turn)), down(-std::sin(turn), std::cos(turn));
    const QSizeF text = size(mark.pointSize);
    return {corner, corner + along * text.width(), corner + along * text.width() + down * text.height(),
            corner + down * text.height()};
}

// How far a point lies inside a convex polygon (corners clockwise on the
// screen): its distance to the nearest edge, negative outside.
double clearance(const QPolygonF &polygon, QPointF p)
{
    double nearest = std::numeric_limits<double>::max();
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QLineF edge(polygon[i], polygon[(i + 1) % polygon.size()]);
        const QPointF d = edge.p2() - edge.p1();
        nearest = std::min(nearest, (d.x() * (p.y() - edge.y1()) - d.y() * (p.x() - edge.x1())) / edge.length());
    }
    return nearest;
}

} // namespace

TEST(TourWizardRule, TypedNumbersAndTheChartTheyNeed)
{
    struct Row {
        const char *typed;
        std::optional<int> players;
        int size;
    };
    const Row rows[] = {
        {"4", 4, 4},     {"5", 5, 8},       {"33", 33, 64},   {"64", 64, 64}, {"16 abc", 16, 16}, {"16.0", 16, 16},
        {"3", {}, 0},    {"65", {}, 0},     {"0", {}, 0},     {"", {}, 0},    {"abc", {}, 0},     {"4.5", {}, 0},
        {"63.99", {}, 0}, {"-8", {}, 0},    {"1e300", {}, 0},
    };
    for (const Row &row : rows) {
        ASSERT_EQ(TypedPlayers(row.typed), row.players) << row.typed;
        if (!row.players)
            continue;
        gTourNames.fill("untouched");
        SetUpTournament(*row.players);
        EXPECT_EQ(gTourEntrants, row.size) << row.typed;
        EXPECT_EQ(gTourNames[2 * row.size], "untouched") << "nothing beyond the chart";
    }
}

// Every count of players: each bye faces an entrant, who is already in the
// next round; the halves of every part of the chart differ by a bye at most;
// the entrants run from the top, the named first.
TEST(TournamentRule, ByesFaceEntrantsSpreadOverTheChart)
{
    for (int players = 4; players <= 64; ++players) {
        SetUpTournament(players, {"Ann", "Bob"});
        const int n = gTourEntrants;
        const QList<int> byes = ByeSlots(players);
        ASSERT_EQ(byes.size(), n - players) << players;
        QStringList entrants;
        for (int slot = 1; slot <= n; ++slot) {
            if (!byes.contains(slot)) {
                entrants.append(gTourNames[slot]);
                continue;
            }
            EXPECT_TRUE(IsNoOne(gTourNames[slot])) << players;
            EXPECT_FALSE(IsNoOne(gTourNames[PartnerSlot(slot)])) << players << " bye " << slot;
            EXPECT_EQ(gTourNames[NextSlot(n, slot)], gTourNames[PartnerSlot(slot)]) << players;
        }
        EXPECT_EQ(entrants.mid(0, 3), QStringList({"Ann", "Bob", "3"})) << players;
        EXPECT_EQ(entrants.last(), QString::number(players));
        for (int part = n; part >= 4; part /= 2)
            for (int first = 1; first <= n; first += part) {
                const auto inHalf = [&](int from) {
                    return std::count_if(byes.begin(), byes.end(), [&](int b) { return b >= from && b < from + part / 2; });
                };
                EXPECT_LE(std::abs(inHalf(first) - inHalf(first + part / 2)), 1) << players << " part " << first;
            }
    }
    EXPECT_EQ(ByeSlots(5), QList<int>({2, 4, 6}));
}

TEST(TournamentRule, NamesAnEntrantCanBeGiven)
{
    const QStringList entered{"Ann", "Bob", "Zo\u00eb"};
    const std::pair<QString, bool> rows[] = {
        {"Cath", true}, {"  Dee  ", true}, {"Sixteen chars ok", true}, {"", false}, {"   ", false}, {"ann", true},
        {"seventeen chars!!", false}, {"Bob", false}, {"12", false}, {"none", false}, {"None", false}, {"R2D2", true},
        {"\uFEFFBob\t", false}, {"An\u200Bn", false}, {"Zoe\u0308", false}, {"6\u200B4", false},
    };
    for (const auto &[typed, accepted] : rows)
        EXPECT_EQ(EntrantNameProblem(TypedName(typed), entered).isEmpty(), accepted) << typed.toStdString();
    const QStringList full(64, QStringLiteral("P"));
    EXPECT_TRUE(EntrantNameProblem("Cath", full.mid(1)).isEmpty() && !EntrantNameProblem("Cath", full).isEmpty());
}

// Choices in a chart of 5 players (byes at 2, 4, 6): the slots 9..15 after each.
TEST(TournamentRule, WinnersMoveOnAndAChangedWinnerTakesBackAllThatWasDecidedThroughTheOneReplaced)
{
    struct Row {
        const char *what;
        int chosen;
        bool moved;
        QStringList later;  // slots 9..15
        QString undone = {};  // what the choice takes back, asked first
    };
    const QString no = "none";
    const Row rows[] = {
        {"byes moved on at the start", 0, false, {"A", "B", "C", no, no, no, no}},
        {"a bye cannot win", 2, false, {"A", "B", "C", no, no, no, no}},
        {"a pair still open cannot be decided", 11, false, {"A", "B", "C", no, no, no, no}},
        {"D beats E", 7, true, {"A", "B", "C", "D", no, no, no}},
        {"the same choice again", 7, false, {"A", "B", "C", "D", no, no, no}},
        {"A beats B", 9, true, {"A", "B", "C", "D", "A", no, no}},
        {"D beats C", 12, true, {"A", "B", "C", "D", "A", "D", no}},
        {"A is champion", 13, true, {"A", "B", "C", "D", "A", "D", "A"}},
        {"the final's cell moves no one", 15, false, {"A", "B", "C", "D", "A", "D", "A"}},
        {"B after all: A's run is taken back", 10, true, {"A", "B", "C", "D", "B", "D", no},
         "the final to the champion: A"},
        {"E after all: D's run is taken back", 8, true, {"A", "B", "C", "E", "B", no, no}, "round 2 to the final: D"},
        {"C beats E", 11, true, {"A", "B", "C", "E", "B", "C", no}},
        {"B is champion", 13, true, {"A", "B", "C", "E", "B", "C", "B"}},
        {"D after all: C's win over E and what followed go too", 7, true, {"A", "B", "C", "D", "B", no, no},
         "round 2: E; the final: C; the champion: B"},
    };
    SetUpTournament(5, {"A", "B", "C", "D", "E"});
    for (const Row &row : rows) {
        EXPECT_EQ(ChangeWords(8, ChangeOfWinner(8, row.chosen)), row.undone) << row.what;
        EXPECT_EQ(MoveOn(8, row.chosen), row.moved) << row.what;
        QStringList later;
        for (int slot = 9; slot <= 15; ++slot)
            later.append(gTourNames[slot]);
        EXPECT_EQ(later, row.later) << row.what;
        EXPECT_EQ(Champion(8), IsNoOne(row.later.last()) ? QString() : row.later.last()) << row.what;
        const std::optional<TourSlots> rebuilt = RebuildTournament(
            QStringList(gTourNames.begin() + 1, gTourNames.begin() + 9), PairWinners(8));
        ASSERT_TRUE(rebuilt) << row.what;
        EXPECT_TRUE(std::equal(rebuilt->begin() + 1, rebuilt->begin() + 16, gTourNames.begin() + 1)) << row.what;
    }
}

// Saved over an older tournament, opened again: the same tournament, saved;
// nothing is left beside the file.
TEST(TournamentFile, ASavedTournamentOpensAsItWas)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("cup.tr");
    SetUpTournament(4);
    ASSERT_TRUE(SaveTournament(file).ok);
    QStringList names;
    for (int i = 1; i <= 13; ++i)
        names.append(QString("Player %1").arg(i));
    SetUpTournament(16, names);
    gTourTitle = "Winter Cup";
    gTourDates[2] = QDate(2026, 12, 12);
    for (int slot : {1, 4, 5, 17, 20})
        MoveOn(16, slot);
    const TourSlots before = gTourNames;
    ASSERT_TRUE(SaveTournament(file).ok);
    EXPECT_FALSE(gTourChanged);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"cup.tr"});

    ResetTournament();
    ASSERT_TRUE(LoadTournament(file).ok);
    EXPECT_EQ(gTourEntrants, 16);
    EXPECT_EQ(gTourTitle, "Winter Cup");
    EXPECT_TRUE(std::equal(before.begin() + 1, before.begin() + 32, gTourNames.begin() + 1));
    EXPECT_EQ(gTourNames[25], "Player 1");
    EXPECT_EQ(gTourDates[2], QDate(2026, 12, 12));
    EXPECT_FALSE(gTourDates[1].isValid());
    EXPECT_EQ(gTourFile, file);
    EXPECT_FALSE(gTourChanged);

    QDir(dir.path()).mkdir("folder.tr");
    EXPECT_FALSE(SaveTournament(dir.filePath("folder.tr")).ok);
    EXPECT_EQ(gTourFile, file);
}

TEST(TournamentRule, TheKeyboardsStepsAndWhatACellSays)
{
    struct Row {
        int slot;
        ChartStep step;
        int reached;
    };
    const Row rows[] = {
        {1, ChartStep::Up, 1},    {1, ChartStep::Down, 2},  {8, ChartStep::Down, 8},  {9, ChartStep::Up, 9},
        {3, ChartStep::Back, 3},  {3, ChartStep::On, 10},   {10, ChartStep::Back, 3}, {14, ChartStep::On, 15},
        {15, ChartStep::On, 15},  {15, ChartStep::Back, 13}, {12, ChartStep::Down, 12}, {16, ChartStep::Up, 0},
    };
    for (const Row &row : rows)
        EXPECT_EQ(StepFrom(8, row.slot, row.step), row.reached) << row.slot;

    SetUpTournament(5, {"Ann"});
    EXPECT_TRUE(SlotDescription(8, 1).contains("Ann"));
    EXPECT_TRUE(SlotDescription(8, 9).contains("Ann"));
    const QSet<QString> said{SlotDescription(8, 1), SlotDescription(8, 2), SlotDescription(8, 9),
                             SlotDescription(8, 12), SlotDescription(8, 13), SlotDescription(8, 15)};
    EXPECT_EQ(said.size(), 6) << "rounds, byes, open slots, the final and the champion each say what they are";
}

TEST(TournamentRule, WhatASaveHoldsMustMakeATournament)
{
    const QString no = "none";
    struct Row {
        const char *what;
        QStringList firstRound;
        QList<int> winners;
    };
    const Row rows[] = {
        {"a size no chart has", {"A", "B", "C", "D", "E", "F"}, {0, 0, 0, 0, 0}},
        {"winners missing", {"A", "B", "C", "D"}, {0, 0}},
        {"two byes in a pair", {"A", no, no, no, "B", "C", "D", "E"}, {1, 0, 0, 0, 0, 0, 0}},
        {"too many byes", {"A", no, "B", no, "C", no, "D", no}, {1, 1, 1, 1, 0, 0, 0}},
        {"a name twice", {"A", "B", "C", "A"}, {0, 0, 0}},
        {"a long name", {"A", "B", "C", QString(17, 'x')}, {0, 0, 0}},
        {"a bye wins", {"A", no, "B", "C", "D", "E", "F", "G"}, {2, 0, 0, 0, 0, 0, 0}},
        {"a bye's pair undecided", {"A", no, "B", "C", "D", "E", "F", "G"}, {0, 0, 0, 0, 0, 0, 0}},
        {"a winner of an open pair", {"A", "B", "C", "D"}, {1, 0, 1}},
        {"a winner out of range", {"A", "B", "C", "D"}, {3, 0, 0}},
    };
    for (const Row &row : rows)
        EXPECT_FALSE(RebuildTournament(row.firstRound, row.winners)) << row.what;
}

TEST(ChartGeometry, TheColumnsOfAChartOfFour)
{
    const QList<ChartColumn> columns = ChartColumns(4);
    ASSERT_EQ(columns.size(), 5);
    const double rows[][3] = {{0, 0, 10.5}, {2.633333, 1.166666, 9.333333}, {5.266666, 2.333333, 8.166666},
                              {7.9, 3.5, 7}};
    for (int j = 1; j <= 4; ++j) {
        EXPECT_NEAR(columns[j].x, rows[j - 1][0], 1e-6) << j;
        EXPECT_NEAR(columns[j].inset, rows[j - 1][1], 1e-6) << j;
        EXPECT_NEAR(columns[j].inset + columns[j].span, rows[j - 1][2], 1e-6) << j;
    }
    EXPECT_NEAR(ChartColumns(64)[7].x, 6.0 / 7 * 7.9, kNear);
}

// Dividers run from a column to the left edge, meet it between slots, and
// cross every column on their way at a cell boundary of that column's level.
TEST(ChartGeometry, TheLinesOfEveryChart)
{
    const QList<QLineF> four = ChartLines(4);
    EXPECT_EQ(four.mid(0, 4), QList<QLineF>({{0, 0, 0, 10.5}, {7.9, 3.5, 7.9, 7}, {0, 0, 7.9, 3.5}, {0, 10.5, 7.9, 7}}));
    QList<double> leftEdge;
    for (const QLineF &line : four.mid(4))
        if (line.x2() == 0)
            leftEdge.append(line.y2());
    EXPECT_EQ(leftEdge, QList<double>({2.625, 7.875, 5.25, 5.25}));
    EXPECT_EQ(ChartLines(5).size(), 4) << "a size no chart has: the outline only";

    for (int n : {4, 8, 16, 32, 64}) {
        const QList<ChartColumn> columns = ChartColumns(n);
        QSet<qint64> ends;
        bool centreLine = false;
        for (const QLineF &line : ChartLines(n).mid(4)) {
            centreLine = centreLine || line == QLineF(0, 5.25, line.x2(), 5.25);
            if (line.x2() != 0)
                continue;
            const double k = line.y2() / (10.5 / n);
            EXPECT_NEAR(k, std::round(k), kNear) << n;
            ends.insert(std::llround(k));
            for (int j = 2; columns[j].x < line.x1() - kNear; ++j) {
                const double y = line.y2() + columns[j].x / line.x1() * (line.y1() - line.y2());
                const double cells = (y - columns[j].inset) / columns[j].span * (n >> (j - 1));
                EXPECT_NEAR(cells, std::round(cells), kNear) << n << " column " << j;
            }
        }
        EXPECT_EQ(ends.size(), n - 1) << n;
        EXPECT_TRUE(centreLine) << n;
    }
}

TEST(ChartNames, AnchorsAndEscapementsRunAcrossTheWholeChart)
{
    const QList<NameAnchor> four = NameAnchors(4, 3450);
    QList<int> escapements;
    for (int slot = 1; slot <= 7; ++slot)
        escapements.append(four[slot].escapement);
    EXPECT_EQ(escapements, QList<int>({3505, 3560, 3615, 3670, 3755, 3840, 3955}));
    const QList<ChartColumn> c = ChartColumns(4);
    EXPECT_EQ(four[4].at, QPointF(0.1, 10.5 / 8 + 3 * 10.5 / 4));
    EXPECT_NEAR(four[6].at.x(), c[2].x + 0.1, kNear);
    EXPECT_NEAR(four[6].at.y(), c[2].inset + c[2].span * 3 / 4, kNear);
    EXPECT_NEAR(four[7].at.y(), c[3].inset + c[3].span / 2, kNear);
    EXPECT_EQ(NameAnchors(4, 100)[1].escapement, 155) << "a chart of 4 starts from the window's value";

    struct Row {
        int n, first, last, size;
        double firstY;
    };
    const Row rows[] = {
        {8, 3475, 3440 + 8 * 35 + 4 * 65 + 2 * 95 + 125, 10, 10.5 / 8 / 2},
        {64, 3406, 3400 + 64 * 6 + 32 * 36 + 16 * 66 + 8 * 96 + 4 * 126 + 2 * 156 + 186, 6, 10.5 / 64 / 32},
    };
    for (const Row &row : rows) {
        const QList<NameAnchor> anchors = NameAnchors(row.n, 3450);
        EXPECT_EQ(anchors[1].escapement, row.first) << row.n;
        EXPECT_EQ(anchors.last().escapement, row.last) << row.n;
        EXPECT_EQ(anchors[1].pointSize, row.size) << row.n;
        EXPECT_NEAR(anchors[1].at.y(), row.firstY, kNear) << row.n;
    }
}

TEST(ChartClicks, SegmentCrossings)
{
    struct Row {
        QLineF a, b;
        bool hit;
        QPointF at;
        bool measured;
        double ua, ub;
    };
    const Row rows[] = {
        {{0, 0, 2, 2}, {0, 2, 2, 0}, true, {1, 1}, true, 0.5, 0.5},
        {{1, 3, 1, 0}, {0, 1, 4, 1}, true, {1, 1}, true, 2.0 / 3, 0.25},
        {{0, 0, 2, 2}, {0, 1, 2, 3}, false, {}, false, 0, 0},  // parallel
        {{1, 1, 1, 1}, {0, 0, 2, 2}, false, {}, false, 0, 0},  // a single point
        {{1, 2, 1, 0}, {1, 1, 3, 1}, false, {}, true, 0.5, 0},  // at an end point of one
        {{1, 1, 1, 0}, {0, 1, 2, 1}, false, {}, true, 0, 0.5},  // at an end point of the other
        {{0, 0, 1, 1}, {3, 0, 2, 1}, false, {}, true, 1.5, 1.5},  // the lines cross beyond both
    };
    for (const Row &row : rows) {
        const SegmentCrossing crossing = SegmentsIntersect(row.a, row.b);
        EXPECT_EQ(crossing.hit, row.hit) << row.a.y1() << " " << row.b.x1();
        EXPECT_EQ(crossing.at, row.at);
        EXPECT_EQ(crossing.measured, row.measured);
        EXPECT_NEAR(crossing.ua, row.ua, kNear);
        EXPECT_NEAR(crossing.ub, row.ub, kNear);
    }
}

TEST(ChartClicks, ClicksOnAChartOfFour)
{
    struct Row {
        const char *where;
        double x, y;
        int slot;
    };
    const Row rows[] = {
        {"first cell, near the left edge", 0.05, 1.0, 1},
        {"below the centre line, near the left edge", 0.05, 5.3, 3},
        {"last cell of the first round", 1.0, 9.0, 4},
        {"second round", 3.0, 6.0, 6},
        {"final, near its column", 5.27, 5.25, 7},
        {"final, near the right edge's corners", 7.89, 3.6, 7},
        {"exactly on the centre line: the cell above", 1.0, 5.25, 2},
        {"just below the centre line", 1.0, 5.2501, 3},
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
    const int sizes[][2] = {{4, 3}, {8, 4}, {16, 5}, {32, 6}, {64, 7}};
    for (const auto &[n, levels] : sizes) {
        const QList<QPolygonF> cells = cellPolygons(n, levels);
        int checked = 0, outside = 0;
        for (int i = 0; i < 4000; ++i) {
            const QPointF p(random.bounded(8.2) - 0.1, random.bounded(10.5));
            int expected = 0;
            bool clear = true;
            for (int slot = 1; slot < cells.size() && clear; ++slot) {
                const std::optional<bool> in = inside(cells[slot], p);
                clear = in.has_value();
                expected = in.value_or(false) ? slot : expected;
            }
            if (!clear)
                continue;
            ++checked;
            outside += expected == 0;
            ASSERT_EQ(hit(n, p.x(), p.y()).slot, expected) << n << " at " << p.x() << "," << p.y();
        }
        EXPECT_GT(checked, 3500) << n;
        EXPECT_GT(outside, 500) << n;
    }
}

// The cells as the chart's definition has them, checked against the model's.
TEST(ChartCells, EachSlotsCellIsTheOneItsClicksSelect)
{
    for (int n : {4, 16, 64}) {
        const QList<QPolygonF> cells = cellPolygons(n, ChartLevels(n));
        for (int slot = 1; slot < 2 * n; ++slot) {
            const QPolygonF cell = SlotCell(n, slot);
            ASSERT_EQ(cell.size(), 4) << n << " slot " << slot;
            for (int corner = 0; corner < 4; ++corner) {
                EXPECT_NEAR(cell[corner].x(), cells[slot][corner].x(), kNear) << n << " slot " << slot;
                EXPECT_NEAR(cell[corner].y(), cells[slot][corner].y(), kNear) << n << " slot " << slot;
            }
            EXPECT_EQ(hit(n, centroidOf(cell).x(), centroidOf(cell).y()).slot, slot) << n;
        }
    }
    for (const auto &[n, slot] : {std::pair{4, 0}, {4, 8}, {5, 1}, {64, 128}})
        EXPECT_TRUE(SlotCell(n, slot).isEmpty()) << n << " slot " << slot;
}

TEST(ChartMarks, AMarkReadsLeftToRightWhollyInsideItsCell)
{
    struct Row {
        int n, slot;
        QSizeF picture;
        double smallest, largest;  // point size
        int turn;                  // -1 falling to the right, 0 level, 1 rising
    };
    const QSizeF own(622, 454), twice(1244, 908);
    const Row rows[] = {
        {4, 1, own, 8.25, 8.25, -1},       {4, 4, own, 8.25, 8.25, 1},
        {4, 6, own, 8.25, 8.25, 1},        {4, 7, own, 8.25, 8.25, 0},
        {16, 1, own, 5, 8.25, -1},         {16, 8, own, 5, 8.25, -1},
        {16, 9, own, 5, 8.25, 1},          {16, 24, own, 5, 8.25, 1},
        {16, 29, own, 8.25, 8.25, -1},     {16, 31, own, 8.25, 8.25, 0},
        {64, 1, own, 2.5, 4.5, -1},        {64, 1, twice, 5, 8.25, -1},
        {64, 33, own, 2.5, 4.5, 1},        {64, 64, own, 2.5, 4.5, 1},
        {64, 96, own, 4, 8.25, 1},         {64, 120, own, 5, 8.25, 1},
        {64, 127, own, 8.25, 8.25, 0},
    };
    for (const Row &row : rows) {
        const MarkPlace mark = PlaceMark(row.n, row.slot, row.picture, textSize);
        const QString where = QStringLiteral("%1 slot %2 on %3").arg(row.n).arg(row.slot).arg(row.picture.width());
        EXPECT_GE(mark.pointSize, row.smallest) << where.toStdString();
        EXPECT_LE(mark.pointSize, row.largest) << where.toStdString();
        EXPECT_EQ(std::fmod(mark.pointSize * 4, 1.0), 0) << "quarter points";
        EXPECT_LT(std::abs(mark.escapement), 300) << where.toStdString();
        EXPECT_EQ((mark.escapement > 0) - (mark.escapement < 0), row.turn) << where.toStdString();
        const QPolygonF cell = onPicture(SlotCell(row.n, row.slot), row.picture);
        for (const QPointF &corner : markCorners(mark, row.picture))
            EXPECT_GE(clearance(cell, corner), 1 - kNear) << where.toStdString();
    }
}

TEST(ChartMarks, AMarkTooLargeForItsCellIsCentredAtTheSmallestSize)
{
    const TextSizeAt huge = [](double points) { return QSizeF(100 * points, 30 * points); };
    const MarkPlace mark = PlaceMark(64, 1, {622, 454}, huge);
    EXPECT_EQ(mark.pointSize, kMarkMinPointSize);
    const QPolygonF cell = onPicture(SlotCell(64, 1), {622, 454});
    const QList<QPointF> corners = markCorners(mark, {622, 454}, huge);
    EXPECT_NEAR(((corners[0] + corners[2]) / 2 - centroidOf(cell)).manhattanLength(), 0, 1e-6);
    for (const auto &[n, slot] : {std::pair{4, 0}, {4, 8}, {5, 1}})
        EXPECT_EQ(PlaceMark(n, slot, {622, 454}, textSize).pointSize, 0) << n << " slot " << slot;
}

TEST(ChartOnScreen, TheChartFillsItsAreaWithItsProportions)
{
    struct Row {
        QSizeF area;
        double scale;
        QPointF offset;
    };
    const QSizeF own(622, 454);
    const Row rows[] = {
        {own, 1, {0, 0}},
        {{1244, 908}, 2, {0, 0}},
        {{1555, 908}, 2, {155.5, 0}},   // wide: as high as the area, centred across
        {{933, 1000}, 1.5, {0, 159.5}},  // tall: as wide as the area, centred down
        {{500, 300}, 1, {0, 0}},         // small: its own size, from the corner
        {{700, 300}, 1, {39, 0}},
    };
    for (const Row &row : rows) {
        const ChartFit fit = FitChart(row.area, own);
        EXPECT_DOUBLE_EQ(fit.scale, row.scale) << row.area.width() << "x" << row.area.height();
        EXPECT_EQ(fit.offset, row.offset) << row.area.width() << "x" << row.area.height();
    }
}
