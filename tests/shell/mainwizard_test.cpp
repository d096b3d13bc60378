#include "shelltest.h"

#include "model/filedialogs.h"
#include "model/league.h"
#include "model/leaguefile.h"
#include "shell/customise.h"
#include "shell/forms.h"
#include "shell/frmmainhelp.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "ui/chameleonbutton.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace fixtora;

namespace {

const QString kNoLeague = "Fixtora         Current League :none";
const QString kNoLeagueTip = "You must open/create a league first";
const QString kCloseQuestion = "This will close your existing league(Y/N)?";

class MainMenu : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        ShowMainMenu();
        RecordTaskWindows();
    }
    void TearDown() override
    {
        SetFileChooser({});
        ShellTest::TearDown();
    }

    MainWizard *menu() { return LoadForm<MainWizard>(); }
    chameleonButton *button(const char *name) { return menu()->findChild<chameleonButton *>(name); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    QString caption() { return LoadForm<Main>()->windowTitle(); }

    // An open league that is in a file.
    void openLeagueOnDisk()
    {
        gTableName = "Div 1";
        gLeagueOnDisk = true;
        Tick();
    }
};

} // namespace

TEST_F(MainMenu, AtFirstShowNoLeagueIsOpenAndTheLeagueButtonsAreOff)
{
    Tick();
    EXPECT_EQ(caption(), kNoLeague);
    EXPECT_EQ(menu()->findChild<QLabel *>("lblVersion")->text(), "V 1.40");
    for (const char *name : {"printtable", "printweeklyscores"}) {
        EXPECT_FALSE(button(name)->isEnabled()) << name;
        EXPECT_EQ(button(name)->toolTip(), kNoLeagueTip) << name;
    }
    EXPECT_TRUE(button("createtable")->isEnabled());
    const QWidget *frame = menu()->findChild<QWidget *>("FrameMainWizard");
    EXPECT_EQ(frame->pos(), QPoint(menu()->width() / 2 - frame->width() / 2, menu()->height() / 2 - frame->height() / 2));
    EXPECT_GT(frame->x(), 0);
}

TEST_F(MainMenu, AReloadAfterAResetNamesNoLeague)
{
    UnloadForm<MainWizard>();
    ProcessUnloads();
    gTableName.clear();
    ShowMainMenu();
    EXPECT_EQ(caption(), "Fixtora         Current League : none");
}

TEST_F(MainMenu, TheTimerFollowsTheLeagueOnDiskAndTheCaptionRequest)
{
    gLeagueOnDisk = true;
    gTableName = "Tuesday Pool";
    Tick();
    EXPECT_TRUE(button("printtable")->isEnabled());
    EXPECT_TRUE(button("printweeklyscores")->isEnabled());
    EXPECT_EQ(caption(), kNoLeague);
    gFixturesClosed = true;
    Tick();
    EXPECT_EQ(caption(), "Fixtora         Current League :Tuesday Pool");
    EXPECT_FALSE(gFixturesClosed);
    gLeagueOnDisk = false;
    Tick();
    EXPECT_FALSE(button("printtable")->isEnabled());
}

TEST_F(MainMenu, CreateNewLeagueAsksFirstWhenALeagueIsOnDisk)
{
    openLeagueOnDisk();
    {
        BoxAnswers boxes({"No"});
        click("createtable");
        ASSERT_EQ(boxes.seen().size(), 1);
        EXPECT_EQ(boxes.seen()[0].kind, "system");
        EXPECT_EQ(boxes.seen()[0].text, kCloseQuestion);
    }
    EXPECT_EQ(gTableName, "Div 1");
    EXPECT_TRUE(gLeagueOnDisk);
    EXPECT_TRUE(taskEvents.isEmpty());
    EXPECT_TRUE(menu()->isVisible());

    BoxAnswers boxes({"Yes"});
    click("createtable");
    EXPECT_EQ(boxes.seen().size(), 1);
    EXPECT_EQ(gTableName, "");
    EXPECT_FALSE(gLeagueOnDisk);
    EXPECT_EQ(gLeagueType, 1);
    EXPECT_TRUE(gDatesPending);
    EXPECT_TRUE(gFixturesClosed);
    EXPECT_FALSE(menu()->isVisible());
    EXPECT_EQ(taskEvents, QStringList({"unload Wizard1", "unload Wizard3", "unload Wizard5", "unload changename",
                                       "unload customdates", "unload Tableform", "unload Tournieform",
                                       "unload tourwiz", "show Wizard1"}));
    Tick();
    EXPECT_FALSE(button("printtable")->isEnabled());
}

TEST_F(MainMenu, CreateNewLeagueClosesTheOptionsWindow)
{
    LoadForm<Main>()->findChild<QAction *>("Customize")->trigger();
    ASSERT_NE(LoadedForm<customise>(), nullptr);
    click("createtable");
    EXPECT_EQ(LoadedForm<customise>(), nullptr);
}

TEST_F(MainMenu, OpenLeagueWithNoLeagueAsksNothingAndACancelLeavesTheButtonsOff)
{
    int dialogs = 0;
    SetFileChooser([&dialogs](const FileDialogRequest &) {
        ++dialogs;
        return QString();
    });
    gTableName = "Unsaved";
    BoxAnswers boxes;
    click("opentable");
    EXPECT_TRUE(boxes.seen().isEmpty());
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(gTableName, "");
    EXPECT_TRUE(menu()->isVisible());
    Tick();
    EXPECT_FALSE(button("printtable")->isEnabled());
}

TEST_F(MainMenu, OpenLeagueLoadsTheFileAndNamesItInTheCaption)
{
    QTemporaryDir dir;
    InitialiseGlobals();
    gTableName = "Tuesday Pool";
    gNumSlots = 4;
    gGamesToPlay = 1;
    gStartDate = QDate(2026, 1, 6);
    gLeagueType = kTypePlayers;
    for (int i = 1; i <= 4; ++i)
        gPlayerNames[i] = QString("Player %1").arg(i);
    for (int r = 1; r <= 3; ++r)
        gWeekDates[r] = gStartDate.addDays(7 * (r - 1));
    gScores = QList<QString>(16 * FixtureEntryCount(4, 1) + 1, "-1");
    gPosPlayer = gPosScoreB = QList<QString>(16 * FixtureEntryCount(4, 1) + 1);
    gLeagueFile = dir.filePath("pool.tbl");
    ASSERT_TRUE(CreateLeagueFile().ok);
    gTableName = "none";
    gLeagueOnDisk = false;
    const QString file = gLeagueFile;
    SetFileChooser([file](const FileDialogRequest &) { return file; });

    click("opentable");
    Tick();
    EXPECT_EQ(gTableName, "Tuesday Pool");
    EXPECT_EQ(caption(), "Fixtora         Current League :Tuesday Pool");
    EXPECT_TRUE(button("printtable")->isEnabled());
}

TEST_F(MainMenu, TheTaskButtonsSetTheCaptionRequestAndShowTheirWindows)
{
    openLeagueOnDisk();
    click("printtable");
    EXPECT_TRUE(gFixturesClosed);
    EXPECT_TRUE(menu()->isVisible());
    gFixturesClosed = false;
    click("tournie");
    EXPECT_FALSE(gFixturesClosed);
    EXPECT_TRUE(menu()->isVisible());
    click("printweeklyscores");
    EXPECT_TRUE(gFixturesClosed);
    EXPECT_FALSE(menu()->isVisible());
    EXPECT_EQ(taskEvents, QStringList({"show Tableform", "show tourwiz", "show PrintWeekly"}));
}

TEST_F(MainMenu, EachHelpButtonOpensItsBalloonUnderItsTask)
{
    const struct {
        const char *button;
        const char *anchor;
        QString title;
        QString text;
    } balloons[] = {
        {"Command3", "createtable", "Create League",
         "This option is used to create a new league.  You will be guided through simple 'wizards' which ask you "
         "several questions about your league."},
        {"command1", "opentable", "Open League",
         "This option is used to open an existing league.  You can then view the fixtures & make any "
         "modifications you require"},
        {"Command2", "printtable", "League Fixtures/scores",
         "This option is used to View your league.  You can edit/add scores. View the league fixtures, print the "
         "fixtures, reshedule games & export the fixtures to HTML from here."},
        {"command4", "printweeklyscores", "League Table",
         "This option is used to view the League Table.  This gives a list of cumulitive scores for matches "
         "played.  You can select between different formats & export to HTML.  You must first create or open a "
         "League Fixtures before you can view the League Table"},
        {"command5", "tournie", "Tournament",
         "This option is used to Print a Tournament.  You simply enter the number of Teams or players then print "
         "the Tournament chart."},
    };
    for (const auto &b : balloons) {
        click(b.button);
        click(b.button);
        const QList<QWidget *> shown = VisibleBalloons();
        ASSERT_EQ(shown.size(), 2) << b.button;
        const QWidget *anchor = button(b.anchor);
        for (QWidget *tip : shown) {
            EXPECT_EQ(tip->findChild<QLabel *>("lblTitle")->text(), b.title);
            EXPECT_EQ(tip->findChild<QTextEdit *>("txtTip")->toPlainText(), b.text);
            EXPECT_EQ(tip->pos(), anchor->mapToGlobal(QPoint(0, anchor->height())));
            EXPECT_EQ(tip->parentWidget(), LoadedForm<Main>());
            tip->deleteLater();
        }
        ProcessUnloads();
    }
}

TEST_F(MainMenu, HelpShowsTheSamePanelAgainAfterClose)
{
    QTest::mouseClick(menu()->findChild<QPushButton *>("Wiz2Help"), Qt::LeftButton);
    frmmainhelp *help = LoadedForm<frmmainhelp>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    QTest::mouseClick(help->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
    QTest::mouseClick(menu()->findChild<QPushButton *>("Wiz2Help"), Qt::LeftButton);
    EXPECT_EQ(LoadedForm<frmmainhelp>(), help);
    EXPECT_TRUE(help->isVisible());
}
