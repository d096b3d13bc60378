// A knock-out tournament of 16: the chart drawn, three cells marked by
// clicks, the chart printed in two copies.

#include "journey.h"

#include "model/league.h"
#include "platform/printing.h"
#include "testfiles.h"

#include <QPoint>

namespace fixtora {
namespace {

// A point of the chart (8 units across, 10.5 down) on its picture box.
QPoint chartPoint(const QWidget *chart, double x, double y)
{
    return {qRound(x * chart->width() / 8.0), qRound(y * chart->height() / 10.5)};
}

// The cells clicked and the slots they are, worked out from the chart's
// shape for 16 entrants: five levels with columns every 1.58 units, the
// right edge at 7.9, insets growing by 3.5 / 7.9 per unit.
struct Cell {
    double x, y;
    int slot;
};
constexpr Cell kCells[] = {
    {0.5, 0.55, 1},   // first round, top cell: between the top edge (0.22) and the first divider (0.85)
    {2.3, 9.0, 24},   // second round, bottom cell: between the divider at 8.42 and the bottom edge at 9.48
    {7.0, 5.0, 31},   // the final's cell, between the last column and the right edge
};

class TournamentJourney : public Journey {};

TEST_F(TournamentJourney, SixteenEntrantsThreeMarksAndTwoPrintedCopies)
{
    StartProgram();
    Click("MainWizard", "tournie");
    ASSERT_TRUE(Shows("tourwiz"));
    Fill("tourwiz", "txtName", QStringLiteral("16"));
    // Alt+N is also "&Number of players:", so the mouse goes to "&Next".
    Click("tourwiz", "cmdclose");
    ASSERT_TRUE(Shows("Tournieform"));
    EXPECT_TRUE(Gone("tourwiz"));

    QWidget *chart = Control<QWidget>("Tournieform", "piccy");
    ASSERT_NE(chart, nullptr);
    const int bare = Ink(chart);
    EXPECT_GT(bare, 0) << "the chart is drawn";
    int ink = bare;
    for (const Cell &cell : kCells) {
        ClickAt(chart, chartPoint(chart, cell.x, cell.y));
        EXPECT_EQ(gSelectedSlot, cell.slot) << cell.x << "," << cell.y;
        EXPECT_GT(Ink(chart), ink) << "the marker of slot " << cell.slot << " is written";
        ink = Ink(chart);
    }
    Snapshot("marks");
    ClickAt(chart, chartPoint(chart, 7.95, 5.0));  // right of the chart's right edge
    EXPECT_EQ(gSelectedSlot, 31) << "a click beside the chart selects nothing";
    EXPECT_EQ(Ink(chart), ink) << "and writes nothing";

    const QString pdf = File(QStringLiteral("chart.pdf"));
    SetPrintDialogForTests(PrintToPdfFile(pdf, 2));
    {
        BoxAnswers boxes;
        Click("Tournieform", "cmdprint");
        EXPECT_TRUE(boxes.seen().isEmpty());
    }
    EXPECT_EQ(PdfPages(pdf), 2) << "one page per copy";
    // The paper carries the bare chart, as the chart screen prints it: the
    // marks are the screen's only.
    EXPECT_TRUE(test::pdfText(pdf).trimmed().remove(QLatin1Char('\f')).isEmpty()) << test::pdfText(pdf).toStdString();

    Click("Tournieform", "command5");  // "&Close"
    ASSERT_TRUE(Shows("MainWizard"));
    EXPECT_TRUE(Gone("Tournieform"));
    ChooseMenu("File", "Exit");
    EXPECT_EQ(programEnds, 1);
}

} // namespace
} // namespace fixtora
