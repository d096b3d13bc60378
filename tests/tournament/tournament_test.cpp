#include "shelltest.h"

#include "model/league.h"
#include "model/tournament.h"
#include "platform/drawtarget.h"
#include "platform/printing.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "testfiles.h"
#include "testleague.h"
#include "tournament/tournamentwindows.h"
#include "tournament/tournieform.h"
#include "tournament/tourwiz.h"
#include "ui/chameleonbutton.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace fixtora;

namespace {

QString pdfInfo(const QString &path)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    pdfinfo.waitForFinished();
    return QString::fromUtf8(pdfinfo.readAllStandardOutput());
}

int lineCount(const RecordingTarget &target)
{
    int lines = 0;
    for (const RecordingTarget::Item &item : target.items)
        lines += item.kind == RecordingTarget::Kind::Line;
    return lines;
}

class Tournament : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        RegisterTournamentWindows();
        ShowMainMenu();
    }
    void TearDown() override
    {
        SetPrintDialogForTests({});
        UnloadForm<Tournieform>();
        UnloadForm<tourwiz>();
        ShellTest::TearDown();
    }

    void click(QWidget *form, const char *button)
    {
        QTest::mouseClick(form->findChild<chameleonButton *>(button), Qt::LeftButton);
        ProcessUnloads();
    }

    tourwiz *openWizard()
    {
        click(LoadForm<MainWizard>(), "tournie");
        return LoadedForm<tourwiz>();
    }

    // The wizard's Next with players typed.
    void next(const QString &typed)
    {
        tourwiz *wizard = LoadedForm<tourwiz>() ? LoadedForm<tourwiz>() : openWizard();
        wizard->findChild<QLineEdit *>("txtName")->setText(typed);
        click(wizard, "cmdclose");
    }

    Tournieform *chart(int players)
    {
        next(QString::number(players));
        return LoadedForm<Tournieform>();
    }

    // A click on the chart at chart coordinates.
    void clickChart(Tournieform *form, double x, double y)
    {
        auto *piccy = form->findChild<PictureBox *>("piccy");
        QTest::mouseClick(piccy, Qt::LeftButton, {}, piccy->ToDevice(x, y).toPoint());
    }
};

} // namespace

TEST_F(Tournament, TheMainMenusTournamentOpensTheWizardInItsPlace)
{
    gTourEntrants = 9;
    tourwiz *wizard = openWizard();
    ASSERT_NE(wizard, nullptr);
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_EQ(LoadedForm<MainWizard>(), nullptr);
    EXPECT_EQ(gTourEntrants, 0);
    const QWidget *frame = wizard->findChild<QGroupBox *>("tourwiz");
    EXPECT_EQ(frame->pos(), QPoint(wizard->width() / 2 - frame->width() / 2, wizard->height() / 2 - frame->height() / 2));
    EXPECT_EQ(QApplication::focusWidget(), wizard->findChild<QLineEdit *>("txtName"));
}

TEST_F(Tournament, RefusedNumbersShowTheMessageAndClearTheEntry)
{
    for (const char *typed : {"3", "65", "0", "", "abc", "4.5"}) {
        ResetTournament();
        gTourNames[5] = "kept";
        BoxAnswers boxes;
        next(typed);
        ASSERT_EQ(boxes.seen().size(), 1) << typed;
        EXPECT_EQ(boxes.seen()[0].kind, "program");
        EXPECT_EQ(boxes.seen()[0].title, "Invalid number entered");
        EXPECT_EQ(boxes.seen()[0].text, "\nPlease enter a value from 4 to 64");
        ASSERT_NE(LoadedForm<tourwiz>(), nullptr) << typed;
        EXPECT_TRUE(LoadedForm<tourwiz>()->findChild<QLineEdit *>("txtName")->text().isEmpty());
        EXPECT_EQ(LoadedForm<Tournieform>(), nullptr) << typed;
        EXPECT_EQ(gTourNames[5], "kept") << typed;
        EXPECT_EQ(gTourEntrants, 0) << typed;
    }
}

TEST_F(Tournament, NextSizesTheChartAndOpensItInTheWizardsPlace)
{
    const std::pair<const char *, int> rows[] = {{"16 abc", 16}, {"5", 8}, {"64", 64}};
    for (const auto &[typed, entrants] : rows) {
        gTourNames[100] = "kept";
        next(typed);
        ASSERT_NE(LoadedForm<Tournieform>(), nullptr) << typed;
        EXPECT_TRUE(LoadedForm<Tournieform>()->isVisible());
        EXPECT_EQ(LoadedForm<tourwiz>(), nullptr);
        EXPECT_EQ(gTourEntrants, entrants) << typed;
        EXPECT_EQ(gChartEntrants, entrants) << "drawn on load";
        EXPECT_EQ(QStringList({gTourNames[1], gTourNames[32], gTourNames[33], gTourNames[63]}),
                  QStringList({"1", "32", "", ""}));
        EXPECT_EQ(gTourNames[100], entrants == 64 ? "none" : "kept") << typed;
        UnloadForm<Tournieform>();
        ProcessUnloads();
    }
}

TEST_F(Tournament, CancelAbandonsOnlyTheTournament)
{
    test::BuildTestLeague(test::PlayerLeague(6, 2));
    gLeagueFile = "/tmp/club.tbl";
    gLeagueOnDisk = true;
    const QString firstEntry = gFixtureSlots[1];
    tourwiz *wizard = openWizard();
    gTourNames[9] = "none";
    click(wizard, "command1");

    EXPECT_EQ(LoadedForm<tourwiz>(), nullptr);
    ASSERT_NE(LoadedForm<MainWizard>(), nullptr);
    EXPECT_TRUE(LoadedForm<MainWizard>()->isVisible());
    EXPECT_TRUE(gTourNames[9].isEmpty());
    EXPECT_EQ(gTableName, "Tuesday Pool");
    EXPECT_EQ(gPlayerNames[6], "Player 6");
    EXPECT_EQ(gGamesToPlay, 2);
    EXPECT_EQ(gFixtureSlots[1], firstEntry);
    EXPECT_EQ(gLeagueFile, "/tmp/club.tbl");
    EXPECT_TRUE(gLeagueOnDisk);
}

TEST_F(Tournament, TheChartIsDrawnOnAnySurfaceWithNoNames)
{
    const int rows[][3] = {{4, 11, 3}, {8, 20, 4}, {64, 135, 7}};  // entrants, lines, levels
    for (const auto &[entrants, lines, levels] : rows) {
        Tournieform *form = chart(entrants);
        RecordingTarget surface({622, 454});
        form->render(surface);
        EXPECT_EQ(lineCount(surface), lines) << entrants;
        EXPECT_EQ(QRectF(surface.ScaleLeft(), surface.ScaleTop(), surface.ScaleWidth(), surface.ScaleHeight()),
                  QRectF(0, 0, 8, 10.5));
        EXPECT_EQ(gTournieColumns, levels);
        form->donames(surface);
        EXPECT_EQ(surface.items.size(), lines) << "donames writes no names";
        const NameAnchor last = NameAnchors(entrants, 3450).last();
        EXPECT_EQ(gNameEscapement, last.escapement);
        EXPECT_EQ(surface.FontEscapement, last.escapement);
        EXPECT_EQ(form->Anchor(2 * entrants - 1), last.at);
        UnloadForm<Tournieform>();
        ProcessUnloads();
    }
}

TEST_F(Tournament, AClickMarksTheSlotItsCellHolds)
{
    Tournieform *form = chart(16);
    auto *piccy = form->findChild<PictureBox *>("piccy");
    const QList<ChartColumn> columns = ChartColumns(16);
    struct Row {
        double x, y;
        int slot;
    };
    const Row rows[] = {
        {7.5, 5.25, 31},                    // the final
        {columns[4].x + 0.2, 4.5, 29},      // upper semi-final slot
        {columns[2].x + 0.1, 5.5, 21},      // second round, first below the centre
        {1.0, 0.2, 21},                     // above the chart: nothing new
        {7.95, 5.25, 21},                   // right of the chart
    };
    for (const Row &row : rows) {
        const QImage before = piccy->Image();
        clickChart(form, row.x, row.y);
        EXPECT_EQ(gSelectedSlot, row.slot) << row.x << "," << row.y;
        EXPECT_NEAR(gClickX, row.x, 0.02);
        EXPECT_NEAR(gClickY, row.y, 0.03);
        const bool marked = piccy->Image() != before;
        EXPECT_EQ(marked, row.x < 7.9 && row.y > 0.5) << "a marker is written only for a selected slot";
    }
    // The line parameters are those of the last boundary tested: for a click
    // in the final, its bottom edge.
    clickChart(form, 7.5, 5.25);
    const QLineF upwards(gClickX, gClickY, gClickX, 0);
    const SegmentCrossing last = SegmentsIntersect(upwards, HitTest(16, columns, {gClickX, gClickY}).divider);
    EXPECT_DOUBLE_EQ(gIntersectUA, last.ua);
    EXPECT_DOUBLE_EQ(gIntersectUB, last.ub);
    EXPECT_LT(gIntersectUA, 0) << "the edge lies below the click";
}

TEST_F(Tournament, TheMarkerIsWrittenAtTheSlotsAnchorAlongItsBoundary)
{
    Tournieform *form = chart(4);
    const ChartHit hit = HitTest(4, ChartColumns(4), QPointF(7.0, 5.0));
    RecordingTarget surface;
    form->displaynames(surface);
    form->WriteMarker(surface, hit);
    const QList<RecordingTarget::Item> texts = surface.TextItems();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0].text, "found it 7");
    EXPECT_EQ(texts[0].escapement, MarkerEscapement(hit.divider));
    EXPECT_EQ(texts[0].escapement, 2039);
    EXPECT_EQ(texts[0].fontName, "Arial");
    EXPECT_FALSE(texts[0].bold);
    EXPECT_NEAR(texts[0].x1, form->Anchor(7).x() + 0.05, 1e-12);
    EXPECT_NEAR(texts[0].y1, form->Anchor(7).y(), 1e-12);
}

TEST_F(Tournament, PrintingSendsTheBareChartInLandscapeOnePagePerCopy)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("chart.pdf");
    Tournieform *form = chart(16);
    clickChart(form, 7.5, 5.25);
    SetPrintDialogForTests(PrintToPdfFile(pdf, 2));
    BoxAnswers boxes;
    click(form, "cmdprint");

    const QString info = pdfInfo(pdf);
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
    const QRegularExpressionMatch size = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+)").match(info);
    ASSERT_TRUE(size.hasMatch());
    EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble()) << "landscape";
    EXPECT_TRUE(test::pdfText(pdf).trimmed().isEmpty()) << "no names and no markers";
    EXPECT_TRUE(boxes.seen().isEmpty());
}

TEST_F(Tournament, PrintingThatCannotStartPrintsNothing)
{
    QTemporaryDir dir;
    Tournieform *form = chart(8);
    SetPrintDialogForTests(CancelPrinting());
    {
        BoxAnswers boxes;
        click(form, "cmdprint");
        EXPECT_TRUE(boxes.seen().isEmpty()) << "a cancelled dialog shows nothing";
    }
    const QString unwritable = dir.filePath("missing/chart.pdf");
    SetPrintDialogForTests(PrintToPdfFile(unwritable, 1));
    BoxAnswers boxes;
    click(form, "cmdprint");
    ASSERT_EQ(boxes.seen().size(), 1);
    EXPECT_EQ(boxes.seen()[0].kind, "system");
    EXPECT_TRUE(boxes.seen()[0].text.contains(unwritable));
    EXPECT_FALSE(QFile::exists(unwritable));
}

TEST_F(Tournament, CloseBringsTheMainMenuBack)
{
    gTourEntrants = 8;
    ShowTaskWindow(TaskWindow::Tournieform);
    Tournieform *form = LoadedForm<Tournieform>();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->findChild<QLineEdit *>("Text6")->text(), "1");
    EXPECT_FALSE(form->findChild<QLineEdit *>("Text5")->isVisible());
    click(form, "command5");
    EXPECT_EQ(LoadedForm<Tournieform>(), nullptr);
    ASSERT_NE(LoadedForm<MainWizard>(), nullptr);
    EXPECT_TRUE(LoadedForm<MainWizard>()->isVisible());
}

TEST_F(Tournament, OnASmallScreenTheChartWindowScrollsToItsCommands)
{
    Tournieform *form = chart(8);
    LoadForm<Main>()->resize(800, 600);
    QCoreApplication::processEvents();
    auto *scroller = form->findChild<QScrollArea *>();
    ASSERT_NE(scroller, nullptr);
    EXPECT_TRUE(scroller->horizontalScrollBar()->isVisible());
    auto *close = form->findChild<chameleonButton *>("command5");
    scroller->ensureWidgetVisible(close);
    EXPECT_TRUE(scroller->viewport()->rect().contains(close->mapTo(scroller->viewport(), close->rect().bottomRight())));
}
