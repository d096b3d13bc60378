#include "shelltest.h"

#include "model/league.h"
#include "model/leaguerules.h"
#include "model/tournament.h"
#include "platform/drawtarget.h"
#include "platform/filechooser.h"
#include "platform/printing.h"
#include "shell/addhelp.h"
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
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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
// outside it, leaving aside the edges of the cells the keyboard's outline was
// or is on.
struct Changes {
    int inside = 0;
    int outside = 0;
};
Changes changes(const QImage &before, const QImage &after, const QPolygonF &cell, const QList<QPolygonF> &outlined)
{
    Changes found;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x) {
            if (before.pixel(x, y) == after.pixel(x, y))
                continue;
            const double depth = depthIn(cell, x, y);
            found.inside += depth > 0;
            found.outside += depth < -1 && std::all_of(outlined.begin(), outlined.end(), [&](const QPolygonF &edges) {
                                 return std::abs(depthIn(edges, x, y)) > 1.5;
                             });
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
        SetFileChooser({});
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

    // The wizard's two pages: the count (unless 0: typed already), then names
    // added with Return, then Next.
    Tournieform *chart(int players, const QStringList &names = {})
    {
        if (players > 0)
            next(QString::number(players));
        tourwiz *wizard = LoadedForm<tourwiz>();
        for (const QString &name : names) {
            Find<QLineEdit>(wizard, "txtEntrant")->setText(name);
            QTest::keyClick(Find<QLineEdit>(wizard, "txtEntrant"), Qt::Key_Return);
        }
        ClickOn(wizard, "cmdStart");
        return LoadedForm<Tournieform>();
    }

    QPointF middleOf(int entrants, int slot)
    {
        const QList<QPointF> cell = SlotCell(entrants, slot);
        return (cell[0] + cell[2]) / 2;
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
    EXPECT_EQ(frame->mapTo(wizard, QPoint()),
              QPoint(wizard->width() / 2 - frame->width() / 2, wizard->height() / 2 - frame->height() / 2));
    EXPECT_EQ(QApplication::focusWidget(), Find<QLineEdit>(wizard, "txtName"));
    QPalette dark;  // a dark desktop theme: the labels' boxes and text follow it
    dark.setColor(QPalette::Base, Qt::black);
    dark.setColor(QPalette::Text, Qt::white);
    wizard->setPalette(dark);
    for (const char *name : {"Label1", "lblName", "lblTitle", "lblEntrant"}) {
        QLabel *label = Find<QLabel>(wizard, name);
        EXPECT_EQ(label->grab().toImage().pixelColor(0, 0), QColor(Qt::black)) << name;
        EXPECT_EQ(label->palette().color(label->foregroundRole()), QColor(Qt::white)) << name;
    }
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

// The count typed or the names added, whichever is more; refused names are
// not added; the title reaches the chart.
TEST_F(Tournament, TheNamesPageSetsUpTheChartInTheWizardsPlace)
{
    struct Row {
        const char *typed;
        QStringList names;
        int entrants, refused;
    };
    const Row rows[] = {{"16 abc", {}, 16, 0},
                        {"5", {"Ann", "An\u200Bn", "7", "\uFEFFBob"}, 8, 2},
                        {"4", {"A", "B", "C", "D", "E"}, 8, 0}};
    for (const Row &row : rows) {
        next(row.typed);
        tourwiz *wizard = LoadedForm<tourwiz>();
        ASSERT_NE(wizard, nullptr);
        EXPECT_TRUE(Find<QWidget>(wizard, "namesFrame")->isVisible()) << row.typed;
        EXPECT_TRUE(QTest::qWaitFor([wizard] { return Find<QWidget>(wizard, "txtEntrant")->hasFocus(); }, 1000));
        TypeInto(wizard, "txtTitle", "Spring Cup");
        BoxAnswers boxes;
        Tournieform *form = chart(0, row.names);
        EXPECT_EQ(boxes.seen().size(), row.refused) << row.typed;
        ASSERT_NE(form, nullptr) << row.typed;
        EXPECT_EQ(LoadedForm<tourwiz>(), nullptr);
        EXPECT_EQ(gTourEntrants, row.entrants) << row.typed;
        EXPECT_EQ(gChartEntrants, row.entrants) << "drawn on load";
        EXPECT_EQ(gTourNames[1], row.names.value(0, "1")) << row.typed;
        EXPECT_EQ(gTourNames[3], TypedName(gTourNames[3])) << "kept as cleaned";
        EXPECT_EQ(TextOf(form, "Label1"), "Spring Cup");
        UnloadForm<Tournieform>();
        ProcessUnloads();
    }
}

TEST_F(Tournament, TheNamesPagesRemoveAndHelp)
{
    next("6");
    tourwiz *wizard = LoadedForm<tourwiz>();
    for (const char *name : {"Ann", "Bob"}) {
        TypeInto(wizard, "txtEntrant", name);
        ClickOn(wizard, "cmdAdd");
    }
    auto *list = Find<QListWidget>(wizard, "lstNames");
    list->setCurrentRow(0);
    ClickOn(wizard, "cmdRemove");
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "Bob");
    ClickOn(wizard, "cmdHelp");
    ASSERT_NE(LoadedForm<Addhelp>(), nullptr);
    EXPECT_TRUE(LoadedForm<Addhelp>()->isVisible());
    UnloadForm<Addhelp>();
    ClickOn(wizard, "cmdNamesCancel");
    EXPECT_EQ(LoadedForm<tourwiz>(), nullptr);
    EXPECT_NE(LoadedForm<MainWizard>(), nullptr);
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
        if (row.chart)
            ClickOn(wizard, "cmdStart");
        EXPECT_EQ(LoadedForm<tourwiz>(), nullptr) << row.what;
        EXPECT_EQ(LoadedForm<Tournieform>() != nullptr, row.chart) << row.what;
        EXPECT_EQ(LoadedForm<MainWizard>() != nullptr, !row.chart) << row.what;
        if (row.chart) {
            BoxAnswers boxes({"Don't Save"});
            ClickOn(LoadedForm<Tournieform>(), "command5");
        }
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

TEST_F(Tournament, AClickMovesTheEntrantInItsCellOn)
{
    Tournieform *form = chart(16);
    const QList<ChartColumn> columns = ChartColumns(16);
    struct Row {
        QPointF at;
        int slot;
        QString reached;  // slot 17
    };
    const Row rows[] = {
        {middleOf(16, 1), 1, "1"},
        {middleOf(16, 2), 2, "2"},   // the other of the pair: the winner changes
        {{1.0, 0.2}, 2, "2"},        // above the chart: nothing
        {{7.95, 5.25}, 2, "2"},      // right of the chart
        {{7.5, 5.25}, 31, "2"},      // the final's cell, undecided: nothing moves
    };
    for (const Row &row : rows) {
        clickChart(form, row.at.x(), row.at.y());
        EXPECT_EQ(gSelectedSlot, row.slot) << row.at.x() << "," << row.at.y();
        EXPECT_NEAR(gClickX, row.at.x(), 0.02);
        EXPECT_NEAR(gClickY, row.at.y(), 0.03);
        EXPECT_EQ(gTourNames[17], row.reached) << row.at.x() << "," << row.at.y();
    }
    EXPECT_TRUE(gTourChanged);
}

// Entrants of charts of 16 and 64 moved on, on the picture of a 1024x768
// screen and of a large one: the name's ink lies in the cell it reached
// (the chosen cell takes the keyboard's outline).
TEST_F(Tournament, AWinnersNameIsWrittenWhollyInsideTheCellItReached)
{
    struct Row {
        int entrants, slot;
        QSize screen;
    };
    const Row rows[] = {
        {16, 1, {1024, 768}}, {16, 16, {1024, 768}}, {64, 1, {1024, 768}}, {64, 40, {1024, 768}}, {64, 1, {1920, 1080}},
    };
    for (const Row &row : rows) {
        LoadForm<Main>()->resize(row.screen);
        Tournieform *form = chart(row.entrants);
        QCoreApplication::processEvents();
        auto *piccy = Find<PictureBox>(form, "piccy");
        const int next = NextSlot(row.entrants, row.slot);
        const QPolygonF cell = cellOnPicture(row.entrants, next, piccy);
        const QPolygonF chosen = cellOnPicture(row.entrants, row.slot, piccy);
        const QImage bare = piccy->Image();
        const QPointF middle = middleOf(row.entrants, row.slot);
        clickChart(form, middle.x(), middle.y());
        ASSERT_EQ(gTourNames[next], QString::number(row.slot)) << row.entrants;
        const Changes name = changes(bare, piccy->Image(), cell, {chosen, cellOnPicture(row.entrants, 1, piccy)});
        EXPECT_GT(name.inside, 10) << row.entrants << " slot " << row.slot;
        EXPECT_EQ(name.outside, 0) << row.entrants << " slot " << row.slot;
        UnloadForm<Tournieform>();
        ProcessUnloads();
    }
}

TEST_F(Tournament, EveryoneInTheChartIsWrittenAndNoBye)
{
    Tournieform *form = chart(5, {"Ann", "Bob", "Cath", "Dee", "Eve"});
    RecordingTarget surface({622, 454});
    form->displaynames(surface);
    form->DrawNames(surface);
    QStringList written = surface.Texts();
    written.sort();
    EXPECT_EQ(written, QStringList({"Ann", "Ann", "Bob", "Bob", "Cath", "Cath", "Dee", "Eve"}));
}

// The picture keeps the chart's proportions and its place left of the
// commands; a window of a new size draws the chart and its marks again.
TEST_F(Tournament, TheChartFillsThePictureAreaAtEveryScreenSize)
{
    Tournieform *form = chart(64);
    auto *piccy = Find<PictureBox>(form, "piccy");
    clickChart(form, 0.3, 5.1);  // first round, just above the centre: on to slot 80
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
        EXPECT_GT(inkInside(image, cellOnPicture(64, 80, piccy)), 0) << "the winner drawn again at " << screen.width();
        height = piccy->height();
    }
    EXPECT_GE(height / 64, 13) << "first-round cells of a large screen";
}

TEST_F(Tournament, PrintingSendsTitleNamesAndWinnersInLandscapeOnePagePerCopy)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("chart.pdf");
    Tournieform *form = chart(4, {"Ann", "Bob", "Cath", "Dee"});
    for (int slot : {1, 3, 5})
        clickChart(form, middleOf(4, slot).x(), middleOf(4, slot).y());
    gTourTitle = "Spring Cup";
    SetPrintDialogForTests(PrintToPdfFile(pdf, 2));
    BoxAnswers boxes;
    ClickOn(form, "cmdprint");

    const QString info = pdfInfo(pdf);
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
    const QRegularExpressionMatch size = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+)").match(info);
    ASSERT_TRUE(size.hasMatch());
    EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble()) << "landscape";
    const QString text = test::pdfText(pdf).remove(QRegularExpression("\\s"));  // turned text comes apart
    EXPECT_EQ(text.count("SpringCup"), 2) << text.toStdString();
    EXPECT_EQ(text.count("Dee"), 2);
    EXPECT_EQ(text.count("Ann"), 2 * 4) << "first round, final, champion's cell and line";
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

// The chart takes the keyboard; a screen reader reads the cell the keys are on where it is drawn, and where winners go.
TEST_F(Tournament, TheArrowsMoveBetweenCellsSpaceOrReturnChoosesAndEscapeCloses)
{
    Tournieform *form = chart(4, {"Ann", "Bob", "Cath", "Dee"});
    auto *piccy = Find<PictureBox>(form, "piccy");
    EXPECT_TRUE(QTest::qWaitFor([piccy] { return piccy->hasFocus(); }, 1000));
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Space, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return, Qt::Key_Right})
        QTest::keyClick(piccy, key);
    EXPECT_EQ(gTourNames[5], "Bob");
    EXPECT_EQ(gTourNames[6], "Dee");
    QAccessibleInterface *notice = QAccessible::queryAccessibleInterface(piccy->findChild<QWidget *>("announcer"));
    ASSERT_TRUE(notice && notice->role() == QAccessible::Notification);
    EXPECT_EQ(notice->text(QAccessible::Name), "Dee to the final");
    QTest::keyClick(piccy, Qt::Key_Return);
    EXPECT_EQ(notice->text(QAccessible::Name), "Champion: Dee");
    QAccessibleInterface *cell = QAccessible::queryAccessibleInterface(piccy)->focusChild();
    ASSERT_TRUE(cell && cell->state().focused);
    EXPECT_EQ(cell->text(QAccessible::Name), SlotDescription(4, 6));
    const QRect drawn = cellOnPicture(4, 6, piccy).boundingRect().toAlignedRect();
    EXPECT_LE((cell->rect().topLeft() - piccy->mapToGlobal(drawn.topLeft())).manhattanLength(), 2);
    EXPECT_LE((cell->rect().bottomRight() - piccy->mapToGlobal(drawn.bottomRight())).manhattanLength(), 2);
    BoxAnswers boxes({"Don't Save"});
    QTest::keyClick(piccy, Qt::Key_Escape);
    EXPECT_EQ(boxes.seen().size(), 1) << "Escape is Close";
    EXPECT_EQ(LoadedForm<Tournieform>(), nullptr);
}

// A changed first-round winner after the final: Cancel keeps it, Change clears it.
TEST_F(Tournament, AChangeThatTakesBackLaterResultsIsMadeOnlyWhenAgreed)
{
    Tournieform *form = chart(4, {"Ann", "Bob", "Cath", "Dev"});
    for (int slot : {1, 4, 5})
        clickChart(form, middleOf(4, slot).x(), middleOf(4, slot).y());
    const QString undone = ChangeWords(4, ChangeOfWinner(4, 3));
    for (const char *answer : {"Cancel", "Change"}) {
        BoxAnswers boxes({answer});
        clickChart(form, middleOf(4, 3).x(), middleOf(4, 3).y());
        EXPECT_TRUE(boxes.seen().size() == 1 && boxes.seen()[0].text.endsWith(undone)) << answer;
        EXPECT_EQ(Champion(4).isEmpty(), answer == std::string("Change"));
    }
    EXPECT_EQ(gTourNames[6], "Cath");
    EXPECT_TRUE(TextOf(form, "lblChampion").isEmpty());
}

// Save asks for the file, adds the extension and leaves the open league's
// file alone; a failure names the file and keeps the tournament unsaved.
TEST_F(Tournament, SaveWritesTheTournamentFileTheDialogNames)
{
    QTemporaryDir dir;
    gLeagueFile = dir.filePath("club.tbl");
    Tournieform *form = chart(4, {"Ann", "Bob"});
    QString chosen = dir.filePath("cup");
    SetFileChooser([&chosen](const FileDialogRequest &) { return chosen; });
    QTest::keyClick(Find<QWidget>(form, "piccy"), Qt::Key_S, Qt::ControlModifier);   // Save's key
    EXPECT_TRUE(QFile::exists(chosen + ".tr"));
    EXPECT_EQ(gLeagueFile, dir.filePath("club.tbl"));
    EXPECT_FALSE(gTourChanged);
    // Another file is replaced only on Yes; then it is the tournament's own.
    chosen = dir.filePath("other.tr");
    test::writeAll(chosen, "kept");
    for (const QString answer : {"No", "Yes", ""}) {
        BoxAnswers boxes({answer});
        ClickOn(form, "cmdsave");
        EXPECT_EQ(boxes.seen().size(), answer.isEmpty() ? 0 : 1) << answer.toStdString();
        EXPECT_EQ(test::readAll(chosen) == "kept", answer == "No") << answer.toStdString();
    }

    clickChart(form, middleOf(4, 1).x(), middleOf(4, 1).y());
    chosen = dir.filePath("folder.tr");
    QDir(dir.path()).mkdir("folder.tr");
    BoxAnswers boxes;
    ClickOn(form, "cmdsave");
    ASSERT_EQ(boxes.seen().size(), 1);
    EXPECT_EQ(boxes.seen()[0].kind, "system");
    EXPECT_TRUE(boxes.seen()[0].text.contains("folder.tr"));
    EXPECT_TRUE(gTourChanged);
}

// Closing an unsaved tournament: Cancel keeps the chart, Save saves it
// through the dialog and closes it.
TEST_F(Tournament, CloseAsksToSaveAnUnsavedTournament)
{
    QTemporaryDir dir;
    Tournieform *form = chart(4);
    SetFileChooser([&dir](const FileDialogRequest &) { return dir.filePath("cup.tr"); });
    for (const char *answer : {"Cancel", "Save"}) {
        BoxAnswers boxes({answer});
        ClickOn(form, "command5");
        EXPECT_EQ(boxes.seen().size(), 1) << answer;
    }
    EXPECT_EQ(LoadedForm<Tournieform>(), nullptr);
    EXPECT_TRUE(QFile::exists(dir.filePath("cup.tr")));
    chart(4);
    {
        BoxAnswers boxes({"Cancel", "Cancel"});
        Find<QAction>(LoadForm<Main>(), "Exit")->trigger();
        EXPECT_EQ(boxes.seen().size(), 1) << "the program's Exit asks too";
        EXPECT_EQ(programEnds, 0);
        ShowTaskWindow(TaskWindow::tourwiz);
        chart(4);
        EXPECT_EQ(boxes.seen().size(), 2) << "a new tournament's start asks first";
    }
    UnloadForm<tourwiz>();

    // Opened again from the main menu; a damaged file is refused there.
    const QString damaged = dir.filePath("damaged.tr");
    test::writeAll(damaged, "not a tournament");
    for (const QString &file : {damaged, dir.filePath("cup.tr")}) {
        SetFileChooser([&file](const FileDialogRequest &) { return file; });
        BoxAnswers boxes({"Don't Save"});
        ClickOn(LoadForm<MainWizard>(), "opentable");
        EXPECT_EQ(boxes.seen().size(), file == damaged ? 2 : 0) << file.toStdString();
        EXPECT_EQ(LoadedForm<Tournieform>() != nullptr, file != damaged);
    }
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
