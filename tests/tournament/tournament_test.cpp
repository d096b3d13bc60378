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

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrinter>
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

// The cell of a slot on a picture box, in its pixels.
QPolygonF cellOnPicture(int entrants, int slot, QWidget *piccy)
{
    QPolygonF pixels;
    for (const QPointF &corner : SlotCell(entrants, slot))
        pixels.append({corner.x() * piccy->width() / 8, corner.y() * piccy->height() / 10.5});
    return pixels;
}

// How far a pixel's centre lies inside a cell (corners clockwise on the
// screen), negative outside.
double depthIn(const QPolygonF &cell, int x, int y)
{
    const QPointF p(x + 0.5, y + 0.5);
    double nearest = 1e9;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const QLineF edge(cell[i], cell[(i + 1) % cell.size()]);
        nearest = std::min(nearest, (edge.dx() * (p.y() - edge.y1()) - edge.dy() * (p.x() - edge.x1())) / edge.length());
    }
    return nearest;
}

// The pixels two drawings differ in, inside a cell and more than a pixel
// outside it.
struct Changes {
    int inside = 0;
    int outside = 0;
};
Changes changes(const QImage &before, const QImage &after, const QPolygonF &cell)
{
    Changes found;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x) {
            if (before.pixel(x, y) == after.pixel(x, y))
                continue;
            const double depth = depthIn(cell, x, y);
            found.inside += depth > 0;
            found.outside += depth < -1;
        }
    return found;
}

// Dark pixels clear of a cell's edges, where only a mark draws.
int inkInside(const QImage &image, const QPolygonF &cell)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += depthIn(cell, x, y) > 1.5 && qGray(image.pixel(x, y)) < 128;
    return ink;
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

    tourwiz *openWizard()
    {
        ClickOn(LoadForm<MainWizard>(), "tournie");
        return LoadedForm<tourwiz>();
    }

    // The wizard's Next with players typed.
    void next(const QString &typed)
    {
        tourwiz *wizard = LoadedForm<tourwiz>() ? LoadedForm<tourwiz>() : openWizard();
        Find<QLineEdit>(wizard, "txtName")->setText(typed);
        ClickOn(wizard, "cmdclose");
    }

    Tournieform *chart(int players)
    {
        next(QString::number(players));
        return LoadedForm<Tournieform>();
    }

    // A click on the chart at chart coordinates.
    void clickChart(Tournieform *form, double x, double y)
    {
        auto *piccy = Find<PictureBox>(form, "piccy");
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
    const QWidget *frame = Find<QGroupBox>(wizard, "tourwiz");
    EXPECT_EQ(frame->pos(), QPoint(wizard->width() / 2 - frame->width() / 2, wizard->height() / 2 - frame->height() / 2));
    EXPECT_EQ(QApplication::focusWidget(), Find<QLineEdit>(wizard, "txtName"));
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
        EXPECT_TRUE(boxes.seen()[0].text.contains("4 to 64"));
        ASSERT_NE(LoadedForm<tourwiz>(), nullptr) << typed;
        auto *box = Find<QLineEdit>(LoadedForm<tourwiz>(), "txtName");
        EXPECT_TRUE(box->text().isEmpty());
        EXPECT_TRUE(QTest::qWaitFor([box] { return box->hasFocus(); }, 1000)) << "the box takes the next number";
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

TEST_F(Tournament, TheWizardsKeys)
{
    struct Row {
        const char *what;
        const char *focus;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool chart;  // else the main menu
    };
    const Row rows[] = {
        {"Return in the number box is Next", "txtName", Qt::Key_Return, Qt::NoModifier, true},
        {"Alt+N is Next", "txtName", Qt::Key_N, Qt::AltModifier, true},
        {"Escape is Cancel", "txtName", Qt::Key_Escape, Qt::NoModifier, false},
        {"Escape on a button is Cancel", "cmdclose", Qt::Key_Escape, Qt::NoModifier, false},
    };
    for (const Row &row : rows) {
        tourwiz *wizard = openWizard();
        ASSERT_NE(wizard, nullptr) << row.what;
        Find<QLineEdit>(wizard, "txtName")->setText("16");
        Find<QWidget>(wizard, row.focus)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), row.key, row.modifiers);
        ProcessUnloads();
        EXPECT_EQ(LoadedForm<tourwiz>(), nullptr) << row.what;
        EXPECT_EQ(LoadedForm<Tournieform>() != nullptr, row.chart) << row.what;
        EXPECT_EQ(LoadedForm<MainWizard>() != nullptr, !row.chart) << row.what;
        if (row.chart)
            ClickOn(LoadedForm<Tournieform>(), "command5");
    }

    // The box has a key of its own, and the label names it.
    tourwiz *wizard = openWizard();
    auto *box = Find<QLineEdit>(wizard, "txtName");
    Find<QWidget>(wizard, "command1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), "Number of players:");
}

TEST_F(Tournament, CancelAbandonsOnlyTheTournament)
{
    test::BuildTestLeague(test::PlayerLeague(6, 2));
    gLeagueFile = "/tmp/club.tbl";
    gLeagueOnDisk = true;
    const QString firstEntry = gFixtureSlots[1];
    tourwiz *wizard = openWizard();
    gTourNames[9] = "none";
    ClickOn(wizard, "command1");

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
    auto *piccy = Find<PictureBox>(form, "piccy");
    const QList<ChartColumn> columns = ChartColumns(16);
    struct Row {
        double x, y;
        int slot;
        bool marks;
    };
    const Row rows[] = {
        {7.5, 5.25, 31, true},                // the final
        {columns[4].x + 0.2, 4.5, 29, true},  // upper semi-final slot
        {columns[2].x + 0.1, 5.5, 21, true},  // second round, first below the centre
        {1.0, 0.2, 21, false},                // above the chart: nothing new
        {7.95, 5.25, 21, false},              // right of the chart
        {7.0, 5.0, 31, false},                // the final again: selected, not written twice
    };
    for (const Row &row : rows) {
        const QImage before = piccy->Image();
        clickChart(form, row.x, row.y);
        EXPECT_EQ(gSelectedSlot, row.slot) << row.x << "," << row.y;
        EXPECT_NEAR(gClickX, row.x, 0.02);
        EXPECT_NEAR(gClickY, row.y, 0.03);
        EXPECT_EQ(piccy->Image() != before, row.marks) << row.x << "," << row.y;
    }
    // The line parameters are those of the last boundary tested: for a click
    // in the final, its bottom edge, below the click.
    const SegmentCrossing last = HitTest(16, columns, {gClickX, gClickY}).lastMeasured;
    EXPECT_DOUBLE_EQ(gIntersectUA, last.ua);
    EXPECT_DOUBLE_EQ(gIntersectUB, last.ub);
    EXPECT_LT(gIntersectUA, 0);
}

// First-round and later cells of charts of 16 and 64, on the picture of a
// 1024x768 screen and of a large one: the mark's ink lies in the clicked cell.
TEST_F(Tournament, AMarkIsWrittenWhollyInsideTheClickedCell)
{
    struct Row {
        int entrants, slot;
        QSize screen;
    };
    const Row rows[] = {
        {16, 1, {1024, 768}},   {16, 16, {1024, 768}},  {16, 20, {1024, 768}}, {16, 31, {1024, 768}},
        {64, 1, {1024, 768}},   {64, 40, {1024, 768}},  {64, 97, {1024, 768}}, {64, 1, {1920, 1080}},
    };
    for (const Row &row : rows) {
        LoadForm<Main>()->resize(row.screen);
        Tournieform *form = chart(row.entrants);
        QCoreApplication::processEvents();
        auto *piccy = Find<PictureBox>(form, "piccy");
        const QPolygonF cell = cellOnPicture(row.entrants, row.slot, piccy);
        const QImage bare = piccy->Image();
        const QPolygonF chartCell = SlotCell(row.entrants, row.slot);
        const QPointF middle = (chartCell[0] + chartCell[2]) / 2;
        clickChart(form, middle.x(), middle.y());
        ASSERT_EQ(gSelectedSlot, row.slot) << row.entrants;
        const Changes mark = changes(bare, piccy->Image(), cell);
        EXPECT_GT(mark.inside, 10) << row.entrants << " slot " << row.slot;
        EXPECT_EQ(mark.outside, 0) << row.entrants << " slot " << row.slot;
        UnloadForm<Tournieform>();
        ProcessUnloads();
    }
}

TEST_F(Tournament, TheMarkReadsFoundItAndTheSlot)
{
    Tournieform *form = chart(4);
    RecordingTarget surface({622, 454});
    form->displaynames(surface);
    form->WriteMarker(surface, 7);
    EXPECT_EQ(surface.Texts(), QStringList({"found it 7"}));
}

// The picture keeps the chart's proportions and its place left of the
// commands; a window of a new size draws the chart and its marks again.
TEST_F(Tournament, TheChartFillsThePictureAreaAtEveryScreenSize)
{
    Tournieform *form = chart(64);
    auto *piccy = Find<PictureBox>(form, "piccy");
    clickChart(form, 0.3, 5.1);  // first round, just above the centre
    ASSERT_EQ(gSelectedSlot, 32);
    int height = 0;
    for (const QSize screen : {QSize(800, 600), QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080)}) {
        LoadForm<Main>()->resize(screen);
        QCoreApplication::processEvents();
        const QImage image = piccy->Image();
        EXPECT_GE(piccy->height(), 454) << screen.width();
        EXPECT_GE(piccy->height(), height) << screen.width();
        EXPECT_NEAR(piccy->width(), piccy->height() * 622.0 / 454, 1) << screen.width();
        const QWidget *commands = Find<QWidget>(form, "Frame1");
        EXPECT_LT(piccy->geometry().right(), commands->geometry().left()) << screen.width();
        const QRect title = Find<QWidget>(form, "Label1")->geometry();
        EXPECT_TRUE(title.bottom() < piccy->y() && title.bottom() > piccy->y() - 20) << "the title just above it";
        const QPoint rightEdge = piccy->ToDevice(7.9, 5.25).toPoint();
        EXPECT_LT(std::min(qGray(image.pixel(rightEdge - QPoint(1, 0))), qGray(image.pixel(rightEdge))), 128)
            << "the chart drawn to its right edge at " << screen.width();
        EXPECT_GT(inkInside(image, cellOnPicture(64, 32, piccy)), 0) << "the mark drawn again at " << screen.width();
        height = piccy->height();
    }
    EXPECT_GE(height / 64, 13) << "first-round cells of a large screen";
}

TEST_F(Tournament, PrintingSendsTheBareChartInLandscapeOnePagePerCopy)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("chart.pdf");
    Tournieform *form = chart(16);
    clickChart(form, 7.5, 5.25);
    SetPrintDialogForTests(PrintToPdfFile(pdf, 2));
    BoxAnswers boxes;
    ClickOn(form, "cmdprint");

    const QString info = pdfInfo(pdf);
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
    const QRegularExpressionMatch size = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+)").match(info);
    ASSERT_TRUE(size.hasMatch());
    EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble()) << "landscape";
    EXPECT_TRUE(test::pdfText(pdf).trimmed().isEmpty()) << "no names and no markers";
    EXPECT_TRUE(boxes.seen().isEmpty());
}

TEST_F(Tournament, ThePrintDialogStartsAtTheCopiesTypedBesideIt)
{
    Tournieform *form = chart(8);
    int offered = 0;
    SetPrintDialogForTests([&offered](QPrinter &printer) {
        offered = printer.copyCount();
        return false;
    });
    const std::pair<const char *, int> rows[] = {{"3", 3}, {"1", 1},   {"", 1},    {"0", 1},
                                                 {"abc", 1}, {"2.6", 3}, {"500", 99}};
    for (const auto &[typed, copies] : rows) {
        Find<QLineEdit>(form, "Text6")->setText(typed);
        ClickOn(form, "cmdprint");
        EXPECT_EQ(offered, copies) << typed;
    }
}

// Where no window manager hands the keyboard back, the chart takes it when
// the print dialog closes.
TEST_F(Tournament, AfterThePrintDialogTheChartHasTheKeyboard)
{
    QTemporaryDir dir;
    Tournieform *form = chart(8);
    EXPECT_TRUE(QTest::qWaitFor([form] { return QApplication::activeWindow() == form->window(); }, 1000));
    const PrintDialogStandIn toFile = PrintToPdfFile(dir.filePath("chart.pdf"), 1);
    SetPrintDialogForTests([&toFile](QPrinter &printer) {
        QWidget dialog;
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == &dialog; }, 1000));
        return toFile(printer);
    });
    ClickOn(form, "cmdprint");
    EXPECT_TRUE(QTest::qWaitFor([form] { return QApplication::activeWindow() == form->window(); }, 1000));
}

TEST_F(Tournament, PrintingThatCannotStartPrintsNothing)
{
    QTemporaryDir dir;
    Tournieform *form = chart(8);
    SetPrintDialogForTests(CancelPrinting());
    {
        BoxAnswers boxes;
        ClickOn(form, "cmdprint");
        EXPECT_TRUE(boxes.seen().isEmpty()) << "a cancelled dialog shows nothing";
    }
    const QString unwritable = dir.filePath("missing/chart.pdf");
    SetPrintDialogForTests(PrintToPdfFile(unwritable, 1));
    BoxAnswers boxes;
    ClickOn(form, "cmdprint");
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
    EXPECT_EQ(TextOf(form, "Text6"), "1");
    EXPECT_FALSE(Find<QLineEdit>(form, "Text5")->isVisible());
    ClickOn(form, "command5");
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
    auto *close = Find<chameleonButton>(form, "command5");
    scroller->ensureWidgetVisible(close);
    EXPECT_TRUE(scroller->viewport()->rect().contains(close->mapTo(scroller->viewport(), close->rect().bottomRight())));
}
