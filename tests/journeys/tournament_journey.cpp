// A knock-out tournament of 16, from the keyboard where the user would use
// it: a refused number retyped, three entrants named, every pair decided
// with the arrow keys and Space up to the champion, the tournament saved,
// printed in the copies typed beside Print, closed by its access key after
// the print dialog, opened again from Open League, and the wizard left with
// Escape.

#include "journey.h"

#include "model/league.h"
#include "model/tournament.h"
#include "platform/printing.h"
#include "testfiles.h"

#include <QAccessible>
#include <QDialog>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

namespace fixtora {
namespace {

class TournamentJourney : public Journey {};

TEST_F(TournamentJourney, SixteenEntrantsToAChampionSavedPrintedAndOpenedAgain)
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
    Press(Qt::Key_Return);
    ASSERT_TRUE(WaitFor([this] { return Control<QWidget>("tourwiz", "txtEntrant")->hasFocus(); }, "the name box"));
    for (const char *name : {"Ann", "Bob", "Cath"}) {
        Type(QLatin1String(name));
        Press(Qt::Key_Return);  // Add
    }
    Press(Qt::Key_N, Qt::AltModifier);  // "&Next"
    ASSERT_TRUE(Shows("Tournieform"));
    EXPECT_TRUE(Gone("tourwiz"));

    // From the first cell: the upper entrant of every pair wins, level by level.
    for (int count = 16; count > 1; count /= 2) {
        for (int pair = 0; pair < count / 2; ++pair) {
            Press(Qt::Key_Space);
            Press(Qt::Key_Down);
            Press(Qt::Key_Down);
        }
        Press(Qt::Key_Right);
        for (int up = 1; up < count / 2; ++up)
            Press(Qt::Key_Up);
    }
    EXPECT_EQ(Champion(16), "Ann");
    QAccessibleInterface *chart = QAccessible::queryAccessibleInterface(Control<QWidget>("Tournieform", "piccy"));
    ASSERT_NE(chart->focusChild(), nullptr);
    EXPECT_EQ(chart->focusChild()->text(QAccessible::Name), SlotDescription(16, 31));
    Snapshot("champion");
    const QString file = File(QStringLiteral("cup"));
    {
        FileAnswers files({file});
        Press(Qt::Key_S, Qt::AltModifier);  // "&Save"
    }
    ASSERT_TRUE(QFile::exists(file + ".tr"));

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
    EXPECT_EQ(test::pdfText(pdf).remove(QRegularExpression("\\s")).count("Cath"), 2 * 2) << "the names on paper";

    Press(Qt::Key_C, Qt::AltModifier);  // "&Close", with the keyboard back on the chart: saved, nothing asked
    ASSERT_TRUE(Shows("MainWizard"));
    EXPECT_TRUE(Gone("Tournieform"));
    ResetTournament();
    {
        FileAnswers files({file + ".tr"});
        Click("MainWizard", "opentable");
    }
    ASSERT_TRUE(Shows("Tournieform"));
    EXPECT_EQ(Champion(16), "Ann");
    Press(Qt::Key_C, Qt::AltModifier);
    ASSERT_TRUE(Shows("MainWizard"));

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
