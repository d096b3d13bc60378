#include "shelltest.h"
#include "testleague.h"

#include "model/filedialogs.h"
#include "model/league.h"
#include "model/leaguefile.h"
#include "shell/customise.h"
#include "shell/forms.h"
#include "shell/frmmainhelp.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "ui/chameleonbutton.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <functional>

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
    chameleonButton *button(const char *name) { return Find<chameleonButton>(menu(), name); }
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
    EXPECT_EQ(Find<QLabel>(menu(), "lblVersion")->text(), "V 1.40");
    for (const char *name : {"printtable", "printweeklyscores"}) {
        EXPECT_FALSE(button(name)->isEnabled()) << name;
        EXPECT_EQ(button(name)->toolTip(), kNoLeagueTip) << name;
    }
    EXPECT_TRUE(button("createtable")->isEnabled());
    const QWidget *frame = Find<QWidget>(menu(), "FrameMainWizard");
    EXPECT_EQ(frame->mapTo(menu(), QPoint(0, 0)),
              QPoint(menu()->width() / 2 - frame->width() / 2, menu()->height() / 2 - frame->height() / 2));
    EXPECT_GT(frame->mapTo(menu(), QPoint(0, 0)).x(), 0);
}

TEST_F(MainMenu, AReloadAfterAResetNamesNoLeague)
{
    UnloadForm<MainWizard>();
    gTableName.clear();
    ProcessUnloads();  // nothing else shows: the menu comes back, loaded anew
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
    Find<QAction>(LoadForm<Main>(), "Customize")->trigger();
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
    test::BuildTestLeague(test::PlayerLeague(4));
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
    EXPECT_EQ(taskEvents, QStringList({"show Tableform", "unload Tournieform", "show tourwiz", "show PrintWeekly"}));
}

TEST_F(MainMenu, EveryWayOutAsksAboutTheOpenWorkItWouldEnd)
{
    QStringList asked;
    SetUnsavedLeagueCheck([&asked] { return !(asked << "league").isEmpty(); });         // let go
    SetUnsavedTournamentCheck([&asked] { return (asked << "tournament").isEmpty(); });  // kept: no way goes on
    for (const auto &[way, asks] : {std::pair{"createtable", "league tournament"}, {"opentable", "league tournament"},
                                    {"tournie", "tournament"}, {"Exit", "league tournament"}}) {
        asked.clear();
        QString(way) == "Exit" ? Find<QAction>(LoadForm<Main>(), "Exit")->trigger() : click(way);
        EXPECT_EQ(asked.join(' '), asks) << way;
    }
    EXPECT_TRUE(taskEvents.isEmpty() && programEnds == 0) << "no way out went further";
    SetUnsavedLeagueCheck({});
    SetUnsavedTournamentCheck({});
}

TEST_F(MainMenu, EachHelpButtonOpensItsBalloonUnderItsTask)
{
    const struct {
        const char *button;
        const char *anchor;
        QString title;
    } balloons[] = {
        {"Command3", "createtable", "Create League"},   {"command1", "opentable", "Open League"},
        {"Command2", "printtable", "League Fixtures/scores"}, {"command4", "printweeklyscores", "League Table"},
        {"command5", "tournie", "Tournament"},
    };
    for (const auto &b : balloons) {
        click(b.button);
        click(b.button);
        const QList<QWidget *> shown = VisibleBalloons();
        ASSERT_EQ(shown.size(), 2) << b.button;
        const QWidget *anchor = button(b.anchor);
        for (QWidget *tip : shown) {
            EXPECT_EQ(TextOf(tip, "lblTitle"), b.title);
            EXPECT_TRUE(Find<QTextEdit>(tip, "txtTip")->toPlainText().startsWith("This option is used to"));
            EXPECT_EQ(tip->pos(), anchor->mapToGlobal(QPoint(0, anchor->height())));
            EXPECT_EQ(tip->parentWidget(), LoadedForm<Main>());
            tip->deleteLater();
        }
        ProcessUnloads();
    }
}

TEST_F(MainMenu, HelpShowsTheSamePanelAgainAfterClose)
{
    click("Wiz2Help");
    frmmainhelp *help = LoadedForm<frmmainhelp>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    QTest::mouseClick(Find<QAbstractButton>(help, "cmdOK"), Qt::LeftButton);
    click("Wiz2Help");
    EXPECT_EQ(LoadedForm<frmmainhelp>(), help);
    EXPECT_TRUE(help->isVisible());
}

// ---- The menu is never lost ---------------------------------------------------------------

namespace {

// The menu is up, maximised, filling the workspace, on top.
void ExpectMenuShownMaximised()
{
    MainWizard *menu = LoadedForm<MainWizard>();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    auto *frame = qobject_cast<QMdiSubWindow *>(menu->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isMaximized());
    const QMdiArea *area = LoadForm<Main>()->findChild<QMdiArea *>();
    EXPECT_EQ(frame->size(), area->viewport()->size());
    EXPECT_EQ(area->currentSubWindow(), frame);
}

// A stand-in task page, shown maximised over the menu like the real ones.
QWidget *ShowPage(bool hideMenu)
{
    auto *page = new QWidget;
    page->setObjectName("page");
    LoadForm<Main>()->ShowMdiChild(page, true);
    if (hideMenu)
        LoadForm<Main>()->HideMdiChild(LoadForm<MainWizard>());
    return page;
}

// The options opened from the menu bar: their frame in the workspace.
QMdiSubWindow *openOptions()
{
    Find<QAction>(LoadForm<Main>(), "Customize")->trigger();
    return qobject_cast<QMdiSubWindow *>(LoadedForm<customise>()->parentWidget());
}

// Unloads a page the way UnloadForm does.
void Unload(QWidget *page)
{
    page->parentWidget()->hide();
    page->parentWidget()->deleteLater();
}

} // namespace

TEST_F(MainMenu, ComesBackMaximisedAfterEveryWindowThatCoveredIt)
{
    const struct {
        const char *path;
        std::function<void()> leave;
        bool menuBack;
    } paths[] = {
        {"options, Close",
         [] { QTest::mouseClick(Find<QAbstractButton>(openOptions()->widget(), "command5"), Qt::LeftButton); }, true},
        {"options, its close box", [] { openOptions()->close(); }, true},
        {"options, minimised", [] { openOptions()->showMinimized(); }, true},
        {"a page over the menu, unloaded", [] { Unload(ShowPage(false)); }, true},
        {"a page over the menu, minimised", [] { ShowPage(false)->parentWidget()->showMinimized(); }, true},
        {"a page that hid the menu, unloaded", [] { Unload(ShowPage(true)); }, true},
        {"a page that hid the menu, its close box", [] { ShowPage(true)->parentWidget()->close(); }, true},
        {"a page that hid the menu, hidden", [] { LoadForm<Main>()->HideMdiChild(ShowPage(true)); }, true},
        {"a page that unloaded the menu over the options minimised, its close box",
         [] {
             openOptions()->showMinimized();
             QWidget *page = ShowPage(false);
             UnloadForm<MainWizard>();
             page->parentWidget()->close();
         },
         true},
        {"a page handing over to the next", [] {
             QWidget *first = ShowPage(true);
             Unload(first);
             ShowPage(false);
         },
         false},
    };
    LoadForm<Main>()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(LoadForm<Main>()));
    for (const auto &path : paths) {
        SCOPED_TRACE(path.path);
        ShowMainMenu();
        button("opentable")->setFocus();
        path.leave();
        ProcessUnloads();
        if (path.menuBack) {
            ExpectMenuShownMaximised();
            // The keyboard is back in the menu, on its first button, not
            // on whichever control followed the window that went away; the
            // menu is behind every window left (the options minimised).
            EXPECT_EQ(QApplication::focusWidget(), button("createtable"));
            const QMdiArea *area = LoadForm<Main>()->findChild<QMdiArea *>();
            EXPECT_EQ(area->subWindowList(QMdiArea::StackingOrder).first(), menu()->parentWidget());
        } else {
            EXPECT_FALSE(menu()->isVisible());
            ASSERT_NE(Find<QWidget>(LoadForm<Main>(), "page"), nullptr);
        }
        // What a path left minimised or shown goes before the next one.
        UnloadForm<customise>();
        for (QWidget *page : LoadForm<Main>()->findChildren<QWidget *>("page"))
            Unload(page);
        ProcessUnloads();
    }
}

// The options restored to a smaller size stay in front; the menu behind them
// still fills the workspace, and takes the keyboard, maximised, when clicked
// (staying behind them).
TEST_F(MainMenu, FillsTheWorkspaceBehindAWindowRestoredToASmallerSize)
{
    QMdiSubWindow *options = openOptions();
    options->showNormal();
    ProcessUnloads();
    const QMdiArea *area = LoadForm<Main>()->findChild<QMdiArea *>();
    EXPECT_EQ(area->currentSubWindow(), options);
    EXPECT_TRUE(menu()->isVisible());
    // The workspace settles its own frame a moment later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu()->parentWidget()->geometry() == area->viewport()->rect(); }, 1000));
    QTest::mouseClick(menu(), Qt::LeftButton, {}, QPoint(5, 5));
    ProcessUnloads();
    ExpectMenuShownMaximised();
    EXPECT_EQ(area->subWindowList(QMdiArea::StackingOrder).last(), options);
}

// A screen keeps the state it had once the options over it are gone: a
// maximised one (the table screen hides the menu, the fixtures screen leaves
// it behind) fills the workspace again, however the options went; one the
// user restored to a smaller size keeps that size.
TEST_F(MainMenu, TheScreenUnderTheOptionsKeepsItsStateWhenTheyGo)
{
    const std::function<void()> close = [] {
        QTest::mouseClick(Find<QAbstractButton>(LoadedForm<customise>(), "command5"), Qt::LeftButton);
    };
    const std::function<void()> closeBox = [] { LoadedForm<customise>()->parentWidget()->close(); };
    const std::function<void()> minimise = [] { LoadedForm<customise>()->parentWidget()->showMinimized(); };
    const struct {
        const char *path;
        bool hideMenu;
        bool restored;  // the user restored the screen before the options opened
        std::function<void()> leave;
    } paths[] = {
        {"hid the menu, Close", true, false, close},
        {"hid the menu, close box", true, false, closeBox},
        {"hid the menu, minimised", true, false, minimise},
        {"over the menu, Close", false, false, close},
        {"over the menu, close box", false, false, closeBox},
        {"over the menu, minimised", false, false, minimise},
        {"restored, Close", true, true, close},
    };
    LoadForm<Main>()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(LoadForm<Main>()));
    const QMdiArea *area = LoadForm<Main>()->findChild<QMdiArea *>();
    for (const auto &path : paths) {
        SCOPED_TRACE(path.path);
        ShowMainMenu();
        auto *screen = qobject_cast<QMdiSubWindow *>(ShowPage(path.hideMenu)->parentWidget());
        if (path.restored) {
            screen->showNormal();
            screen->resize(300, 200);
        }
        const QRect before = screen->geometry();
        ProcessUnloads();
        openOptions();
        ProcessUnloads();
        path.leave();
        ProcessUnloads();
        EXPECT_EQ(screen->isMaximized(), !path.restored);
        EXPECT_EQ(screen->geometry(), path.restored ? before : area->viewport()->rect());
        EXPECT_EQ(menu()->isVisible(), !path.hideMenu);
        // In front and active, not the menu.
        EXPECT_EQ(area->activeSubWindow(), screen);
        EXPECT_EQ(area->subWindowList(QMdiArea::StackingOrder).last(), screen);
        UnloadForm<customise>();
        Unload(screen->widget());
        ProcessUnloads();
    }
}

TEST_F(MainMenu, HasNoCloseBoxAndCannotBeClosed)
{
    auto *frame = qobject_cast<QMdiSubWindow *>(menu()->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(frame->windowFlags() & Qt::FramelessWindowHint);
    // No window buttons are drawn beside the menus: that corner is all one colour.
    if (QWidget *corner = LoadForm<Main>()->menuBar()->cornerWidget(Qt::TopRightCorner)) {
        const QImage drawn = corner->grab().toImage();
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                ASSERT_EQ(drawn.pixel(x, y), drawn.pixel(0, 0)) << x << "," << y;
    }
    EXPECT_FALSE(frame->close());
    QTest::keyClick(menu(), Qt::Key_F4, Qt::ControlModifier);
    ProcessUnloads();
    ExpectMenuShownMaximised();
}

TEST_F(MainMenu, ExitAndMainsCloseEndTheProgramAndBringNothingBack)
{
    for (const bool byClose : {false, true}) {
        SCOPED_TRACE(byClose);
        programEnds = 0;
        ShowMainMenu();
        if (byClose)
            LoadForm<Main>()->close();
        else
            Find<QAction>(LoadForm<Main>(), "Exit")->trigger();
        ProcessUnloads();
        EXPECT_EQ(programEnds, 1);
        EXPECT_EQ(LoadedForm<MainWizard>(), nullptr);
        UnloadForm<Main>();
        ProcessUnloads();
    }
}
