#include "table/tabledrawing.h"

#include "platform/drawtarget.h"

namespace fixtora {

namespace {

constexpr double kPictureWidth = 6;
constexpr double kPictureHeight = 7.5;
constexpr double kTitleTop = 0.35;
constexpr double kDateX = 4.3;
constexpr double kDateY = 0.8;
constexpr double kRowHeight = 0.23;

const QString kFont = QStringLiteral("Arial");

// Clears the target, scales it, and draws the title centred in its own font
// and the date line; leaves the target in Arial 8.
void drawHeader(DrawTarget &target, const QString &title, const QString &dateText)
{
    target.Cls();
    target.Scale(0, 0, kPictureWidth, kPictureHeight);
    target.SetFont(kFont, true, 16);
    target.PrintAt((kPictureWidth - target.TextWidth(title)) / 2, kTitleTop, title);
    target.SetFont(kFont, false, 8);
    if (!dateText.isEmpty())
        target.PrintAt(kDateX, kDateY, dateText);
}

} // namespace

ColumnWidths DrawLeagueTable(DrawTarget &target, const LeagueTable &table, const TableDrawing &drawing)
{
    constexpr double left = 0.7, top = 1, textInset = 0.1, textDrop = 0.03;
    ColumnWidths widths{};
    drawHeader(target, drawing.title, drawing.dateText);

    const auto rows = table.size();
    const double bottom = top + double(rows + 1) * kRowHeight;
    double x = left;
    for (int c = 1; c <= kTablePlaces; ++c) {
        const double w = column_width(drawing.columns[c]);
        if (w == 0)
            continue;
        widths[c] = w;
        target.Rectangle(x, top, x + w, bottom);
        for (qsizetype k = 0; k <= rows; ++k)
            target.Line(x, top + double(k) * kRowHeight, x + w, top + double(k) * kRowHeight);
        x += w;
    }

    x = left + textInset;
    for (int c = 1; c <= kTablePlaces; ++c) {
        if (widths[c] == 0)
            continue;
        const bool points = drawing.columns[c] == QLatin1String("Points");
        target.PrintAt(x, top + textDrop, points ? drawing.scoreWord : drawing.headings[c]);
        x += widths[c];
    }

    // A place whose caption names no column keeps its grid, with empty cells.
    for (qsizetype r = 0; r < rows; ++r) {
        const double y = top + textDrop + double(r + 1) * kRowHeight;
        x = left + textInset;
        for (int c = 1; c <= kTablePlaces; ++c) {
            if (is_valid_column(drawing.columns[c]))
                target.PrintAt(x, y, PrintedCellText(drawing.columns[c], table[r], int(r) + 1));
            x += widths[c];
        }
    }
    return widths;
}

void DrawPlayerRanking(DrawTarget &target, const PlayerRanking &ranking, const QString &title,
                       const QString &dateText, const QString &scoreWord)
{
    constexpr double left = 1, right = 5, top = 1;
    drawHeader(target, title, dateText);

    const auto rows = ranking.size();
    const double bottom = top + double(rows + 1) * kRowHeight;
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

    for (qsizetype r = 0; r < rows; ++r) {
        const PlayerStanding &player = ranking[r];
        const double y = 1.3 + double(r) * kRowHeight;
        target.PrintAt(1.1, y, PrintedNumberText(double(r + 1)));
        target.PrintAt(1.6, y, player.name);
        target.PrintAt(3.15, y, PrintedNumberText(player.wins));
        target.PrintAt(3.55, y, PrintedNumberText(player.draws));
        target.PrintAt(4, y, PrintedNumberText(player.lost));
        target.PrintAt(4.35, y, PrintedNumberText(player.scoreFor));
        target.PrintAt(4.75, y, PrintedNumberText(player.points));
    }
}

} // namespace fixtora
