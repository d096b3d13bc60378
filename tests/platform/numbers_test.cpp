#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace fixtora;

TEST(Val, ReadsTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(Val("12abc"), 12);
    EXPECT_DOUBLE_EQ(Val("  -3.5 goals"), -3.5);
    EXPECT_DOUBLE_EQ(Val("1 2 3"), 123);
    EXPECT_DOUBLE_EQ(Val("+7"), 7);
    EXPECT_DOUBLE_EQ(Val("1.5e2x"), 150);
    EXPECT_DOUBLE_EQ(Val("2D1"), 20);
    EXPECT_DOUBLE_EQ(Val("4e"), 4);
    EXPECT_DOUBLE_EQ(Val("1.2.3"), 1.2);
}

TEST(Val, TextWithoutANumberReadsZero)
{
    EXPECT_DOUBLE_EQ(Val(""), 0);
    EXPECT_DOUBLE_EQ(Val("abc"), 0);
    EXPECT_DOUBLE_EQ(Val("-"), 0);
    EXPECT_DOUBLE_EQ(Val("."), 0);
    EXPECT_DOUBLE_EQ(Val("e5"), 0);
}

// Never infinite: a number too large or too small for a double is no number
// the program can count with.
TEST(Val, NumbersBeyondADoubleReadZero)
{
    const char *rows[] = {"1e-400", "-1e-400", "1e400", "-1e400", "1e99999999999", "9D400 frames", "+1e-400"};
    for (const char *text : rows) {
        EXPECT_EQ(Val(text), 0) << text;
        EXPECT_FALSE(std::signbit(Val(text))) << text;
    }
    EXPECT_EQ(Val(QString(400, '9')), 0);
    EXPECT_DOUBLE_EQ(Val(QString(300, '9')), 1e300);
    EXPECT_DOUBLE_EQ(Val("1.7e308"), 1.7e308);
    EXPECT_DOUBLE_EQ(Val("2.5e-300"), 2.5e-300);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.6), 3);
    EXPECT_EQ(ValInRange("40000", 0, 32767), 32767);
    EXPECT_EQ(ValInRange("-4", 0, 32767), 0);
    EXPECT_EQ(ValInRange("1e400", 0, 10), 0);   // beyond a double: no number
}
