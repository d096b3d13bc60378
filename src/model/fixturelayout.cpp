#include "model/fixturelayout.h"

#include <algorithm>
#include <cmath>

namespace fixtora {

int FixturesPerRound(int n)
{
    return n / 2;
}

double BoxHeight(int n)
{
    return kLineHeight * (FixturesPerRound(n) + 1);
}

int BoxRows(int rounds)
{
    return rounds <= 0 ? 0 : (rounds + kBoxesPerRow - 1) / kBoxesPerRow;
}

int RowsPerPage(int n)
{
    const double rowHeight = kLineHeight * (FixturesPerRound(n) + 1) + kBoxGap;
    return std::max(1, static_cast<int>(std::floor(kRowsHeight / rowHeight)));
}

int BoxesPerPage(int n)
{
    return kBoxesPerRow * RowsPerPage(n);
}

int PageCount(int n, int rounds)
{
    const int rows = RowsPerPage(n);
    return std::max(1, (BoxRows(rounds) + rows - 1) / rows);
}

int FirstRoundOfPage(int n, int page)
{
    return (page - 1) * BoxesPerPage(n) + 1;
}

int FirstEntryOfPage(int n, int page)
{
    return (FirstRoundOfPage(n, page) - 1) * n + 1;
}

int RoundOfBox(int n, int page, int box)
{
    return FirstRoundOfPage(n, page) + box - 1;
}

int BoxesOnPage(int n, int rounds, int page)
{
    const int first = FirstRoundOfPage(n, page);
    return std::clamp(rounds - first + 1, 0, BoxesPerPage(n));
}

QPointF BoxTopLeft(int n, int box)
{
    const int row = (box - 1) / kBoxesPerRow;
    const int place = (box - 1) % kBoxesPerRow;
    return {kLeftMargin + place * kBoxStep, kFirstRowTop + row * (BoxHeight(n) + kBoxGap)};
}

double FixtureLineTop(double boxTop, int line)
{
    return boxTop + kLineHeight * line;
}

} // namespace fixtora
