#include "table/tabledrawing.h"

#include "platform/drawtarget.h"

#include <algorithm>

namespace fixtora {

namespace {

constexpr double kTitleTop = 0.35;
constexpr double kDateX = 4.3;
constexpr double kDateY = 0.8;
constexpr double kRowHeight = 0.23;
constexpr double kGridTop = 1;
// The room kept between a grid and the edge of the picture.
constexpr double kEdge = 0.1;
constexpr double kTextSize = 8;
// Text starts this far inside its cell and ends at least this far before
// the cell's right-hand rule.
constexpr double kTextInset = 0.1;
constexpr double kTextGap = 0.03;

const QString kFont = QStringLiteral("Arial");

// Clears the target, scales it to width by height, and draws the title
// centred in its own font and the date line; leaves the target in Arial 8.
void drawHeader(DrawTarget &target, double width, double height, const QString &title, const QString &dateText)
{
    target.Cls();
    target.Scale(0, 0, width, height);
    target.SetFont(kFont, true, 16);
    target.PrintAt((width - target.TextWidth(title)) / 2, kTitleTop, title);
    target.SetFont(kFont, false, kTextSize);
    if (!dateText.isEmpty())
        target.PrintAt(kDateX, kDateY, dateText);
}

double gridBottom(qsizetype rows)
{
    return kGridTop + double(rows + 1) * kRowHeight;
}

} // namespace

double RankingDepth(qsizetype players)
{
    return std::max(kPictureHeight, gridBottom(players) + kEdge);
}

// A grid drawn smaller has its text smaller in proportion; a text too wide
// for its column is fitted into it (LegibleFit), so it never runs into the
// next one.
ColumnWidths DrawLeagueTable(DrawTarget &target, const LeagueTable &table, const TableDrawing &drawing)
{
    constexpr double left = 0.7, top = kGridTop, textDrop = 0.03;
    ColumnWidths widths{};
    double right = left;
    for (int c = 1; c <= kTablePlaces; ++c) {
        widths[c] = column_width(drawing.columns[c]);
        right += widths[c];
    }
    const auto rows = table.size();
    const double bottom = gridBottom(rows);
    // A grid that would cross an edge of the picture is drawn smaller, whole.
    const double fit = std::max({1.0, (right + kEdge) / kPictureWidth, (bottom + kEdge) / kPictureHeight});
    drawHeader(target, kPictureWidth * fit, kPictureHeight * fit, drawing.title, drawing.dateText);
    target.FontSize = kTextSize / fit;
    const TextFit cells = target.LegibleFit(target.FontSize);

    double x = left;
    for (int c = 1; c <= kTablePlaces; ++c) {
        const double w = widths[c];
        if (w == 0)
            continue;
        target.Rectangle(x, top, x + w, bottom);
        for (qsizetype k = 0; k <= rows; ++k)
            target.Line(x, top + double(k) * kRowHeight, x + w, top + double(k) * kRowHeight);
        x += w;
    }

    x = left;
    for (int c = 1; c <= kTablePlaces; ++c) {
        if (widths[c] == 0)
            continue;
        target.PrintWithin(x + kTextInset, top + textDrop, x + widths[c] - kTextGap,
                           ColumnHeading(drawing.columns[c], drawing.headings[c]), cells);
        x += widths[c];
    }

    // A place whose caption names no column keeps its grid, with empty cells.
    for (qsizetype r = 0; r < rows; ++r) {
        const double y = top + textDrop + double(r + 1) * kRowHeight;
        x = left;
        for (int c = 1; c <= kTablePlaces; ++c) {
            if (is_valid_column(drawing.columns[c]))
                target.PrintWithin(x + kTextInset, y, x + widths[c] - kTextGap,
                                   PrintedCellText(drawing.columns[c], table[r], int(r) + 1), cells);
            x += widths[c];
        }
    }
    return widths;
}

void DrawPlayerRanking(DrawTarget &target, const PlayerRanking &ranking, const QString &title,
                       const QString &dateText, const QString &scoreWord)
{
    constexpr double left = 1, right = 5, top = kGridTop;
    const auto rows = ranking.size();
    drawHeader(target, kPictureWidth, RankingDepth(rows), title, dateText);

    const double bottom = gridBottom(rows);
    target.Rectangle(left, top, right, bottom);
    for (qsizetype j = 0; j <= rows; ++j)
        target.Line(left, top + double(j) * kRowHeight, right, top + double(j) * kRowHeight);
    for (double x : {1.35, 3.0, 3.4, 3.8, 4.2, 4.6})
        target.Line(x, top, x, bottom);

    const struct {
        double x;
        QString text;
    } headings[] = {{1.1, QStringLiteral("Pos")},    {1.6, QStringLiteral("Name")},
                    {3.1, QStringLiteral("Wins")},   {3.45, QStringLiteral("draws")},
                    {3.87, QStringLiteral("lost")},  {4.26, scoreWord},
                    {4.67, QStringLiteral("points")}};
    for (const auto &heading : headings)
        target.PrintAt(heading.x, top + 0.05, heading.text);

    const TextFit names = target.LegibleFit(kTextSize);
    for (qsizetype r = 0; r < rows; ++r) {
        const PlayerStanding &player = ranking[r];
        const double y = 1.3 + double(r) * kRowHeight;
        target.PrintAt(1.1, y, PrintedNumberText(double(r + 1)));
        target.PrintWithin(1.6, y, 3.0 - kTextGap, player.name, names);
        target.PrintAt(3.15, y, PrintedNumberText(player.wins));
        target.PrintAt(3.55, y, PrintedNumberText(player.draws));
        target.PrintAt(4, y, PrintedNumberText(player.lost));
        target.PrintAt(4.35, y, PrintedNumberText(player.scoreFor));
        target.PrintAt(4.75, y, PrintedNumberText(player.points));
    }
}

} // namespace fixtora
