#pragma once
// Knock-out tournaments: how many first-round slots a typed number of players
// needs, how the slots of a chart are numbered, and the chart's geometry, which
// the drawing of the chart and the hit test of a click on it share.
//
// Slots are numbered in level order. For a chart of N first-round slots,
// level 1 (the first round) holds slots 1..N, level 2 the next N/2, each later
// level half as many, and the last level the winner's slot 2N-1. Within a
// level the slots run from the top of the chart downwards; slots 2k-1 and 2k
// of one level lie beside slot k of the next, which their winner reaches.
//
// Chart coordinates run from (0, 0) at the top left to (8, 10.5) at the bottom
// right; X runs along the levels towards the final, Y across the slots. The
// chart is a trapezoid: its left edge (X = 0) spans the whole height, its right
// edge (X = 7.9) the middle third. Level j's slots are the cells between
// column j and column j+1; the final's cell ends at the right edge.

#include "model/league.h"

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace fixtora {

inline constexpr int kMinTourEntrants = 4;
inline constexpr int kMaxTourEntrants = 64;

// ---- Sizing a tournament -------------------------------------------------------

// The number of players a typed text asks for: its leading number when that is
// a whole number from 4 to 64, else nothing (the wizard refuses the entry).
std::optional<int> TypedPlayers(const QString &typed);

// The smallest chart size (4, 8, 16, 32 or 64) that holds players (4..64).
int ChartSize(int players);

// ---- Entrants and byes ---------------------------------------------------------

inline constexpr int kMaxEntrantName = 16;
inline constexpr int kMaxTourTitle = 30;

// The text of a bye in the first round and of a later-round slot nobody has
// reached.
bool IsNoOne(const QString &name);

// Why a typed entrant's name (as TypedName, model/leaguerules.h, made it)
// cannot join names (empty when it can): a league entry's checks
// (CheckNewName, model/wizardrules.h), for up to 64 names, and as it shows it
// is neither a bare number (an unnamed entrant keeps its number) nor the text
// of a bye.
QString EntrantNameProblem(const QString &name, const QStringList &names);

// The first-round slots of the byes that fill players (4..64) up to the
// chart's size: the lower slot of a pair each, so every bye faces an entrant,
// spread over the chart so that each half (and each half of a half) gets as
// many as the other or one more.
QList<int> ByeSlots(int players);

// Starts a tournament of players (4..64) entrants: gTourEntrants becomes the
// chart size, the byes and every later-round slot are "none", the entrants
// fill the other first-round slots from the top, named by names in order and
// the rest by their numbers, and an entrant facing a bye moves on at once.
// The new tournament has no dates and no file yet, and is unsaved. Nothing
// changes for a count outside 4..64.
void SetUpTournament(int players, const QStringList &names = {});

// ---- Moving on -------------------------------------------------------------------

// The slot a slot's winner moves on to: the next level's slot beside its
// pair; 0 for the final's slot or a slot the chart has not.
int NextSlot(int entrants, int slot);
// The other slot of a slot's pair.
int PartnerSlot(int slot);

// The level (1..C) of a slot; 0 for a slot the chart has not.
int SlotLevel(int entrants, int slot);

// The cell the keyboard reaches from a slot's cell: Up and Down stay in its
// level, Back goes to the upper of the pair that feeds it, On to the slot
// its winner reaches. The slot itself where the chart ends; 0 for a slot the
// chart has not.
enum class ChartStep { Up, Down, Back, On };
int StepFrom(int entrants, int slot, ChartStep step);

// What a screen reader says for a slot's cell: its round and who is in it.
QString SlotDescription(int entrants, int slot, const TourSlots &names = gTourNames);

// True when the entrant in slot can be chosen as its pair's winner: the slot
// holds an entrant, is not the final's, and its partner holds an entrant or
// a first-round bye.
bool CanMoveOn(int entrants, int slot, const TourSlots &names = gTourNames);

// What choosing the entrant in slot as its pair's winner takes off the chart.
// replaced: the slot the entrant moves into when someone else holds it (0
// otherwise). cleared: every later slot decided through the one replaced, in
// order up to the champion's: the cells it reached and each result of a match
// it, or whoever beat it, played on the way.
struct WinnerChange {
    int replaced = 0;
    QList<int> cleared;
};
WinnerChange ChangeOfWinner(int entrants, int slot, const TourSlots &names = gTourNames);

// A change in words: who loses which cells, by runs of rounds, from the
// replaced slot up ("round 2 to the final: Dev; the champion: Ann"). Empty
// when the change replaces no one.
QString ChangeWords(int entrants, const WinnerChange &change, const TourSlots &names = gTourNames);

// Moves the entrant in slot on as its pair's winner. Choosing the other
// entrant of a decided pair changes the winner and clears what
// ChangeOfWinner says. False, and nothing changes, when the slot cannot be
// chosen or already won its pair.
bool MoveOn(int entrants, int slot, TourSlots &names = gTourNames);

// The winner of the final, or empty while it is undecided.
QString Champion(int entrants, const TourSlots &names = gTourNames);

// ---- What a saved tournament holds -------------------------------------------

// Who won each pair, pair k (1..N-1) being the one that feeds slot N+k:
// 0 undecided, 1 the upper slot, 2 the lower.
QList<int> PairWinners(int entrants, const TourSlots &names = gTourNames);

// The slots of a tournament rebuilt from its first round (N names, "none"
// for a bye) and its pair winners (N-1, as PairWinners gives them); nothing
// when they do not make a tournament: a size no chart has, a name that could
// not be typed or typed twice, two byes in a pair, more byes than its size
// needs, or a winner who could not have been chosen.
std::optional<TourSlots> RebuildTournament(const QStringList &firstRound, const QList<int> &winners);

// ---- Slot numbering ------------------------------------------------------------

// True for the chart sizes 4, 8, 16, 32 and 64.
bool IsChartSize(int entrants);
// The number of levels, log2(N) + 1 (3 to 7); 0 for a size no chart has.
int ChartLevels(int entrants);
// Slots of level 1..ChartLevels: N / 2^(level-1).
int LevelSlotCount(int entrants, int level);
// The first slot number of a level: 1, N+1, N+N/2+1, ...
int LevelFirstSlot(int entrants, int level);

// ---- Geometry ---------------------------------------------------------------------

inline constexpr double kChartWidth = 8;       // the user scale's right end
inline constexpr double kSlotExtent = 10.5;    // the first round spans Y = 0..10.5
inline constexpr double kLevelExtent = 7.9;    // X of the right edge
inline constexpr double kChartThird = 3.5;     // the right edge spans Y = 3.5..7

// One column of the chart: its X, its inset from the top and from the bottom
// (it runs from Y = inset to Y = 10.5 - inset) and its span, 10.5 - 2 inset.
struct ChartColumn {
    double x = 0;
    double inset = 0;
    double span = kSlotExtent;
};

// Columns 1..C+1 of a chart (index 0 holds nothing): the levels' columns, then
// the right edge (7.9, 3.5, 3.5). Empty for a size no chart has.
QList<ChartColumn> ChartColumns(int entrants);

// Every line of the chart in drawing order: the trapezoid's outline, then
// from the final's column leftwards each column with the dividers of the level
// before it, drawn from the column to the left edge. The centre line is drawn
// once per level that reaches it, so it appears more than once. Only the
// outline for a size no chart has.
QList<QLineF> ChartLines(int entrants);

// Where the name of a slot is anchored and how its font is turned: the anchor
// lies 0.1 right of the slot's column inside its cell, the escapement grows
// from slot to slot across the whole chart (tenths of a degree,
// counter-clockwise), the point size depends on the chart's size.
struct NameAnchor {
    QPointF at;
    int escapement = 0;
    int pointSize = 0;
};

// The anchors of slots 1..2N-1 (index 0 holds nothing). A chart of 4 starts
// its escapement from firstEscapement (the chart window's starting value);
// the larger charts have their own starting values. Empty for a size no chart
// has.
QList<NameAnchor> NameAnchors(int entrants, int firstEscapement);

// ---- Clicks on the chart --------------------------------------------------------

// The crossing of two segments. A crossing at an end point of either is no
// crossing; parallel or degenerate segments never cross. ua and ub are where
// the two lines meet, as positions along the first and the second segment
// (a crossing has both strictly between 0 and 1); measured is false, and they
// stay 0, for parallel or degenerate segments.
struct SegmentCrossing {
    bool hit = false;
    bool measured = false;
    QPointF at;
    double ua = 0;
    double ub = 0;
};
SegmentCrossing SegmentsIntersect(const QLineF &first, const QLineF &second);

// The slot a click selects; 0: the click selects nothing. lastMeasured: the
// last boundary test whose lines were not parallel (measured false when no
// test measured anything).
struct ChartHit {
    int slot = 0;
    SegmentCrossing lastMeasured;
};

// The cell of a slot (1..2N-1): the quadrilateral between its level's column
// and the next, below the boundary above it and above the one below it; its
// corners clockwise from the top left. Empty for a slot the chart has not.
QList<QPointF> SlotCell(int entrants, int slot);

// The slot whose cell holds click, found with the chart's columns (1..C+1, as
// ChartColumns gives them). A click on a cell's lower boundary selects that
// cell; a click outside the chart (left, right, above or below it) selects
// nothing.
ChartHit HitTest(int entrants, const QList<ChartColumn> &columns, QPointF click);

// ---- Names on the chart ---------------------------------------------------------------

inline constexpr double kMarkMaxPointSize = 8.25;  // the default text size
inline constexpr double kMarkMinPointSize = 1;

// Where a mark is written and how: its text's top-left corner (chart
// units), its turn (tenths of a degree, counter-clockwise) and its size.
struct MarkPlace {
    QPointF at;
    int escapement = 0;
    double pointSize = 0;
};

// A slot's name (or any mark) on a picture of picture pixels: wholly inside the
// slot's cell, at least a pixel clear of its edges, reading left to right
// along the cell, centred in what the cell leaves free, in the largest size
// (quarter points, at most kMarkMaxPointSize) that fits. textSize gives the
// mark's width and line height in pixels at a point size. A cell too small
// for kMarkMinPointSize still gets its mark at that size, at its centre.
// Nothing (size 0) for a slot the chart has not.
using TextSizeAt = std::function<QSizeF(double pointSize)>;
MarkPlace PlaceMark(int entrants, int slot, const QSizeF &picture, const TextSizeAt &textSize);

// ---- The chart on the screen ---------------------------------------------------------

// How the chart's picture fills a picture area: its own size scaled as far as
// the area allows with its proportions kept, never below its own size, and
// its offset in the area, centred (0 where the picture does not fit).
struct ChartFit {
    double scale = 1;
    QPointF offset;
};
ChartFit FitChart(const QSizeF &area, const QSizeF &picture);

// The columns as the chart's drawing last stored them in gChartGeometry, and
// the store itself; the hit test reads what the drawing wrote.
void StoreChartColumns(const QList<ChartColumn> &columns);
QList<ChartColumn> StoredChartColumns(int levels);

} // namespace fixtora
