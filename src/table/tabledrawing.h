#pragma once
// Drawing the league table and the player ranking on a drawing target: the
// screen's picture box or the printer. Both pictures are 6 units across and
// 7.5 down; the league name is centred at the top in Arial 16 bold, the rest
// is Arial 8. A table whose grid would cross the picture's right or bottom
// edge is drawn smaller, whole, its text too; the ranking reaches as far down
// as its rows need (RankingDepth), and its picture box is made that much
// taller. A text too wide for its column is fitted into it as
// DrawTarget::LegibleFit says: smaller, and on the screen cut short where
// it would be too small to read.

#include "model/leaguetable.h"
#include "model/playerranking.h"
#include "ui/accessibletable.h"

#include <QString>

#include <array>

namespace fixtora {

class DrawTarget;

inline constexpr double kPictureWidth = 6;
inline constexpr double kPictureHeight = 7.5;

// What the table drawing shows besides the rows.
struct TableDrawing {
    QString title;         // the league name
    QString dateText;      // the date line; empty for none
    TablePlaces columns;   // the caption at each place 1..8
    TablePlaces headings;  // the heading chosen for each place (ColumnHeading)
};

// The width of the column at each place 1..8; 0 where no column stands.
using ColumnWidths = std::array<double, kTablePlaces + 1>;

// Clears and scales the target, then draws the title, the date line, a ruled
// grid of the chosen columns side by side from x = 0.7 (one heading band and
// one band per row, 0.23 tall, from y = 1), the headings and every row's
// cells. Returns the columns' widths.
ColumnWidths DrawLeagueTable(DrawTarget &target, const LeagueTable &table, const TableDrawing &drawing);

// The table as DrawLeagueTable draws it, in words: its title and date line,
// the heading of every column drawn, in order, and each row's cells under
// them (empty where a place's caption names no column).
TextGrid LeagueTableText(const LeagueTable &table, const TableDrawing &drawing);

// How far down the ranking of players reaches, in drawing units: the
// picture's height, or more when its rows need more.
double RankingDepth(qsizetype players);

// Clears the target and scales it to 6 units across and RankingDepth down,
// then draws the title, the date line and the ranking's grid: position, name,
// wins, draws, lost, score total and points.
void DrawPlayerRanking(DrawTarget &target, const PlayerRanking &ranking, const QString &title,
                       const QString &dateText, const QString &scoreWord);

// The ranking as DrawPlayerRanking draws it, in words: its title and date
// line, its headings and one row per player.
TextGrid PlayerRankingText(const PlayerRanking &ranking, const QString &title, const QString &dateText,
                           const QString &scoreWord);

} // namespace fixtora
