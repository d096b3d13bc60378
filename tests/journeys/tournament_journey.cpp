// A knock-out tournament of 16, from the keyboard where the user would use
// it: a refused number retyped, the chart drawn, four cells marked by clicks,
// the chart printed in the copies typed beside Print, the chart closed by its
// access key after the print dialog, and the wizard left with Escape.

#include "journey.h"

#include "model/league.h"
#include "model/tournament.h"
#include "platform/printing.h"
#include "testfiles.h"

#include <QDialog>
#include <QPoint>
#include <QPrinter>

namespace fixtora {
namespace {

// A point of the chart (8 units across, 10.5 down) on its picture box.
QPoint chartPoint(const QWidget *chart, double x, double y)
{
    return {qRound(x * chart->width() / 8.0), qRound(y * chart->height() / 10.5)};
}

// The middle of a slot's cell of a chart of 16.
QPoint cellMiddle(const QWidget *chart, int slot)
{
    const QPolygonF cell = SlotCell(16, slot);
    const QPointF middle = (cell[0] + cell[2]) / 2;
    return chartPoint(chart, middle.x(), middle.y());
}

// One cell of the first round and three of later rounds: the second round's
// last, a quarter-final and the final.
constexpr int kMarked[] = {1, 24, 26, 31};

class TournamentJourney : public Journey {};

TEST_F(TournamentJourney, SixteenEntrantsFourMarksAndTwoPrintedCopies)
{
    StartProgram();
    Press(Qt::Key_T, Qt::AltModifier);  // "&Tournament", the menu's only Alt+T
    ASSERT_TRUE(Shows("tourwiz"));
    Fill("tourwiz", "txtName", QStringLiteral("3"));
    {
        BoxAnswers boxes({"<Return>"});
        Press(Qt::Key_Return);  // Next, from the number box
        ASSERT_EQ(boxes.seen().size(), 1);
        EXPECT_EQ(boxes.seen()[0].title, "Invalid number entered");
    }
    Type(QStringLiteral("16"));  // the box kept the keyboard
    EXPECT_EQ(Text("tourwiz", "txtName"), "16");
    Press(Qt::Key_Return);
    ASSERT_TRUE(Shows("Tournieform"));
    EXPECT_TRUE(Gone("tourwiz"));

    QWidget *chart = Control<QWidget>("Tournieform", "piccy");
    ASSERT_NE(chart, nullptr);
    const int bare = Ink(chart);
    EXPECT_GT(bare, 0) << "the chart is drawn";
    int ink = bare;
    for (int slot : kMarked) {
        ClickAt(chart, cellMiddle(chart, slot));
        EXPECT_EQ(gSelectedSlot, slot);
        EXPECT_GT(Ink(chart), ink) << "the mark of slot " << slot << " is written";
        ink = Ink(chart);
    }
    Snapshot("marks");
    ClickAt(chart, cellMiddle(chart, 24));
    EXPECT_EQ(gSelectedSlot, 24);
    EXPECT_EQ(Ink(chart), ink) << "a marked cell is not written twice";
    ClickAt(chart, chartPoint(chart, 7.95, 5.0));  // right of the chart's right edge
    EXPECT_EQ(gSelectedSlot, 24) << "a click beside the chart selects nothing";
    EXPECT_EQ(Ink(chart), ink) << "and writes nothing";

    // The print dialog, a window of its own, takes the keyboard while it is
    // up; it prints the copies it starts with into a file.
    const QString pdf = File(QStringLiteral("chart.pdf"));
    int offered = 0;
    SetPrintDialogForTests([&](QPrinter &printer) {
        QDialog dialog;
        dialog.show();
        dialog.activateWindow();
        WaitFor([&dialog] { return dialog.isActiveWindow(); }, "the print dialog to take the keyboard");
        offered = printer.copyCount();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    Fill("Tournieform", "Text6", QStringLiteral("2"));
    {
        BoxAnswers boxes;
        Click("Tournieform", "cmdprint");
        EXPECT_TRUE(boxes.seen().isEmpty());
    }
    EXPECT_EQ(offered, 2) << "the dialog starts at the copies typed";
    EXPECT_EQ(test::pdfPages(pdf), 2) << "one page per copy";
    // The paper carries the bare chart, as the chart screen prints it: the
    // marks are the screen's only.
    EXPECT_TRUE(test::pdfText(pdf).trimmed().remove(QLatin1Char('\f')).isEmpty()) << test::pdfText(pdf).toStdString();

    Press(Qt::Key_C, Qt::AltModifier);  // "&Close", with the keyboard back on the chart
    ASSERT_TRUE(Shows("MainWizard"));
    EXPECT_TRUE(Gone("Tournieform"));

    Click("MainWizard", "tournie");
    ASSERT_TRUE(Shows("tourwiz"));
    Press(Qt::Key_Escape);  // Cancel
    ASSERT_TRUE(Shows("MainWizard"));
    EXPECT_TRUE(Gone("tourwiz"));
    ChooseMenu("File", "Exit");
    EXPECT_EQ(programEnds, 1);
}

} // namespace
} // namespace fixtora
