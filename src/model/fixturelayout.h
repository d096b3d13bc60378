#pragma once
// The layout of the fixtures pages, in page units: the page runs from (0, 0)
// at the top left to (8, 11.69) at the bottom right, y growing downwards, on
// the screen and on paper alike. Rounds stand in boxes, three to a row of
// boxes; a box is a header line (round word and number, date) followed by one
// line per fixture: left name, left score, right score, right name. A page
// holds as many rows as fit into 10 units; every page but the last is full.
//
// n is the number of entries (even, 4..32) and rounds the number of rounds of
// the league; box numbers count from 1 in drawing order on each page.

#include <QPointF>

namespace fixtora {

inline constexpr double kPageWidthUnits = 8;
inline constexpr double kPageHeightUnits = 11.69;
inline constexpr double kRowsHeight = 10;        // height shared among the rows of boxes
inline constexpr double kBoxGap = 0.2;           // between two rows of boxes
inline constexpr double kBoxWidth = 2.2;
inline constexpr double kLineHeight = 0.23;      // each line of a box
inline constexpr double kBoxStep = kBoxWidth + 0.22;
inline constexpr double kLeftMargin = 0.4;
inline constexpr double kFirstRowTop = 1.6;
inline constexpr double kTitleTop = 0.5;
inline constexpr int kBoxesPerRow = 3;

// Columns of a box, from its left edge.
inline constexpr double kLeftNameX = 0.1;
inline constexpr double kLeftScoreX = 0.97;
inline constexpr double kRightScoreX = 1.17;
inline constexpr double kRightNameX = 1.35;
inline constexpr double kScoreRules[] = {0.9, 1.1, 1.3};
inline constexpr double kHeaderX = 0.1;
inline constexpr double kDateX = 1.45;
inline constexpr double kHeaderDrop = 0.01;      // header, date and scores below the line's top
inline constexpr double kNameDrop = 0.035;       // names stand a little lower than scores

// Controls on a box: the score button on the header line and a swap button
// on each fixture line at x + 0.89, each as tall as its line; the date
// picker at x + 2.
inline constexpr double kButtonX = 0.89;
inline constexpr double kButtonWidth = 0.4380032;
inline constexpr double kPickerX = 2.0;
inline constexpr double kPickerSize = 0.2;

// Fixtures of one round: n / 2.
int FixturesPerRound(int n);
// Height of a box: the header line and one line per fixture.
double BoxHeight(int n);
// Rows of boxes of the whole league: three rounds to a row.
int BoxRows(int rounds);
// Rows of boxes that fit on a page: floor(10 / (0.2 + 0.23 * (n/2 + 1))),
// computed in that order in double precision (n = 18 gives 3, not 4).
int RowsPerPage(int n);
int BoxesPerPage(int n);
// Pages of the league; at least 1.
int PageCount(int n, int rounds);

// The first round on a page, and the first entry of the fixture slot list it
// shows (round r holds entries (r - 1) * n + 1 .. r * n).
int FirstRoundOfPage(int n, int page);
int FirstEntryOfPage(int n, int page);
// The round drawn in box k of a page.
int RoundOfBox(int n, int page, int box);
// How many boxes a page shows.
int BoxesOnPage(int n, int rounds, int page);

// The top-left corner of box k of a page.
QPointF BoxTopLeft(int n, int box);
// The top of fixture line j (1..n/2) of a box whose top is boxTop.
double FixtureLineTop(double boxTop, int line);

} // namespace fixtora
