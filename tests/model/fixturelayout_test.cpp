#include "model/fixturelayout.h"

#include <gtest/gtest.h>

namespace fixtora {
namespace {

TEST(FixtureLayout, RowsPerPageAndPageCounts)
{
    const struct {
        int n, games;
        int rowsPerPage, boxRows, pages;
    } rows[] = {
        {4, 1, 11, 1, 1},  {4, 4, 11, 4, 1},  {6, 1, 8, 2, 1},   {8, 3, 7, 7, 1},   {8, 4, 7, 10, 2},
        {10, 1, 6, 3, 1},  {12, 4, 5, 15, 3}, {14, 1, 4, 5, 2},  {16, 1, 4, 5, 2},  {18, 1, 3, 6, 2},
        {20, 1, 3, 7, 3},  {24, 1, 3, 8, 3},  {26, 1, 2, 9, 5},  {30, 1, 2, 10, 5}, {32, 4, 2, 42, 21},
    };
    for (const auto &row : rows) {
        const int rounds = row.games * (row.n - 1);
        EXPECT_EQ(RowsPerPage(row.n), row.rowsPerPage) << "n " << row.n;
        EXPECT_EQ(BoxesPerPage(row.n), 3 * row.rowsPerPage) << "n " << row.n;
        EXPECT_EQ(BoxRows(rounds), row.boxRows) << "n " << row.n << " games " << row.games;
        EXPECT_EQ(PageCount(row.n, rounds), row.pages) << "n " << row.n << " games " << row.games;
    }
}

TEST(FixtureLayout, PagesStartWhereTheFullPageBeforeEnded)
{
    const struct {
        int n, rounds, page;
        int firstRound, firstEntry, boxes;
    } rows[] = {
        {4, 3, 1, 1, 1, 3},        // one short page
        {12, 44, 1, 1, 1, 15},     // three full pages
        {12, 44, 3, 31, 361, 14},  // the last holds the rest
        {18, 17, 2, 10, 163, 8},   // two boxes in the last row
        {16, 15, 2, 13, 193, 3},
        {16, 15, 3, 25, 385, 0},   // past the end
    };
    for (const auto &row : rows) {
        EXPECT_EQ(FirstRoundOfPage(row.n, row.page), row.firstRound) << "n " << row.n << " page " << row.page;
        EXPECT_EQ(FirstEntryOfPage(row.n, row.page), row.firstEntry) << "n " << row.n << " page " << row.page;
        EXPECT_EQ(BoxesOnPage(row.n, row.rounds, row.page), row.boxes) << "n " << row.n << " page " << row.page;
    }
    // Score button k on page 2 with 4 rows to a page serves round k + 12.
    EXPECT_EQ(RoundOfBox(16, 2, 1), 13);
    EXPECT_EQ(RoundOfBox(16, 2, 3), 15);
}

TEST(FixtureLayout, BoxesStandThreeToARow)
{
    const struct {
        int n, box;
        double x, y;
    } rows[] = {
        {4, 1, 0.4, 1.6},  {4, 2, 2.82, 1.6},  {4, 3, 5.24, 1.6},
        {4, 4, 0.4, 2.49}, // 1.6 + 0.69 + 0.2
        {8, 7, 0.4, 4.3},  // two rows of 1.15 + 0.2 below the first
        {32, 6, 5.24, 5.71},  // 1.6 + 3.91 + 0.2
    };
    for (const auto &row : rows) {
        const QPointF corner = BoxTopLeft(row.n, row.box);
        EXPECT_NEAR(corner.x(), row.x, 1e-9) << "n " << row.n << " box " << row.box;
        EXPECT_NEAR(corner.y(), row.y, 1e-9) << "n " << row.n << " box " << row.box;
    }
    EXPECT_NEAR(BoxHeight(4), 0.69, 1e-12);
    EXPECT_NEAR(FixtureLineTop(1.6, 2), 2.06, 1e-12);
}

TEST(FixtureLayout, EveryPageFitsItsRowsIntoTheRowsHeight)
{
    for (int n = 4; n <= 32; n += 2) {
        const int lastBox = BoxesPerPage(n);
        const double bottom = BoxTopLeft(n, lastBox).y() + BoxHeight(n);
        EXPECT_LE(bottom, kFirstRowTop + kRowsHeight) << "n " << n;
        EXPECT_LE(bottom, kPageHeightUnits) << "n " << n;
    }
}

} // namespace
} // namespace fixtora
