#include "table/tabledrawing.h"

#include "platform/drawtarget.h"
#include "shelltest.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace fixtora {
namespace {

using Kind = RecordingTarget::Kind;
using Item = RecordingTarget::Item;

LeagueTable fourRows(int rows = 4)
{
    LeagueTable table;
    for (int i = 1; i <= rows; ++i) {
        TableRow row;
        row.entry = i;
        row.name = QStringLiteral("Player %1").arg(i);
        row.wins = 4 - i;
        row.lost = i - 1;
        row.points = 3 * (4 - i);
        row.plus = 2 - i;
        table << row;
    }
    return table;
}

TableDrawing drawing(QStringList columns, QStringList headings = {})
{
    TableDrawing d;
    d.title = QStringLiteral("Tuesday Pool");
    for (int c = 0; c < columns.size(); ++c) {
        d.columns[c + 1] = columns[c];
        d.headings[c + 1] = c < headings.size() ? headings[c] : columns[c];
    }
    return d;
}

QList<Item> itemsOf(const RecordingTarget &target, Kind kind)
{
    QList<Item> found;
    for (const Item &item : target.items)
        if (item.kind == kind)
            found << item;
    return found;
}

const Item *textAt(const RecordingTarget &target, const QString &text)
{
    for (const Item &item : target.items)
        if (item.kind == Kind::Text && item.text == text)
            return &item;
    return nullptr;
}

TEST(TableDrawing, ColumnsStandSideBySideWithTheirHeadingsAndCells)
{
    const struct {
        const char *label;
        QStringList columns, headings;
        QList<double> lefts, widths;   // of the drawn columns
        QStringList shown;             // headings as drawn
    } cases[] = {
        {"default", {"Index", "Name", "Wins", "Lost", "Points"}, {},
         {0.7, 1.3, 2.8, 3.28, 3.76}, {0.6, 1.5, 0.48, 0.48, 0.72},
         {"Index", "Name", "Wins", "Lost", "Points"}},
        {"gaps close up", {"", "Name", "", "+"}, {}, {0.7, 2.2}, {1.5, 0.4}, {"Name", "+"}},
        {"renamed heading", {"Wins", "Difference", "Points +/-", "Points"}, {"W", "Diff", "PD", "Pts"},
         {0.7, 1.18, 2.38, 3.58}, {0.48, 1.2, 1.2, 0.72}, {"W", "Diff", "PD", "Pts"}},
    };
    for (const auto &c : cases) {
        RecordingTarget target;
        const ColumnWidths widths = DrawLeagueTable(target, fourRows(), drawing(c.columns, c.headings));
        const QList<Item> boxes = itemsOf(target, Kind::Rectangle);
        ASSERT_EQ(boxes.size(), c.lefts.size()) << c.label;
        double drawnWidth = 0;
        for (double w : widths)
            drawnWidth += w;
        double expectedWidth = 0;
        for (int i = 0; i < boxes.size(); ++i) {
            EXPECT_NEAR(boxes[i].x1, c.lefts[i], 1e-9) << c.label << " column " << i;
            EXPECT_NEAR(boxes[i].x2 - boxes[i].x1, c.widths[i], 1e-9) << c.label << " column " << i;
            EXPECT_NEAR(boxes[i].y1, 1, 1e-9);
            EXPECT_NEAR(boxes[i].y2, 1 + 5 * 0.23, 1e-9) << "a heading band and four rows";
            expectedWidth += c.widths[i];
            const Item *heading = textAt(target, c.shown[i]);
            ASSERT_NE(heading, nullptr) << c.label << " " << c.shown[i].toStdString();
            EXPECT_NEAR(heading->x1, c.lefts[i] + 0.1, 1e-9) << c.label;
            EXPECT_NEAR(heading->y1, 1.03, 1e-9) << c.label;
        }
        EXPECT_NEAR(drawnWidth, expectedWidth, 1e-9) << c.label;
        EXPECT_EQ(itemsOf(target, Kind::Line).size(), 5 * boxes.size()) << c.label;
    }
}

TEST(TableDrawing, EveryRowPrintsItsCellsInTheirColumns)
{
    RecordingTarget target;
    DrawLeagueTable(target, fourRows(), drawing({"Index", "Name", "Nonsense", "+", "Points"}));
    const TextGrid read = LeagueTableText(fourRows(), drawing({"Index", "Name", "Nonsense", "+", "Points"}));
    ExpectReadWhereDrawn(target, read);
    EXPECT_EQ(read.headerColumn, 1) << "a row is headed by its name";
    const struct {
        const char *text;
        double x, y;
    } cells[] = {{" 1 ", 0.8, 1.26},  {"Player 1", 1.4, 1.26}, {" 1 ", 3.86, 1.26}, {" 9 ", 4.26, 1.26},
                 {" 4 ", 0.8, 1.95},  {"Player 4", 1.4, 1.95}, {"-2 ", 3.86, 1.95}, {" 0 ", 4.26, 1.95}};
    const QList<Item> texts = target.TextItems();
    for (const auto &cell : cells) {
        const bool found = std::any_of(texts.begin(), texts.end(), [&](const Item &item) {
            return item.text == cell.text && std::abs(item.x1 - cell.x) < 1e-9 && std::abs(item.y1 - cell.y) < 1e-9;
        });
        EXPECT_TRUE(found) << cell.text << " at " << cell.x << "," << cell.y;
    }
    // The unknown caption keeps its grid and heading, and prints no cells.
    EXPECT_EQ(itemsOf(target, Kind::Rectangle).size(), 5);
    EXPECT_EQ(texts.size(), 1 + 5 + 4 * 4);
    for (const Item &text : texts)
        if (text.text != "Tuesday Pool") {
            EXPECT_EQ(text.fontName, "Arial");
            EXPECT_FALSE(text.bold);
            EXPECT_EQ(text.size, 8);
        }
}

TEST(TableDrawing, TheTitleIsCentredInItsOwnFontAndTheDateIsOptional)
{
    for (const QString &date : {QString(), QStringLiteral("06/01/2026")}) {
        RecordingTarget target({600, 750});
        TableDrawing d = drawing({"Name"});
        d.dateText = date;
        DrawLeagueTable(target, fourRows(), d);
        const Item *title = textAt(target, d.title);
        ASSERT_NE(title, nullptr);
        EXPECT_TRUE(title->bold);
        EXPECT_EQ(title->size, 16);
        target.SetFont("Arial", true, 16);
        EXPECT_NEAR(title->x1 + target.TextWidth(d.title) / 2, 3, 1e-9);
        EXPECT_NEAR(title->y1, 0.35, 1e-9);
        const Item *dateLine = date.isEmpty() ? nullptr : textAt(target, date);
        EXPECT_EQ(target.TextItems().size(), 1 + 1 + 4 + (date.isEmpty() ? 0 : 1));
        if (dateLine) {
            EXPECT_NEAR(dateLine->x1, 4.3, 1e-9);
            EXPECT_NEAR(dateLine->y1, 0.8, 1e-9);
        }
        EXPECT_EQ(target.items.first().kind, Kind::Cls);
        EXPECT_DOUBLE_EQ(target.ScaleWidth(), 6);
        EXPECT_DOUBLE_EQ(target.ScaleHeight(), 7.5);
    }
}

// Every line and rectangle lies inside the scaled picture, and the last text
// drawn (the bottom row's last cell) ends above its bottom edge.
void expectWithinPicture(const RecordingTarget &target, const char *label)
{
    for (const Item &item : target.items) {
        if (item.kind != Kind::Line && item.kind != Kind::Rectangle)
            continue;
        EXPECT_TRUE(std::max(item.x1, item.x2) <= target.ScaleWidth() &&
                    std::max(item.y1, item.y2) <= target.ScaleHeight())
            << label << ": (" << item.x2 << ", " << item.y2 << ") outside " << target.ScaleWidth() << " x "
            << target.ScaleHeight();
    }
    const Item &last = target.TextItems().last();
    EXPECT_LT(last.y1 + target.TextHeight(), target.ScaleHeight() + 1e-9) << label;
}

TEST(TableDrawing, ATableLargerThanThePictureIsDrawnSmallerAndWhole)
{
    const QStringList widest{"Index", "Name", "Difference", "Points +/-", "Points +", "Points -", "Played", "Points"};
    const struct {
        const char *label;
        int rows;
        QStringList columns;
        double scale;  // of the picture's 6 by 7.5 units
    } cases[] = {
        {"default", 4, {"Index", "Name", "Wins", "Lost", "Points"}, 1},
        {"26 rows still fit", 26, {"Index", "Name", "Wins", "Lost", "Points"}, 1},
        {"28 rows", 28, {"Index", "Name", "Wins", "Lost", "Points"}, (1 + 29 * 0.23 + 0.1) / 7.5},
        {"eight wide columns", 4, widest, (0.7 + 7.86 + 0.1) / 6},
        {"32 rows of eight wide columns", 32, widest, (0.7 + 7.86 + 0.1) / 6},
    };
    for (const auto &c : cases) {
        RecordingTarget target({533, 626});
        DrawLeagueTable(target, fourRows(c.rows), drawing(c.columns));
        EXPECT_NEAR(target.ScaleWidth(), 6 * c.scale, 1e-9) << c.label;
        EXPECT_NEAR(target.ScaleHeight(), 7.5 * c.scale, 1e-9) << c.label;
        expectWithinPicture(target, c.label);
        const Item *title = textAt(target, QStringLiteral("Tuesday Pool"));
        ASSERT_NE(title, nullptr);
        target.SetFont("Arial", true, 16);
        EXPECT_NEAR(title->x1 + target.TextWidth(title->text) / 2, target.ScaleWidth() / 2, 1e-9) << c.label;
        EXPECT_EQ(target.TextItems().size(), 1 + c.columns.size() * (c.rows + 1)) << c.label;
    }
}

// Every heading and cell ends before its column's right-hand rule: a grid
// drawn smaller has its text smaller in proportion, and a name still too wide
// is drawn smaller again, on the screen never too small to read, on paper
// whole. Pictures of the table at 800x600 and 1024x768.
TEST(TableDrawing, SixteenCapitalsStayInTheirColumnAndCanBeRead)
{
    const QStringList widest{"Index", "Name", "Difference", "Points +/-", "Points +", "Points -", "Played", "Points"};
    const struct {
        QSize pixels;
        QStringList columns;
        bool printer;
        double size;  // of a number
    } rows[] = {
        {{391, 451}, {"Index", "Name", "Wins", "Lost", "Points"}, false, 8},
        {{533, 626}, widest, false, 8 * 6 / 8.66},
        {{391, 451}, widest, false, 8 * 6 / 8.66},
        {{533, 626}, widest, true, 8 * 6 / 8.66},
    };
    for (const auto &row : rows) {
        LeagueTable table = fourRows(20);
        for (TableRow &entry : table)
            entry.name = QStringLiteral("WOLVERHAMPTON %1%1").arg(QChar('A' + entry.entry));
        RecordingTarget target(row.pixels, row.printer);
        DrawLeagueTable(target, table, drawing(row.columns));
        QList<double> rights;
        for (const Item &box : itemsOf(target, Kind::Rectangle))
            rights << box.x2;
        for (const Item &text : target.TextItems()) {
            if (text.bold || text.y1 < 1 + 0.23)
                continue;  // the title and the headings
            target.SetFont(text.fontName, false, text.size);
            EXPECT_LT(text.x1 + target.TextWidth(text.text), *std::upper_bound(rights.begin(), rights.end(), text.x1));
            const bool name = text.text.startsWith("WOLVERHAMPTON");
            EXPECT_TRUE(name ? text.size >= (row.printer ? 0 : kSmallestScreenTextSize) : std::abs(text.size - row.size) < 1e-9)
                << text.text.toStdString() << " at " << text.size;
            EXPECT_FALSE(row.printer && name && text.text.size() != 16);
        }
    }
}

// A ranking longer than the picture reaches further down; its picture box
// grows with it, so a row keeps its height.
TEST(TableDrawing, TheRankingDrawsItsGridHeadingsAndEveryRow)
{
    const struct {
        int players;
        double bottom, depth;
    } cases[] = {{0, 1.23, 7.5}, {2, 1.69, 7.5}, {26, 7.21, 7.5}, {27, 7.44, 7.54}, {512, 118.99, 119.09}};
    for (const auto &c : cases) {
        PlayerRanking ranking;
        for (int i = 1; i <= c.players; ++i)
            ranking << PlayerStanding{QStringLiteral("T1 P%1").arg(i), 7.5, 2, i, 0, 1, 0};
        EXPECT_NEAR(RankingDepth(c.players), c.depth, 1e-9) << c.players;
        RecordingTarget target({800, int(1000 * c.depth / 7.5)});
        DrawPlayerRanking(target, ranking, "Tuesday Pool", QString(), "Frame");
        EXPECT_DOUBLE_EQ(target.ScaleWidth(), 6);
        EXPECT_NEAR(target.ScaleHeight(), c.depth, 1e-9) << c.players;
        const QList<Item> boxes = itemsOf(target, Kind::Rectangle);
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_NEAR(boxes[0].x1, 1, 1e-9);
        EXPECT_NEAR(boxes[0].x2, 5, 1e-9);
        EXPECT_NEAR(boxes[0].y2, c.bottom, 1e-9);
        EXPECT_EQ(itemsOf(target, Kind::Line).size(), c.players + 1 + 6);
        QStringList expected{"Tuesday Pool", "Pos", "Name", "Wins", "draws", "lost", "Frame", "points"};
        for (int i = 1; i <= c.players; ++i)
            expected << QStringLiteral(" %1 ").arg(i) << QStringLiteral("T1 P%1").arg(i)
                     << QStringLiteral(" %1 ").arg(i) << " 1 " << " 0 " << " 7.5 " << " 0 ";
        EXPECT_EQ(target.Texts(), expected) << c.players << " players";
        ExpectReadWhereDrawn(target, PlayerRankingText(ranking, "Tuesday Pool", QString(), "Frame"));
        const std::string label = std::to_string(c.players) + " players";
        expectWithinPicture(target, label.c_str());
    }
}

} // namespace
} // namespace fixtora
