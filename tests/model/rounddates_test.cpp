#include "model/rounddates.h"

#include "model/league.h"

#include <gtest/gtest.h>

namespace fixtora {
namespace {

TEST(RoundDates, EachRoundOneStepAfterTheOneBefore)
{
    const struct {
        QDate start;
        const char *unit;
        int count;
        int round;
        QDate date;
    } rows[] = {
        {{2026, 1, 6}, "d", 3, 4, {2026, 1, 15}},
        {{2026, 1, 6}, "ww", 2, 3, {2026, 2, 3}},
        {{2024, 1, 31}, "m", 1, 2, {2024, 2, 29}},
        {{2024, 1, 31}, "m", 1, 3, {2024, 3, 29}},  // a shortened day stays shortened
        {{2026, 1, 6}, "x", 5, 3, {2026, 1, 6}},
    };
    for (const auto &row : rows) {
        gStartDate = row.start;
        gFreqUnit = QString::fromLatin1(row.unit);
        gFreqCount = static_cast<std::int16_t>(row.count);
        gWeekDates.fill(kZeroDate);
        DateRounds(row.round);
        EXPECT_EQ(gWeekDates[1], row.start) << row.unit;
        EXPECT_EQ(gWeekDates[row.round], row.date) << row.unit << " round " << row.round;
        EXPECT_EQ(gWeekDates[row.round + 1], kZeroDate) << "later rounds keep their dates";
    }
}

TEST(RoundDates, TheEndDateIsOneStepBackFromTheStepAfterTheLastRound)
{
    gStartDate = QDate(2026, 1, 6);
    gFreqUnit = QStringLiteral("ww");
    gFreqCount = 1;
    EXPECT_EQ(DateRounds(3), QDate(2026, 1, 20));
    gStartDate = QDate(2024, 1, 31);
    gFreqUnit = QStringLiteral("m");
    EXPECT_EQ(DateRounds(1), QDate(2024, 1, 29));  // 29 February back one month
}

} // namespace
} // namespace fixtora
