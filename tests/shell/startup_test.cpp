#include "shelltest.h"
#include "testfiles.h"
#include "testleague.h"

#include "model/league.h"
#include "model/leaguefile.h"
#include "model/settings.h"
#include "platform/profilefile.h"
#include "shell/forms.h"
#include "shell/frmlogin.h"
#include "shell/introscreen.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "ui/chameleonbutton.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace fixtora;

namespace {

class StartUp : public ShellTest {
protected:
    IntroScreen *intro() { return LoadForm<IntroScreen>(); }
    QString label(const char *name) { return Find<QLabel>(intro(), name)->text(); }
    void clickContinue() { QTest::mouseClick(Find<chameleonButton>(intro(), "command1"), Qt::LeftButton); }

    void storePassword(const QString &raw)
    {
        ASSERT_TRUE(StorePreference(kRegPassword, raw));
    }

    // Types text into the login and presses OK.
    void login(const QString &typed)
    {
        frmLogin *window = LoadedForm<frmLogin>();
        ASSERT_NE(window, nullptr);
        Find<QLineEdit>(window, "txtPassword")->setText(typed);
        QTest::mouseClick(Find<chameleonButton>(window, "cmdok"), Qt::LeftButton);
    }

    bool mainMenuShown() { return LoadedForm<Main>() && LoadedForm<MainWizard>() && LoadedForm<MainWizard>()->isVisible(); }
};

} // namespace

TEST_F(StartUp, AFullSizeDisplayLoadsQuietlyAndReadsTheSettings)
{
    BoxAnswers boxes;
    ASSERT_TRUE(intro()->Load());
    EXPECT_TRUE(boxes.seen().isEmpty());
    EXPECT_EQ(label("lblVersion"), "V 1.40");
    EXPECT_EQ(label("Label6"), "1024x768");
    EXPECT_EQ(label("Label5"), QString(kWebAddress));
    EXPECT_EQ(gScreenWidth, 1024);
    EXPECT_TRUE(QFile::exists(IniFilePath()));
    EXPECT_TRUE(intro()->isVisible());
    EXPECT_EQ(LoadedForm<Main>(), nullptr);
}

TEST_F(StartUp, BelowTheResolutionNoEndsBeforeTheSettingsAreRead)
{
    SetScreenForTests(ScreenInfo{800, 600, 15, 15});
    BoxAnswers boxes({"No", "OK"});
    EXPECT_FALSE(intro()->Load());
    ASSERT_EQ(boxes.seen().size(), 2);
    EXPECT_EQ(boxes.seen()[0].kind, "program");
    EXPECT_EQ(boxes.seen()[0].title, "Screen Resolution");
    EXPECT_EQ(boxes.seen()[1].kind, "system");
    EXPECT_EQ(boxes.seen()[1].title, "Fixtora");
    EXPECT_TRUE(boxes.seen()[1].text.contains("Program will now exit."));
    EXPECT_FALSE(QFile::exists(IniFilePath()));
    EXPECT_FALSE(intro()->isVisible());
    EXPECT_EQ(gScreenWidth, 800);
}

TEST_F(StartUp, BelowTheResolutionYesWarnsAndGoesOn)
{
    SetScreenForTests(ScreenInfo{1024, 600, 15, 15});
    BoxAnswers boxes({"Yes", "OK"});
    EXPECT_TRUE(intro()->Load());
    ASSERT_EQ(boxes.seen().size(), 2);
    EXPECT_TRUE(boxes.seen()[1].text.startsWith("This software may not work at less than 1024x768."));
    EXPECT_TRUE(QFile::exists(IniFilePath()));
    EXPECT_TRUE(intro()->isVisible());
}

TEST_F(StartUp, LargeFontsWarnOnceBeforeTheResolutionQuestion)
{
    SetScreenForTests(ScreenInfo{800, 600, 12, 12});
    BoxAnswers boxes({"OK", "Yes", "OK"});
    EXPECT_TRUE(intro()->Load());
    ASSERT_EQ(boxes.seen().size(), 3);
    EXPECT_TRUE(boxes.seen()[0].text.startsWith("This software requires your Fonts size to be set to 'normal'"));
    EXPECT_EQ(boxes.seen()[1].title, "Screen Resolution");
}

TEST_F(StartUp, ContinueWithoutAPasswordOpensMainAndTheMenu)
{
    storePassword("none");
    ASSERT_TRUE(intro()->Load());
    Find<QCheckBox>(intro(), "Check1")->setChecked(true);
    clickContinue();
    EXPECT_EQ(LoadedForm<frmLogin>(), nullptr);
    EXPECT_FALSE(intro()->isVisible());
    ASSERT_TRUE(mainMenuShown());
    EXPECT_TRUE(LoadedForm<Main>()->isVisible());
    EXPECT_EQ(ReadProfileString(IniFilePath(), kIniSection, "showsplash").value_or(""), "0");
}

TEST_F(StartUp, AStoredPasswordThatCleansToNothingAsksForNoLogin)
{
    storePassword("-_-!");
    ASSERT_TRUE(intro()->Load());
    clickContinue();
    EXPECT_EQ(LoadedForm<frmLogin>(), nullptr);
    EXPECT_TRUE(mainMenuShown());
}

TEST_F(StartUp, LoginAcceptsOnlyTheStoredPasswordWithItsCapitals)
{
    storePassword("Abc");
    ASSERT_TRUE(intro()->Load());
    Find<QCheckBox>(intro(), "Check1")->setChecked(true);
    clickContinue();
    ASSERT_NE(LoadedForm<frmLogin>(), nullptr);
    EXPECT_EQ(LoadedForm<frmLogin>()->windowTitle(), "Enter password");
    EXPECT_EQ(Find<QLineEdit>(LoadedForm<frmLogin>(), "txtPassword")->echoMode(), QLineEdit::Password);
    EXPECT_EQ(LoadedForm<Main>(), nullptr);
    {
        BoxAnswers boxes;
        login("abc");
        ASSERT_EQ(boxes.seen().size(), 1);
        EXPECT_EQ(boxes.seen()[0].title, "Invalid password");
        EXPECT_EQ(boxes.seen()[0].text, "Invalid password, please try again");
    }
    EXPECT_EQ(LoadedForm<Main>(), nullptr);
    login("Abc");
    EXPECT_FALSE(LoadedForm<frmLogin>()->isVisible());
    EXPECT_FALSE(intro()->isVisible());
    EXPECT_TRUE(mainMenuShown());
    EXPECT_EQ(ReadProfileString(IniFilePath(), kIniSection, "showsplash").value_or(""), "1");
}

TEST_F(StartUp, APasswordWithAHyphenCanBeTypedAsItWasSet)
{
    storePassword("club-2");
    ASSERT_TRUE(intro()->Load());
    clickContinue();
    login("club-2");
    EXPECT_TRUE(mainMenuShown());
}

TEST_F(StartUp, TheThirdWrongPasswordEndsTheProgramEvenAcrossCancel)
{
    storePassword("Abc");
    ASSERT_TRUE(intro()->Load());
    clickContinue();
    BoxAnswers boxes;
    login("x");
    login("y");
    QTest::mouseClick(Find<chameleonButton>(LoadedForm<frmLogin>(), "cmdcancel"), Qt::LeftButton);
    EXPECT_FALSE(LoadedForm<frmLogin>()->isVisible());
    EXPECT_EQ(programEnds, 0);
    clickContinue();
    login("z");
    ASSERT_EQ(boxes.seen().size(), 3);
    EXPECT_TRUE(boxes.seen()[2].text.startsWith("3 Invalid password attempts.  "));
    EXPECT_TRUE(boxes.seen()[2].text.contains(kSupportEmail));
    EXPECT_TRUE(boxes.seen()[2].text.endsWith("  The program will now exit"));
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(LoadedForm<Main>(), nullptr);
}

TEST_F(StartUp, TheLoginHelpBalloonBelongsToTheLoginWindow)
{
    storePassword("Abc");
    ASSERT_TRUE(intro()->Load());
    clickContinue();
    frmLogin *window = LoadedForm<frmLogin>();
    QTest::mouseClick(Find<chameleonButton>(window, "command4"), Qt::LeftButton);
    const QList<QWidget *> balloons = VisibleBalloons();
    ASSERT_EQ(balloons.size(), 1);
    EXPECT_EQ(balloons[0]->parentWidget(), window);
    EXPECT_EQ(LoadedForm<Main>(), nullptr);
    EXPECT_EQ(Find<QLabel>(balloons[0], "lblTitle")->text(), "Enter Password");
    const QWidget *password = Find<QLineEdit>(window, "txtPassword");
    EXPECT_EQ(balloons[0]->pos(), password->mapToGlobal(QPoint(0, password->height())));
}

TEST_F(StartUp, TheWebLinkOpensThePublishersSite)
{
    ASSERT_TRUE(intro()->Load());
    QLabel *link = Find<QLabel>(intro(), "Label5");
    QTest::mouseClick(link, Qt::LeftButton);
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(link);  // as a screen reader finds it
    EXPECT_EQ(read->role(), QAccessible::Link);
    read->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[1], QUrl(kWebAddress));
}

// Typed and answered from the keyboard, as a user does: the Enter that
// answers the message box is not taken for a second try.
TEST_F(StartUp, AWrongPasswordAnsweredWithEnterCountsOnce)
{
    storePassword("Abc");
    ASSERT_TRUE(intro()->Load());
    clickContinue();
    frmLogin *window = LoadedForm<frmLogin>();
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto *password = Find<QLineEdit>(window, "txtPassword");
    password->setFocus();
    for (int attempt = 1; attempt <= 2; ++attempt) {
        SCOPED_TRACE(attempt);
        BoxAnswers boxes({"<Return>"});
        QTest::keyClicks(password, "abc");
        QTest::keyClick(password, Qt::Key_Return);
        EXPECT_EQ(boxes.texts(), QStringList{"Invalid password, please try again"});
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));  // the keyboard is back in the login
        EXPECT_EQ(QApplication::focusWidget(), password);
        EXPECT_EQ(password->selectedText(), "abc");
    }
    BoxAnswers none;
    QTest::keyClicks(password, "Abc");  // typed over the selected wrong one
    QTest::keyClick(password, Qt::Key_Return);
    EXPECT_TRUE(none.seen().isEmpty());
    EXPECT_EQ(programEnds, 0);
    EXPECT_TRUE(mainMenuShown());
}

// "config.ini" that cannot be written: the tick the user asked for is
// reported and the intro screen stays, to be unticked; the login's write-back
// is reported and lets the user in.
TEST_F(StartUp, ASettingsFileThatCannotBeWrittenIsReported)
{
    const QString notSaved = "The settings could not be saved in " + QDir::toNativeSeparators(IniFilePath())
                             + ". Check that its folder can be written to and that the disk is not full.";
    storePassword("none");
    ASSERT_TRUE(intro()->Load());
    MakeUnwritable(IniFilePath());
    auto *tick = Find<QCheckBox>(intro(), "Check1");
    tick->setChecked(true);
    {
        BoxAnswers boxes;
        clickContinue();
        EXPECT_EQ(boxes.texts(), QStringList{notSaved});
    }
    EXPECT_TRUE(intro()->isVisible());
    EXPECT_EQ(LoadedForm<Main>(), nullptr);
    EXPECT_EQ(gShowSplash, "1");
    tick->setChecked(false);
    clickContinue();
    EXPECT_TRUE(mainMenuShown());

    UnloadForm<Main>();
    UnloadForm<MainWizard>();
    ProcessUnloads();
    storePassword("Abc");
    intro()->show();
    clickContinue();
    BoxAnswers boxes;
    login("Abc");
    EXPECT_EQ(boxes.texts(), QStringList{notSaved});
    EXPECT_TRUE(mainMenuShown());
}

// The league file the desktop passes when one is opened from the file manager:
// a league of four players written at path, and no league open.
namespace {
void writeLeagueAt(const QString &path)
{
    test::BuildTestLeague(test::PlayerLeague(4));
    gLeagueFile = path;
    ASSERT_TRUE(CreateLeagueFile().ok);
    InitialiseGlobals();
}
} // namespace

TEST_F(StartUp, ALeagueNamedOnTheCommandLineOpensOnceTheLoginLetsTheUserIn)
{
    QTemporaryDir dir;
    writeLeagueAt(dir.filePath("pool.tbl"));
    SetLeagueToOpen(dir.filePath("pool.tbl"));
    storePassword("Abc");
    ASSERT_TRUE(intro()->Load());
    clickContinue();
    EXPECT_FALSE(gLeagueOnDisk);
    login("Abc");
    EXPECT_TRUE(gLeagueOnDisk);
    EXPECT_EQ(gTableName, "Tuesday Pool");
    EXPECT_EQ(LoadedForm<Main>()->Caption(), CurrentLeagueCaption("Tuesday Pool"));
}

TEST_F(StartUp, ADamagedLeagueOnTheCommandLineGetsOpenLeaguesMessageAndNoLeagueOpens)
{
    QTemporaryDir dir;
    writeLeagueAt(dir.filePath("damaged.tbl"));
    test::writeAll(dir.filePath("damaged.tbl"), "not a league");
    SetLeagueToOpen(dir.filePath("damaged.tbl"));
    ASSERT_TRUE(intro()->Load());
    BoxAnswers boxes;
    clickContinue();
    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains(QDir::toNativeSeparators(dir.filePath("damaged.tbl"))));
    EXPECT_TRUE(mainMenuShown());
    EXPECT_FALSE(gLeagueOnDisk);
    EXPECT_EQ(LoadedForm<Main>()->Caption(), CurrentLeagueCaption(QString()));
}
