#include "table/tabledrawing.h"

#include "platform/drawtarget.h"

#include <algorithm>
#include <iterator>

namespace fixtora {

namespace {

constexpr double kTitleTop = 0.35;
constexpr double kDateX = 4.3;
constexpr double kDateY = 0.8;
constexpr double kRowHeight = 0.23;
constexpr double kGridTop = 1;
constexpr double kGridLeft = 0.7;  // the league table's
// The room kept between a grid and the edge of the picture.
constexpr double kEdge = 0.1;
constexpr double kTextSize = 8;
// Text starts this far inside its cell and ends at least this far before
// the cell's right-hand rule.
constexpr double kTextInset = 0.1;
constexpr double kTextGap = 0.03;

const QString kFont = QStringLiteral("Arial");

// The player ranking's columns: where each heading and each cell starts; the
// name is fitted between its start and the next column's rule.
constexpr double kRankingHeadingX[] = {1.1, 1.6, 3.1, 3.45, 3.87, 4.26, 4.67};
constexpr double kRankingCellX[] = {1.1, 1.6, 3.15, 3.55, 4, 4.35, 4.75};
constexpr qsizetype kRankingNameColumn = 1;
// The ranking's rules, left to right: its outline's sides and the rules
// between its columns.
constexpr double kRankingRules[] = {1, 1.35, 3.0, 3.4, 3.8, 4.2, 4.6, 5};

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

// A picture's title as read aloud: the league name and the date line.
QString readTitle(const QString &title, const QString &dateText)
{
    return dateText.isEmpty() ? title : title + QStringLiteral(", ") + dateText;
}

double gridBottom(qsizetype rows)
{
    return kGridTop + double(rows + 1) * kRowHeight;
}

// The places of a grid's headings and cells: a band per row, the heading's
// first, each cell between its column's rules (the x of each rule, left to
// right).
void placeCells(TextGrid &grid, const QList<double> &rules)
{
    const auto band = [&](qsizetype k, qsizetype row) {
        const double top = kGridTop + double(row) * kRowHeight;
        return QRectF(QPointF(rules[k], top), QPointF(rules[k + 1], top + kRowHeight));
    };
    for (qsizetype k = 0; k + 1 < rules.size(); ++k)
        grid.headingPlaces.append(band(k, 0));
    for (qsizetype r = 0; r < grid.rows.size(); ++r) {
        grid.places.append(QList<QRectF>());
        for (qsizetype k = 0; k + 1 < rules.size(); ++k)
            grid.places.last().append(band(k, r + 1));
    }
}

} // namespace

double RankingDepth(qsizetype players)
{
    return std::max(kPictureHeight, gridBottom(players) + kEdge);
}

TextGrid LeagueTableText(const LeagueTable &table, const TableDrawing &drawing)
{
    TextGrid grid{readTitle(drawing.title, drawing.dateText), {}, QList<QStringList>(table.size())};
    QList<double> rules{kGridLeft};
    for (int c = 1; c <= kTablePlaces; ++c) {
        const QString &caption = drawing.columns[c];
        if (column_width(caption) == 0)
            continue;
        rules.append(rules.last() + column_width(caption));
        grid.headings.append(ColumnHeading(caption, drawing.headings[c]));
        for (qsizetype r = 0; r < table.size(); ++r)
            grid.rows[r].append(is_valid_column(caption) ? PrintedCellText(caption, table[r], int(r) + 1) : QString());
        if (caption == QStringLiteral("Name") && grid.headerColumn < 0)
            grid.headerColumn = int(grid.headings.size()) - 1;
    }
    placeCells(grid, rules);
    return grid;
}

// A grid drawn smaller has its text smaller in proportion; a text too wide
// for its column is fitted into it (LegibleFit), so it never runs into the
// next one.
ColumnWidths DrawLeagueTable(DrawTarget &target, const LeagueTable &table, const TableDrawing &drawing)
{
    constexpr double left = kGridLeft, top = kGridTop, textDrop = 0.03;
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

    // The text of each drawn column starts inside its cell and ends before
    // its right-hand rule.
    QList<std::pair<double, double>> spans;
    QStringList captions;
    double x = left;
    for (int c = 1; c <= kTablePlaces; ++c) {
        const double w = widths[c];
        if (w == 0)
            continue;
        target.Rectangle(x, top, x + w, bottom);
        for (qsizetype k = 0; k <= rows; ++k)
            target.Line(x, top + double(k) * kRowHeight, x + w, top + double(k) * kRowHeight);
        spans.append({x + kTextInset, x + w - kTextGap});
        captions.append(drawing.columns[c]);
        x += w;
    }

    const TextGrid text = LeagueTableText(table, drawing);
    for (qsizetype k = 0; k < spans.size(); ++k)
        target.PrintWithin(spans[k].first, top + textDrop, spans[k].second, text.headings[k], cells);

    // A place whose caption names no column keeps its grid, with empty cells.
    for (qsizetype r = 0; r < rows; ++r) {
        const double y = top + textDrop + double(r + 1) * kRowHeight;
        for (qsizetype k = 0; k < spans.size(); ++k)
            if (is_valid_column(captions[k]))
                target.PrintWithin(spans[k].first, y, spans[k].second, text.rows[r][k], cells);
    }
    return widths;
}

void DrawPlayerRanking(DrawTarget &target, const PlayerRanking &ranking, const QString &title,
                       const QString &dateText, const QString &scoreWord)
{
    constexpr double left = kRankingRules[0], right = std::end(kRankingRules)[-1], top = kGridTop;
    const auto rows = ranking.size();
    drawHeader(target, kPictureWidth, RankingDepth(rows), title, dateText);

    const double bottom = gridBottom(rows);
    target.Rectangle(left, top, right, bottom);
    for (qsizetype j = 0; j <= rows; ++j)
        target.Line(left, top + double(j) * kRowHeight, right, top + double(j) * kRowHeight);
    for (auto x = std::begin(kRankingRules) + 1; x + 1 != std::end(kRankingRules); ++x)
        target.Line(*x, top, *x, bottom);

    const TextGrid text = PlayerRankingText(ranking, title, dateText, scoreWord);
    for (qsizetype k = 0; k < text.headings.size(); ++k)
        target.PrintAt(kRankingHeadingX[k], top + 0.05, text.headings[k]);

    const TextFit names = target.LegibleFit(kTextSize);
    for (qsizetype r = 0; r < rows; ++r) {
        const double y = 1.3 + double(r) * kRowHeight;
        for (qsizetype k = 0; k < text.headings.size(); ++k) {
            if (k == kRankingNameColumn)
                target.PrintWithin(kRankingCellX[k], y, kRankingRules[k + 1] - kTextGap, text.rows[r][k], names);
            else
                target.PrintAt(kRankingCellX[k], y, text.rows[r][k]);
        }
    }
}

TextGrid PlayerRankingText(const PlayerRanking &ranking, const QString &title, const QString &dateText,
                           const QString &scoreWord)
{
    TextGrid grid{readTitle(title, dateText),
                  {QStringLiteral("Pos"), QStringLiteral("Name"), QStringLiteral("Wins"), QStringLiteral("draws"),
                   QStringLiteral("lost"), scoreWord, QStringLiteral("points")},
                  {}};
    for (qsizetype r = 0; r < ranking.size(); ++r) {
        const PlayerStanding &player = ranking[r];
        grid.rows.append({PrintedNumberText(double(r + 1)), player.name, PrintedNumberText(player.wins),
                          PrintedNumberText(player.draws), PrintedNumberText(player.lost),
                          PrintedNumberText(player.scoreFor), PrintedNumberText(player.points)});
    }
    grid.headerColumn = int(kRankingNameColumn);
    placeCells(grid, {std::begin(kRankingRules), std::end(kRankingRules)});
    return grid;
}

} // namespace fixtora
