#include "table/printweekly.h"

#include "table/tablewindows.h"

#include "model/league.h"
#include "model/legs.h"
#include "model/teamscoring.h"
#include "model/settings.h"
#include "platform/drawtarget.h"
#include "platform/printing.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "shelltest.h"
#include "testfiles.h"
#include "testleague.h"
#include "ui/chameleonbutton.h"
#include "ui/twips.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

namespace fixtora {
namespace {

class TableScreen : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        LoadForm<Main>();  // its start-up resets the league: build the league after it
        test::TestLeague league = test::PlayerLeague(4);
        league.scoresEntered = true;
        test::BuildTestLeague(league);
        gEachGameIs = "Frame";
        setList(gTableOrder, {"Index", "Name", "Points"});
        setList(gTableShow, {"Index", "Name", "Points"});
        setList(gSortOrder, {"Points", "Wins", "Name"});
        gTableRefresh = 0;
        gScreenWidth = 1024;
    }
    void TearDown() override
    {
        UnloadForm<PrintWeekly>();
        ProcessUnloads();
        SetPrintDialogForTests({});
        ShellTest::TearDown();
    }

    template <std::size_t N>
    static void setList(std::array<QString, N> &list, QStringList values)
    {
        list.fill(QString());
        for (int i = 0; i < values.size(); ++i)
            list[i + 1] = values[i];
    }

    PrintWeekly *open()
    {
        ShowPrintWeekly();
        Tick();
        return LoadForm<PrintWeekly>();
    }
    static PrintWeekly *screen() { return LoadForm<PrintWeekly>(); }

    // The table as the HTML export writes it (and says where), one line per table row.
    QStringList exported()
    {
        Find<QLineEdit>(screen(), "htmlout")->setText(dir.filePath("table.html"));
        BoxAnswers boxes;
        ClickOn(screen(), "htmlfix");
        EXPECT_TRUE(boxes.texts().value(0).contains(dir.filePath("table.html")));
        const QStringList lines = QString::fromUtf8(test::readAll(dir.filePath("table.html"))).split("\r\n");
        QStringList rows;
        QString row;
        for (const QString &line : lines) {
            if (line == "<tr>")
                row.clear();
            else if (line == "</tr>")
                rows << row;
            else if (line.startsWith("<td><p align=center>"))
                row += (row.isEmpty() ? "" : "|") + line.mid(20).chopped(9);
        }
        return rows;
    }

    // The picture as a screen reader reads it: the headings of the first
    // row's cells, then every row, cells joined by "|".
    static QStringList readAloud()
    {
        QAccessibleTableInterface *table =
            QAccessible::queryAccessibleInterface(Find<PictureBox>(screen(), "Picture1"))->tableInterface();
        QStringList rows(table ? table->rowCount() + 1 : 0);
        for (int r = 0; table && r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c) {
                QAccessibleInterface *cell = table->cellAt(r, c);
                const QString bar = c ? "|" : "";
                if (r == 0)
                    rows[0] += bar + cell->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name);
                rows[r + 1] += bar + cell->text(QAccessible::Name);
            }
        return rows;
    }

    QTemporaryDir dir;
};

TEST_F(TableScreen, TheFirstTickComputesAndDrawsTheTable)
{
    ShowPrintWeekly();
    EXPECT_FALSE(gTableShown);
    Tick();
    EXPECT_TRUE(gTableShown);
    const QStringList rows = exported();
    EXPECT_EQ(rows.size(), 5);
    EXPECT_EQ(rows[0], "Index|Name|Points");
    EXPECT_TRUE(rows[1].startsWith("1|")) << rows[1].toStdString();
    EXPECT_EQ(readAloud(), rows) << "a screen reader reads the table as drawn";
    // Tab from the controls above reaches the table; the cell the arrows reach is heard, on the picture.
    auto *table = Find<PictureBox>(screen(), "Picture1");
    Find<QWidget>(screen(), "Command1")->setFocus();
    QTest::keyClick(Find<QWidget>(screen(), "Command1"), Qt::Key_Tab);
    ASSERT_TRUE(table->hasFocus());
    QTest::keySequence(table, QKeySequence(Qt::Key_Down, Qt::Key_Right, Qt::Key_End));
    QAccessibleInterface *cell = QAccessible::queryAccessibleInterface(table)->focusChild();
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), rows[2].section('|', 2, 2));
    EXPECT_TRUE(QRect(table->mapToGlobal(QPoint(0, 0)), table->size()).contains(cell->rect()));
    const QImage picture = table->Image();
    int ink = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ink += qGray(picture.pixel(x, y)) < 128;
    EXPECT_GT(ink, 1000) << "the grid and the texts are drawn";
}

TEST_F(TableScreen, TheOptionsDialogsRequestIsFollowedWithinATick)
{
    open();
    const QStringList before = exported();
    setList(gTableOrder, {"Name", "Played"});
    setList(gTableShow, {"Name", "Played"});
    setList(gSortOrder, {"Name"});
    gPlayerNames[1] = "zed";
    Tick();
    QStringList unchanged{"Name|Played"};
    for (const QString &row : before.mid(1))
        unchanged << row.section('|', 1, 1) + "|3";
    EXPECT_EQ(exported(), unchanged) << "no request: the computed table stands";
    gTableRefresh = 50;
    Tick();
    EXPECT_EQ(gTableRefresh, 0);
    EXPECT_EQ(exported(), QStringList({"Name|Played", "Player 2|3", "Player 3|3", "Player 4|3", "zed|3"}));
}

TEST_F(TableScreen, RefreshAndShowDateRecompute)
{
    open();
    const QStringList first = exported();
    ClickOn(screen(), "Command1");
    ClickOn(screen(), "Command1");
    EXPECT_EQ(exported(), first);
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    const QString dateLine = "<p align=center>" + today + "</p>";
    auto page = [&] { return QString::fromUtf8(test::readAll(dir.filePath("table.html"))); };
    EXPECT_FALSE(page().contains(dateLine));
    const QImage undated = Find<PictureBox>(screen(), "Picture1")->Image();
    Find<QCheckBox>(screen(), "Check1")->click();
    EXPECT_NE(Find<PictureBox>(screen(), "Picture1")->Image(), undated) << "the date line is drawn";
    auto *picture = QAccessible::queryAccessibleInterface(Find<PictureBox>(screen(), "Picture1"));
    EXPECT_TRUE(picture->text(QAccessible::Name).contains(today)) << "and read with the table";
    exported();
    EXPECT_TRUE(page().contains(dateLine));
}

TEST_F(TableScreen, ThePictureIsSizedByTheScreenWidth)
{
    const struct {
        int screen, width, height;
    } cases[] = {{800, 5860, 6760}, {1024, 8000, 9390}, {1280, 9415, 10575}};
    for (const auto &c : cases) {
        gScreenWidth = std::int16_t(c.screen);
        open();
        const QWidget *picture = Find<QWidget>(screen(), "Picture1");
        EXPECT_EQ(picture->size(), QSize(TwipsToPixelsX(c.width), TwipsToPixelsY(c.height))) << c.screen;
        const QWidget *frame3 = Find<QWidget>(screen(), "Frame3");
        EXPECT_GE(frame3->mapTo(LoadForm<PrintWeekly>(), QPoint()).x(),
                  picture->mapTo(LoadForm<PrintWeekly>(), QPoint(picture->width(), 0)).x())
            << c.screen;
        UnloadForm<PrintWeekly>();
        ProcessUnloads();
    }
}

// On paper every name is whole, also sixteen capitals in a grid of eight
// wide columns, which is drawn smaller.
TEST_F(TableScreen, PrintingGivesOneCompletePagePerCopy)
{
    gPlayerNames[2] = QStringLiteral("WOLVERHAMPTON WW");
    setList(gTableOrder, {"Index", "Name", "Difference", "Points +/-", "Points +", "Points -", "Played", "Points"});
    setList(gTableShow, {"Index", "Name", "Difference", "Points +/-", "Points +", "Points -", "Played", "Pts"});
    open();
    const QString pdf = dir.filePath("table.pdf");
    SetPrintDialogForTests(CancelPrinting());
    ClickOn(screen(), "command2");
    EXPECT_FALSE(QFile::exists(pdf));
    SetPrintDialogForTests(PrintToPdfFile(pdf, 3));
    QTest::keyClick(Find<QWidget>(screen(), "Command1"), Qt::Key_P, Qt::ControlModifier);
    EXPECT_FALSE(gPrinting);
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished());
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_EQ(text.count('\f'), 3);
    EXPECT_EQ(text.count("Tuesday Pool"), 3);
    EXPECT_EQ(text.count("Player 4"), 3);
    EXPECT_EQ(text.count("WOLVERHAMPTON WW"), 3);
    EXPECT_EQ(text.count("Pts"), 3) << "the Points column is headed as chosen";
}

TEST_F(TableScreen, TheMainMenusLeagueTableOpensTheScreenInItsPlace)
{
    RegisterTableWindows();
    ShowMainMenu();
    gLeagueOnDisk = true;
    Tick();
    ClickOn(LoadForm<MainWizard>(), "printweeklyscores");
    Tick();
    ASSERT_NE(LoadedForm<PrintWeekly>(), nullptr);
    EXPECT_TRUE(LoadedForm<PrintWeekly>()->isVisible());
    EXPECT_FALSE(LoadForm<MainWizard>()->isVisible());
    EXPECT_TRUE(gTableShown);
}

TEST_F(TableScreen, CloseBringsBackTheMainMenu)
{
    ShowMainMenu();
    LoadForm<Main>()->HideMdiChild(LoadForm<MainWizard>());
    open();
    ClickOn(screen(), "command3");
    ProcessUnloads();
    EXPECT_FALSE(gTableShown);
    EXPECT_EQ(LoadedForm<PrintWeekly>(), nullptr);
    EXPECT_TRUE(LoadForm<MainWizard>()->isVisible());
}

TEST_F(TableScreen, PlayerStatsDrawTheRankingInThePicture)
{
    test::TestLeague league = test::TeamLeague(4);
    league.scoresEntered = true;
    test::BuildTestLeague(league);
    open();
    auto *picture = Find<PictureBox>(screen(), "Picture1");
    const QImage table = picture->Image();
    ClickOn(screen(), "Command5");
    PictureBox expected;
    expected.resize(picture->size());
    DrawPlayerRanking(expected, ComputePlayerRanking(), gTableName, QString(), gEachGameIs);
    EXPECT_NE(picture->Image(), table);
    EXPECT_EQ(picture->Image(), expected.Image());
    const QStringList read = readAloud();
    EXPECT_EQ(read.size(), ComputePlayerRanking().size() + 1);
    EXPECT_EQ(read.value(1).section('|', 1, 1), ComputePlayerRanking().value(0).name) << "the ranking is read";
}

TEST_F(TableScreen, ALongRankingMakesThePictureTallerUntilTheTableIsDrawnAgain)
{
    test::TestLeague league = test::TeamLeague(8);
    league.scoresEntered = true;
    test::BuildTestLeague(league);
    // The first positions of every side played by the team's own squad.
    auto playPositions = [](int positions) {
        for (int k = 1; k < gPosPlayer.size(); ++k) {
            const int slot = (k - 1) / kTeamGames + 1, position = (k - 1) % kTeamGames + 1;
            gPosPlayer[k] = position <= positions ? gTeamSquads[EntryOfCode(gFixtureSlots[slot])][position] : QString();
        }
    };
    open();
    auto *picture = Find<PictureBox>(screen(), "Picture1");
    const QSize table = picture->size();
    const struct {
        int positions, players;
        QSize ranking;
    } cases[] = {
        {3, 24, table},
        {8, 64, QSize(table.width(), qCeil(table.height() * RankingDepth(64) / 7.5))},
    };
    for (const auto &c : cases) {
        playPositions(c.positions);
        ClickOn(screen(), "Command5");
        EXPECT_EQ(ComputePlayerRanking().size(), c.players);
        EXPECT_EQ(picture->size(), c.ranking) << c.players << " players";
        ClickOn(screen(), "Command1");
        EXPECT_EQ(picture->size(), table) << "the table after " << c.players << " players";
    }
}

TEST_F(TableScreen, AFailedExportIsReportedAndNothingIsUploaded)
{
    open();
    Find<QLineEdit>(screen(), "htmlout")->setText(dir.filePath("missing/folder/table.html"));
    Find<QLineEdit>(screen(), "Text2")->setText("ftp://127.0.0.1:1");
    Find<QLineEdit>(screen(), "Text1")->setText("table.html");
    BoxAnswers boxes;
    ClickOn(screen(), "htmlfix");
    ClickOn(screen(), "webme");
    ASSERT_EQ(boxes.seen().size(), 2);
    for (const SeenBox &box : boxes.seen()) {
        EXPECT_EQ(box.kind, "system");
        EXPECT_TRUE(box.text.contains("table.html")) << box.text.toStdString();
        EXPECT_FALSE(box.text.contains("not uploaded")) << box.text.toStdString();
    }
    EXPECT_TRUE(Find<QWidget>(screen(), "webme")->isEnabled());
}

TEST_F(TableScreen, TheUploadsOutcomeIsShownWhenItEnds)
{
    open();
    Find<QLineEdit>(screen(), "htmlout")->setText(dir.filePath("table.html"));
    Find<QLineEdit>(screen(), "Text1")->setText("table.html");
    Find<QLineEdit>(screen(), "Text2")->setText("file:///tmp");
    Find<QLineEdit>(screen(), "Text4")->setText("Secret99");
    BoxAnswers boxes;
    ClickOn(screen(), "webme");
    ASSERT_TRUE(QTest::qWaitFor([&boxes] { return !boxes.seen().isEmpty(); }, 10000));
    ASSERT_EQ(boxes.seen().size(), 1);
    EXPECT_TRUE(boxes.seen()[0].text.contains("Only ftp://")) << boxes.seen()[0].text.toStdString();
    EXPECT_FALSE(boxes.seen()[0].text.contains("Secret99"));
    EXPECT_TRUE(QFile::exists(dir.filePath("table.html")));
}

TEST_F(TableScreen, UploadDetailsThatMayNotBeSentAreRefusedAtOnce)
{
    open();
    Find<QLineEdit>(screen(), "htmlout")->setText(dir.filePath("table.html"));
    Find<QLineEdit>(screen(), "Text1")->setText("table.html");
    Find<QLineEdit>(screen(), "Text2")->setText("ftp://127.0.0.1:1");
    Find<QLineEdit>(screen(), "Text4")->setText("Secret99\r\nDELE /victim.txt");
    BoxAnswers boxes;
    ClickOn(screen(), "webme");
    ASSERT_EQ(boxes.seen().size(), 1);
    EXPECT_TRUE(boxes.seen()[0].text.contains("password")) << boxes.seen()[0].text.toStdString();
    EXPECT_FALSE(boxes.seen()[0].text.contains("Secret99"));
    EXPECT_TRUE(Find<QWidget>(screen(), "webme")->isEnabled());
}

} // namespace
} // namespace fixtora
