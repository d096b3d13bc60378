#include "shelltest.h"

#include "model/league.h"
#include "model/settings.h"
#include "model/tournament.h"
#include "platform/registry.h"
#include "shell/addhelp.h"
#include "shell/customise.h"
#include "shell/forms.h"
#include "shell/frmmainhelp.h"
#include "shell/frmsplash.h"
#include "shell/introscreen.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "ui/chameleonbutton.h"
#include "ui/messagebox.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace fixtora;

namespace {

class MainWindow : public ShellTest {
protected:
    void store(const char *name, const QString &value)
    {
        ASSERT_TRUE(StorePreference(name, value));
    }
    QString stored(const char *name) { return GetRegString(kHKeyLocalMachine, kSoftwareKey, name, "(missing)"); }
    QByteArray registryBytes()
    {
        QFile file(RegistryFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    Main *loadMain() { return LoadForm<Main>(); }
    void trigger(const char *item) { Find<QAction>(loadMain(), item)->trigger(); }
};

// A page whose button refuses what was typed in the program's box, then goes
// on with its own text, as the wizard pages do; Exit unloads it as it unloads
// the tournament wizard.
class RefusingPage : public QLineEdit {
public:
    void Next()
    {
        MessageArgs refusal;
        ShowMessage(refusal);
        clear();
    }
};

QStringList slotsOf(std::span<const QString> list)
{
    return QStringList(list.begin() + 1, list.end());
}

} // namespace

TEST_F(MainWindow, TheFirstRunWritesEveryDefaultAndShowsTheReleaseNotes)
{
    gIniFile.clear();
    loadMain();
    EXPECT_EQ(stored(kRegVersion), "V1.4.0");
    EXPECT_EQ(stored(kRegDefaultSavePath), QDir::homePath());
    EXPECT_EQ(stored(kRegWeekName), "Week");
    EXPECT_EQ(stored(kRegTableOrder), "Index,Name,Wins,Lost,Points");
    EXPECT_EQ(stored(kRegSortOrder), "Points,Wins,Name");
    EXPECT_EQ(stored(kRegTableShow), "Index,Name,Wins,Lost,Points");
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(ProgramFolder() + "/whatsnew.htm"));

    const QStringList columns{"Index", "Name", "Wins", "Lost", "Points", "", "", ""};
    EXPECT_EQ(slotsOf(gTableOrder), columns);
    EXPECT_EQ(slotsOf(gTableShow), columns);
    EXPECT_EQ(slotsOf(gSortOrder), QStringList({"Points", "Wins", "Name", "", ""}));
    EXPECT_EQ(gSavePath, QDir::homePath());
    EXPECT_EQ(gWeekName, "Week");
    EXPECT_EQ(gTableName, "none");
    EXPECT_FALSE(gLeagueOnDisk);
    EXPECT_EQ(gMaxFrames, "5");
    EXPECT_EQ(gTableRefresh, 0);
}

TEST_F(MainWindow, TheSameVersionWritesNothingAndOpensNothing)
{
    loadMain();
    UnloadForm<Main>();
    ProcessUnloads();
    opened.clear();
    const QByteArray before = registryBytes();
    loadMain();
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(registryBytes(), before);
}

TEST_F(MainWindow, AVersionDifferingOnlyInCaseCountsAsNew)
{
    store(kRegVersion, "v1.4.0");
    loadMain();
    EXPECT_EQ(stored(kRegVersion), "V1.4.0");
    EXPECT_EQ(opened.size(), 1);
}

TEST_F(MainWindow, StoredListsAreSplitIntoTheirSlots)
{
    const struct {
        QString stored;
        QStringList sortKeys;
    } cases[] = {
        {"A,B,C,D,E,F,G", {"A", "B", "C", "D", "E"}},
        {",Name,Wins", {"", "Name", "Wins", "", ""}},
        {"Name,,Wins,", {"Name", "", "Wins", "", ""}},
        {"", {"", "", "", "", ""}},
    };
    for (const auto &c : cases) {
        store(kRegSortOrder, c.stored);
        loadMain();
        EXPECT_EQ(slotsOf(gSortOrder), c.sortKeys) << c.stored.toStdString();
        EXPECT_EQ(stored(kRegSortOrder), c.stored);
        UnloadForm<Main>();
        ProcessUnloads();
    }
}

TEST_F(MainWindow, TheRoundWordIsCutToFiveThenCleanedAndTheFolderKeepsItsName)
{
    store(kRegWeekName, "Rounds");
    store(kRegDefaultSavePath, "/home/me/my_leagues-2024");
    loadMain();
    EXPECT_EQ(gWeekName, "Round");
    EXPECT_EQ(gSavePath, "/home/me/my_leagues-2024");
    UnloadForm<Main>();
    ProcessUnloads();

    store(kRegWeekName, "Wk-No.1");
    store(kRegDefaultSavePath, "");
    loadMain();
    EXPECT_EQ(gWeekName, "WkNo");
    EXPECT_EQ(gSavePath, "");
    EXPECT_EQ(stored(kRegDefaultSavePath), "");
}

TEST_F(MainWindow, TheMenusCarryTheirNamesAndCaptions)
{
    const QList<QAction *> menus = loadMain()->menuBar()->actions();
    QStringList seen;
    for (QAction *menu : menus) {
        seen << menu->menu()->objectName() + "=" + menu->text();
        for (QAction *item : menu->menu()->actions())
            seen << (item->isSeparator() ? QString("-") : item->objectName() + "=" + item->text());
    }
    EXPECT_EQ(seen, QStringList({"File=&File", "Exit=E&xit", "Edit=E&dit", "Customize=&Customise", "Help=Help",
                                 "Contents=&Contents", "InternetHelp=&Internet Help", "whatnew=&What's New", "-",
                                 "About=&About Fixtora"}));
}

TEST_F(MainWindow, HelpItemsOpenTheHelpPageTheSiteAndTheReleaseNotes)
{
    loadMain();
    opened.clear();
    trigger("Contents");
    trigger("InternetHelp");
    trigger("whatnew");
    EXPECT_EQ(opened, QList<QUrl>({QUrl::fromLocalFile(ProgramFolder() + "/help.html"), QUrl(kWebAddress),
                                   QUrl::fromLocalFile(ProgramFolder() + "/whatsnew.htm")}));
}

TEST_F(MainWindow, CustomiseTwiceMaximisesTheOneOptionsWindow)
{
    trigger("Customize");
    customise *options = LoadedForm<customise>();
    ASSERT_NE(options, nullptr);
    auto *frame = qobject_cast<QMdiSubWindow *>(options->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isMaximized());
    frame->showNormal();
    trigger("Customize");
    EXPECT_EQ(LoadedForm<customise>(), options);
    EXPECT_TRUE(frame->isMaximized());
    EXPECT_EQ(loadMain()->findChildren<QMdiSubWindow *>().size(), 1);
}

TEST_F(MainWindow, AboutShowsOneBoxThatCloseOrEscapeUnloads)
{
    trigger("About");
    trigger("About");
    frmSplash *about = LoadedForm<frmSplash>();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(Find<QLabel>(about, "lblVersion")->text(), "Version 1.40");
    EXPECT_EQ(Find<QLabel>(about, "Label5")->text(), QString("  ") + kWebAddress);
    opened.clear();
    QTest::mouseClick(Find<QLabel>(about, "Label5"), Qt::LeftButton);
    EXPECT_EQ(opened, QList<QUrl>({QUrl(kWebAddress)}));
    QTest::mouseClick(Find<chameleonButton>(about, "command1"), Qt::LeftButton);
    EXPECT_EQ(LoadedForm<frmSplash>(), nullptr);
    trigger("About");
    ASSERT_TRUE(QTest::qWaitForWindowActive(LoadedForm<frmSplash>()));
    QTest::keyClick(LoadedForm<frmSplash>(), Qt::Key_Escape);
    EXPECT_EQ(LoadedForm<frmSplash>(), nullptr);
}

TEST_F(MainWindow, ExitUnloadsWithoutAQuestionAndEndsTheProgram)
{
    LoadForm<IntroScreen>();
    LoadForm<Addhelp>();
    ShowMainMenu();
    trigger("Customize");
    RecordTaskWindows();
    gLeagueChanged = true;
    BoxAnswers boxes;
    trigger("Exit");
    EXPECT_TRUE(boxes.seen().isEmpty());
    EXPECT_EQ(programEnds, 1);
    for (QObject *form : std::initializer_list<QObject *>{LoadedForm<MainWizard>(), LoadedForm<IntroScreen>(),
                                                          LoadedForm<Addhelp>(), LoadedForm<customise>()})
        EXPECT_EQ(form, nullptr);
    EXPECT_EQ(taskEvents, QStringList({"unload Wizard3", "unload Wizard5", "unload Tableform", "unload PrintWeekly",
                                       "unload tourwiz"}));
}

TEST_F(MainWindow, ExitAndTheCloseBoxWaitForTheBoxOnScreenAndItsWindow)
{
    Main *main = loadMain();
    RegisterTaskWindow(TaskWindow::tourwiz, {nullptr, UnloadForm<RefusingPage>});
    int leagueQuestions = 0;
    SetUnsavedLeagueCheck([&leagueQuestions] { return ++leagueQuestions > 0; });
    QPointer<RefusingPage> page = LoadForm<RefusingPage>();
    main->ShowMdiChild(page, true);
    page->setText("3");
    BoxAnswers answers;
    QTimer::singleShot(0, [&] {  // while the box is up: the close box, then Exit
        EXPECT_FALSE(main->close());
        trigger("Exit");
        ProcessUnloads();
        EXPECT_TRUE(page) << "the window that asked went while its box was up";
    });
    page->Next();
    ASSERT_TRUE(page);
    EXPECT_EQ(answers.seen().size(), 1);
    EXPECT_TRUE(page->text().isEmpty());
    EXPECT_EQ(programEnds, 0);
    EXPECT_EQ(leagueQuestions, 0);

    trigger("Exit");  // the box answered: Exit asks about the league, then ends
    ProcessUnloads();
    EXPECT_EQ(leagueQuestions, 1);
    EXPECT_EQ(programEnds, 1);
    EXPECT_FALSE(page);
    SetUnsavedLeagueCheck({});
}

TEST_F(MainWindow, AMaximisedWindowDoesNotChangeTheCaption)
{
    ShowMainMenu();
    trigger("Customize");
    loadMain()->SetCaption("Fixtora         Current League :Div 1");
    EXPECT_EQ(loadMain()->windowTitle(), "Fixtora         Current League :Div 1");
    LoadedForm<customise>()->parentWidget()->showNormal();
    LoadedForm<customise>()->parentWidget()->showMaximized();
    EXPECT_EQ(loadMain()->windowTitle(), "Fixtora         Current League :Div 1");
}

TEST_F(MainWindow, MainHelpHidesAndAddNamesHelpUnloads)
{
    frmmainhelp *help = LoadForm<frmmainhelp>();
    help->show();
    EXPECT_EQ(help->windowTitle(), "Fixtora Help");
    QTest::mouseClick(Find<QAbstractButton>(help, "cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(LoadedForm<frmmainhelp>(), help);
    help->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());

    Addhelp *names = LoadForm<Addhelp>();
    EXPECT_TRUE(Find<QLabel>(names, "lblDescription")->text().contains(QString::number(kMaxTourEntrants)));
    QTest::mouseClick(Find<QAbstractButton>(names, "cmdOK"), Qt::LeftButton);
    EXPECT_EQ(LoadedForm<Addhelp>(), nullptr);
}

TEST_F(MainWindow, OpensMaximisedOnTheScreensAvailableArea)
{
    ShowMainMenu();
    Main *main = loadMain();
    EXPECT_TRUE(main->isMaximized());
    // Within what a window frame takes (none without a window manager).
    const QRect available = main->screen()->availableGeometry();
    EXPECT_NEAR(main->width(), available.width(), 8);
    EXPECT_NEAR(main->height(), available.height(), 8);
}

// The start-up shows nothing while it runs; what it could not store is
// reported once, when the main window is up.
TEST_F(MainWindow, PreferencesThatCannotBeStoredAreReportedOnce)
{
    MakeUnwritable(RegistryFile());
    BoxAnswers boxes;
    ShowMainMenu();
    EXPECT_TRUE(boxes.seen().isEmpty());
    ProcessUnloads();
    ASSERT_EQ(boxes.seen().size(), 1);
    EXPECT_EQ(boxes.seen()[0].kind, "system");
    EXPECT_EQ(boxes.seen()[0].text, "The settings could not be saved in " + QDir::toNativeSeparators(RegistryFile())
                                        + ". Check that its folder can be written to and that the disk is not full.");
    EXPECT_EQ(gWeekName, "Week");  // the defaults are in use all the same
    EXPECT_EQ(gSortOrder[1], "Points");
}
