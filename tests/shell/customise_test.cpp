#include "customisetest.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <gtest/gtest.h>

using namespace fixtora;
using namespace fixtora::test;

namespace {

TEST_F(CustomiseTest, LoadFillsEveryControlFromTheSettings)
{
    Open();
    EXPECT_EQ(Text("txtpath")->text(), gSavePath);
    EXPECT_EQ(Text("Text1")->text(), "Frame");
    EXPECT_EQ(Text("Text5")->text(), "Round");
    EXPECT_EQ(Text("Text8")->text(), "3");
    EXPECT_EQ(Text("Text7")->text(), "1");
    EXPECT_EQ(Text("Text6")->text(), "0");
    const bool expected[] = {true, false, true, false, true, false};
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(Check(QString("Check%1").arg(i))->isChecked(), expected[i - 1]) << i;
    EXPECT_EQ(Check("Check2")->text(), "Round is visible");
    EXPECT_EQ(Reg(kRegWeekName), "Round");  // the load's change of Text5 writes it back
    EXPECT_EQ(Button("Command14")->text(), "Off");  // whatever "bubblehelp" holds

    const QStringList columns{"Index", "Name", "Wins", "Lost", "Draw", "Difference", "+",
                              "-", "Points", "Played", "Points +", "Points -", "Points +/-"};
    const QStringList shown{"Index", "Name", "Wins", "Select", "Select", "Select", "Select", "Select"};
    const QStringList captions{"No", "Player", "W", "", "", "", "", ""};
    for (int i = 1; i <= 8; ++i) {
        QComboBox *box = Combo(QString("Combo1_%1").arg(i));
        EXPECT_TRUE(box->isEditable());
        QStringList items;
        for (int k = 0; k < box->count(); ++k)
            items.append(box->itemText(k));
        EXPECT_EQ(items, columns) << i;
        EXPECT_EQ(box->currentText(), shown[i - 1]) << i;
        EXPECT_EQ(Text(QString("Text3_%1").arg(i))->text(), captions[i - 1]) << i;
    }
    // All five sort keys show, though only three columns are filled.
    const QStringList keys{"Points", "Wins", "Name", "Lost", "Draw"};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(Combo(QString("Combo2_%1").arg(i))->count(), 13);
        EXPECT_EQ(Combo(QString("Combo2_%1").arg(i))->currentText(), keys[i - 1]) << i;
    }
}

TEST_F(CustomiseTest, SortKeysBeyondTheShownColumnsSurviveClose)
{
    gTableOrder = {"", "Index", "Name", "", "", "", "", "", ""};
    Open();
    EXPECT_TRUE(Close().isEmpty());
    EXPECT_EQ(Reg(kRegSortOrder), "Points,Wins,Name,Lost,Draw");
}

TEST_F(CustomiseTest, ColumnWithAGapKeepsTheCaptionOfItsPlace)
{
    gTableOrder = {"", "Index", "", "Wins", "", "", "", "", ""};
    gTableShow = {"", "No", "", "W", "", "", "", "", ""};
    Open();
    EXPECT_EQ(Combo("Combo1_2")->currentText(), "Select");
    EXPECT_EQ(Text("Text3_3")->text(), "W");
}

TEST_F(CustomiseTest, PasswordShownOnlyWhenSetAndNeverInClear)
{
    struct Case {
        QString stored;
        bool ticked;
        QString shown;
    };
    const Case cases[] = {{"my-pass", true, "mypass"}, {"none", false, ""}, {"", false, ""}, {"-_!", false, ""}};
    for (const Case &c : cases) {
        SetReg(kRegPassword, c.stored);
        Open();
        EXPECT_EQ(Check("Check7")->isChecked(), c.ticked) << c.stored.toStdString();
        EXPECT_EQ(Text("Text4")->text(), c.shown) << c.stored.toStdString();
        EXPECT_EQ(Text("Text4")->echoMode(), QLineEdit::Password);
        EXPECT_EQ(Reg(kRegPassword), c.stored);  // loading stores nothing
        UnloadForm<customise>();
        ProcessUnloads();
    }
}

TEST_F(CustomiseTest, PasswordSwitchStoresAtOnceAndCloseStoresItCleaned)
{
    SetReg(kRegPassword, "secret");
    Open();
    Check("Check7")->click();
    EXPECT_EQ(Reg(kRegPassword), "");
    EXPECT_FALSE(PasswordIsSet());

    Text("Text4")->setText("new-one");
    Check("Check7")->click();
    EXPECT_EQ(Reg(kRegPassword), "new-one");  // as typed
    EXPECT_TRUE(PasswordMatches("new-one"));

    EXPECT_TRUE(Close().isEmpty());
    EXPECT_EQ(Reg(kRegPassword), "newone");
    EXPECT_TRUE(PasswordMatches("new-one"));  // the login still accepts what was typed
}

TEST_F(CustomiseTest, PasswordUntickedStoresNoneAtClose)
{
    SetReg(kRegPassword, "secret");
    Open();
    Check("Check7")->click();
    Close();
    EXPECT_EQ(Reg(kRegPassword), "none");
}

TEST_F(CustomiseTest, LeavingWithoutCloseKeepsThePassword)
{
    SetReg(kRegPassword, "secret");
    Open();
    Text("Text4")->setText("other");
    UnloadForm<customise>();
    ProcessUnloads();
    EXPECT_EQ(Reg(kRegPassword), "secret");
}

TEST_F(CustomiseTest, BubbleHelpButtonFlipsAndStoresAtOnce)
{
    Open();
    QAbstractButton *button = Button("Command14");
    button->click();
    EXPECT_EQ(button->text(), "On");
    EXPECT_TRUE(button->accessibleName().endsWith(button->text())) << "a screen reader hears the setting";
    EXPECT_EQ(Reg(kRegBubbleHelp), "1");
    button->click();
    EXPECT_EQ(button->text(), "Off");
    EXPECT_EQ(Reg(kRegBubbleHelp), "0");
    EXPECT_EQ(gBubbleHelp, 0);
}

TEST_F(CustomiseTest, RoundWordAppliesAtOnceUpToFiveCharacters)
{
    Open();
    QLineEdit *word = Text("Text5");
    EXPECT_TRUE(MessagesDuring([&] { word->setText("Games"); }).isEmpty());
    EXPECT_EQ(gWeekName, "Games");
    EXPECT_EQ(Reg(kRegWeekName), "Games");
    EXPECT_EQ(Check("Check2")->text(), "Games is visible");

    word->clear();
    EXPECT_EQ(gWeekName, "");
    EXPECT_EQ(Reg(kRegWeekName), "");
    EXPECT_EQ(Check("Check2")->text(), " is visible");

    EXPECT_EQ(MessagesDuring([&] { word->setText("Fixture"); }),
              QStringList{"'week' variable must be 5 or less characters"});
    EXPECT_EQ(word->text(), "Fixture");
    EXPECT_EQ(gWeekName, "");
    EXPECT_EQ(Reg(kRegWeekName), "");
    EXPECT_EQ(Check("Check2")->text(), " is visible");
}

TEST_F(CustomiseTest, ColumnPicks)
{
    Open();
    EXPECT_EQ(MessagesDuring([&] { Pick("Combo1_4", "Wins"); }),
              QStringList{"Can't have the same column displayed twice"});
    EXPECT_EQ(Combo("Combo1_4")->currentText(), "Select");
    EXPECT_EQ(Text("Text3_4")->text(), "");

    Text("Text3_5")->setText("old caption");
    EXPECT_TRUE(MessagesDuring([&] { Pick("Combo1_5", "Points +/-"); }).isEmpty());
    EXPECT_EQ(Text("Text3_5")->text(), "Points +/-");

    // Picking the row's own column again is no duplicate.
    EXPECT_TRUE(MessagesDuring([&] { Pick("Combo1_1", "Index"); }).isEmpty());
    EXPECT_EQ(Text("Text3_1")->text(), "Index");
}

TEST_F(CustomiseTest, SortPicks)
{
    Open();
    Combo("Combo2_1")->setEditText("");
    Combo("Combo2_4")->setEditText("");
    EXPECT_EQ(MessagesDuring([&] { Pick("Combo2_5", "Wins"); }),
              QStringList{"Can't have the same column displayed twice"});
    EXPECT_EQ(Combo("Combo2_5")->currentText(), "Select");
    EXPECT_EQ(Combo("Combo2_1")->currentText(), "Select");  // an empty row before the duplicate
    EXPECT_EQ(Combo("Combo2_4")->currentText(), "");        // the check stopped at row 2

    EXPECT_TRUE(MessagesDuring([&] { Pick("Combo2_5", "Played"); }).isEmpty());
    EXPECT_EQ(Combo("Combo2_5")->currentText(), "Played");
}

TEST_F(CustomiseTest, LongScoreWordRefusesCloseBeforeAnything)
{
    Open();
    Text("Text1")->setText("Points");  // six characters pass
    Text("Text1")->setText("Pointss");
    Text("txtpath")->setText(iniFolder.filePath("missing"));
    EXPECT_EQ(Close(), QStringList{"Length of individual score variable  must be 6 or less characters"});
    EXPECT_TRUE(KeyboardBackIn(Text("Text1")));
    EXPECT_EQ(Text("txtpath")->text(), iniFolder.filePath("missing"));
    EXPECT_NE(LoadedForm<customise>(), nullptr);
    EXPECT_EQ(gTableRefresh, 0);
    EXPECT_FALSE(QFile::exists(IniFilePath()));
}

// A refused Close applies nothing, at whatever check it stops.
TEST_F(CustomiseTest, RefusedCloseChangesNoSetting)
{
    Open();
    Text("txtpath")->setText(iniFolder.filePath("missing"));
    Check("Check1")->setChecked(false);
    Check("Check7")->setChecked(true);
    Text("Text4")->setText("pw");
    MessagesDuring([&] { Text("Text5")->setText("Rounds"); });
    EXPECT_EQ(Close(), (QStringList{"Invalid directory, setting to " + DefaultSavePath(),
                                    "'week' variable must be 5 or less characters"}));
    EXPECT_TRUE(KeyboardBackIn(Text("Text5")));
    EXPECT_EQ(Text("txtpath")->text(), DefaultSavePath());
    EXPECT_EQ(gSavePath, iniFolder.path());
    EXPECT_TRUE(gDateVisible);
    EXPECT_EQ(Reg(kRegPassword), "none");

    Text("Text5")->setText("Round");
    Combo("Combo1_2")->setEditText("wins");
    Combo("Combo1_7")->setEditText("");
    EXPECT_EQ(Close(), QStringList{"Not a valid column name, please change it!"});
    EXPECT_TRUE(KeyboardBackIn(Combo("Combo1_2")));
    EXPECT_EQ(Combo("Combo1_7")->currentText(), "Select");  // every empty column row, before the checks
    EXPECT_EQ(gTableOrder[1], "Index");
    EXPECT_EQ(gSortOrder[1], "Points");
    EXPECT_EQ(gSavePath, iniFolder.path());
    EXPECT_EQ(Reg(kRegTableOrder), "unchanged");

    Combo("Combo1_2")->setEditText("");
    Combo("Combo2_3")->setEditText("Goals");
    EXPECT_EQ(Close(), QStringList{"Not a valid column name, please change it!"});
    EXPECT_EQ(Combo("Combo1_2")->currentText(), "Select");
    EXPECT_EQ(gSortOrder[3], "Name");
    EXPECT_FALSE(QFile::exists(IniFilePath()));
    EXPECT_NE(LoadedForm<customise>(), nullptr);
}

TEST_F(CustomiseTest, CloseStoresEverySetting)
{
    QTemporaryFile existing;
    ASSERT_TRUE(existing.open());
    Open();
    Text("txtpath")->setText(existing.fileName());  // a file passes the check too
    for (int i = 1; i <= 6; ++i)
        Check(QString("Check%1").arg(i))->setChecked(i % 2 == 0);
    Text("Text1")->setText("Goals");
    Text("Text5")->setText("Game");
    Text("Text7")->setText("2");

    // Row 2 shows no column but has a caption; row 4's caption is a placeholder;
    // row 5 repeats a column by typing; row 6's caption holds a comma.
    Text("Text3_2")->setText("Extra");
    Combo("Combo1_2")->setEditText("Select");
    Combo("Combo1_4")->setEditText("Points");
    Text("Text3_4")->setText("None");
    Combo("Combo1_5")->setEditText("Index");
    Text("Text3_5")->setText("Idx");
    Combo("Combo1_6")->setEditText("Draw");
    Text("Text3_6")->setText("D,rawn");
    Combo("Combo2_2")->setEditText("");
    Combo("Combo2_5")->setEditText("Select");

    EXPECT_TRUE(Close().isEmpty());
    EXPECT_EQ(gSavePath, existing.fileName());
    EXPECT_EQ(Reg(kRegDefaultSavePath), existing.fileName());
    EXPECT_EQ(Reg(kRegPassword), "none");
    EXPECT_TRUE(!gDateVisible && gWeekVisible && !gTableNameVisible && gStartEndSummary && !gAddGamesPerMatch
                && gHomeAwayRule);
    EXPECT_EQ(gWeekName, "Game");
    EXPECT_EQ(Reg(kRegWeekName), "Game");
    EXPECT_EQ(gEachGameIs, "Goals");
    EXPECT_EQ(gPointsForDraw, "2");

    EXPECT_EQ(Reg(kRegTableOrder), "Index,Wins,Points,Index,Draw");
    EXPECT_EQ(Reg(kRegTableShow), "No,W,,Idx,Drawn");
    const std::array<QString, 9> order{"", "Index", "Wins", "Points", "Index", "Draw", "", "", ""};
    const std::array<QString, 9> show{"", "No", "W", "", "Idx", "Drawn", "", "", ""};
    EXPECT_EQ(gTableOrder, order);
    EXPECT_EQ(gTableShow, show);
    EXPECT_EQ(Reg(kRegSortOrder), "Points,Name,Lost");
    const std::array<QString, 6> keys{"", "Points", "Name", "Lost", "", ""};
    EXPECT_EQ(gSortOrder, keys);

    EXPECT_EQ(gTableRefresh, 50);
    EXPECT_EQ(IniAccess("GET", kIniSection, "Eachgameis"), "Goals");
    EXPECT_EQ(IniAccess("GET", kIniSection, "PointsforDraw"), "2");
    EXPECT_EQ(IniAccess("GET", kIniSection, "homeaway"), "True");
    EXPECT_EQ(LoadedForm<customise>(), nullptr);
}

// The rule changes which side of a fixture is shown as home, never who scored
// what: the open league's table stays as it was, and the league is marked
// changed when a result moved. A Close that cannot store the rule, or that
// would change it under a window showing a round's scores, changes neither
// the rule nor a result.
TEST_F(CustomiseTest, TheHomeAwayRuleLeavesTheOpenLeaguesTableAsItWas)
{
    test::TestLeague season = test::PlayerLeague(20, 2);
    season.scoresEntered = true;
    test::BuildTestLeague(season);
    const QStringList table = test::StandingsAsText();
    const QList<QString> entered = gScores;
    QWidget scores;   // a round's score window
    scores.setObjectName("Enter_Scores");
    int redraws = 0;  // the screens on view asked to show the settings
    SetSettingsChangedAction([&redraws] { ++redraws; });
    const struct {
        const char *what;
        bool tick, unwritable, scoresOpen;
        int boxes;
        bool rule, changed;
    } rows[] = {
        {"turned on", true, false, false, 0, true, true},
        {"left on", true, false, false, 0, true, false},
        {"turned off where it cannot be stored", false, true, false, 1, true, false},
        {"turned off under a round's scores", false, false, true, 1, true, false},
        {"left on under a round's scores", true, false, true, 0, true, false},
        {"turned off", false, false, false, 0, false, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        gLeagueChanged = false;
        redraws = 0;
        scores.setVisible(row.scoresOpen);
        Open();
        Check("Check6")->setChecked(row.tick);
        if (row.unwritable)
            MakeUnwritable(IniFilePath());
        EXPECT_EQ(Close().size(), row.boxes);
        EXPECT_EQ(gHomeAwayRule, row.rule);
        EXPECT_EQ(gLeagueChanged, row.changed);
        EXPECT_EQ(redraws, row.boxes == 0 ? 1 : 0) << "once for a completed Close, never for a refused one";
        EXPECT_EQ(test::StandingsAsText(), table);
        scores.hide();
        QDir(IniFilePath()).removeRecursively();
        UnloadForm<customise>();
        ProcessUnloads();
    }
    EXPECT_EQ(gScores, entered);
    SetSettingsChangedAction({});
}

TEST_F(CustomiseTest, AllEightColumnsStoreListsWithoutTrailingComma)
{
    gTableOrder = {"", "Index", "Name", "Wins", "Lost", "Draw", "Points", "Played", "+"};
    gTableShow = {"", "1", "2", "3", "4", "5", "6", "7", "8"};
    Open();
    Close();
    EXPECT_EQ(Reg(kRegTableOrder), "Index,Name,Wins,Lost,Draw,Points,Played,+");
    EXPECT_EQ(Reg(kRegTableShow), "1,2,3,4,5,6,7,8");
}

TEST_F(CustomiseTest, MissingDefaultFolderBecomesTheHomeFolderAndCloseGoesOn)
{
    Open();
    Text("txtpath")->setText(iniFolder.filePath("no such folder"));
    EXPECT_EQ(Close(), QStringList{"Invalid directory, setting to " + DefaultSavePath()});
    EXPECT_EQ(gSavePath, DefaultSavePath());
    EXPECT_EQ(Reg(kRegDefaultSavePath), DefaultSavePath());
    EXPECT_EQ(gTableRefresh, 50);
}

TEST_F(CustomiseTest, PointsAreStoredAsTypedOnlyWhenTheyScoreFromZeroToNinetyNine)
{
    struct Case {
        QString typed;
        QString stored;
    };
    const Case cases[] = {{"100", "3"}, {"-1", "3"}, {"99.5", "3"}, {"99", "99"},
                          {"0", "0"},   {"abc", "3"}, {"", "3"},       {" 7 pts", " 7 pts"}};
    for (const Case &c : cases) {
        gPointsForWin = "3";
        Open();
        Text("Text8")->setText(c.typed);
        Close();
        EXPECT_EQ(gPointsForWin, c.stored) << c.typed.toStdString();
        ProcessUnloads();
    }
}

// Typing runs no check: a name typed in another letter case stays as typed
// for Close to refuse, and a column typed twice is stored twice.
TEST_F(CustomiseTest, TypedNamesStayAsTypedForCloseToCheck)
{
    const struct {
        const char *box;
        const char *typed;
        QStringList atClose;
        QString tableOrder;
    } rows[] = {
        {"Combo1_4", "wins", {"Not a valid column name, please change it!"}, "unchanged"},
        {"Combo1_4", "Wins", {}, "Index,Name,Wins,Wins"},
        {"Combo2_4", "points", {"Not a valid column name, please change it!"}, "unchanged"},
        {"Combo2_2", "Points", {}, "Index,Name,Wins"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.typed);
        SetReg(kRegTableOrder, "unchanged");
        gTableOrder = {"", "Index", "Name", "Wins", "", "", "", "", ""};
        Open();
        EXPECT_TRUE(MessagesDuring([&] { Type(row.box, row.typed); }).isEmpty());
        EXPECT_EQ(Combo(row.box)->currentText(), row.typed);
        EXPECT_EQ(Close(), row.atClose);
        EXPECT_EQ(Reg(kRegTableOrder), row.tableOrder);
        EXPECT_EQ(LoadedForm<customise>() != nullptr, !row.atClose.isEmpty());
        UnloadForm<customise>();
        ProcessUnloads();
    }
}

// A setting that cannot be written is reported, naming its file, and the
// dialog stays open with every setting as it was: nothing claims to be saved
// that was not.
TEST_F(CustomiseTest, CloseReportsASettingThatCannotBeWrittenAndStays)
{
    for (const QString &file : {RegistryFile(), IniFilePath()}) {
        SCOPED_TRACE(file.toStdString());
        const IniSnapshot ini = CurrentIniSettings();
        const QString savePath = gSavePath;
        const auto order = gTableOrder;
        const auto sortKeys = gSortOrder;
        Open();
        Text("txtpath")->setText(QDir::tempPath());
        Check("Check1")->setChecked(false);
        Check("Check6")->setChecked(true);
        Text("Text1")->setText("Goal");
        Text("Text8")->setText("5");
        Pick("Combo1_2", "Points");
        Pick("Combo2_1", "Played");
        MakeUnwritable(file);
        EXPECT_EQ(Close(), QStringList{"The settings could not be saved in " + QDir::toNativeSeparators(file)
                                       + ". Check that its folder can be written to and that the disk is not full."});
        EXPECT_NE(LoadedForm<customise>(), nullptr);
        EXPECT_EQ(gTableRefresh, 0);
        EXPECT_EQ(CurrentIniSettings(), ini);
        EXPECT_EQ(gSavePath, savePath);
        EXPECT_EQ(gTableOrder, order);
        EXPECT_EQ(gSortOrder, sortKeys);
        QDir(file).removeRecursively();
        EXPECT_TRUE(Close().isEmpty());  // once it can be written, Close goes through
        EXPECT_EQ(LoadedForm<customise>(), nullptr);
        EXPECT_EQ(gTableRefresh, 50);
        gTableRefresh = 0;
        ProcessUnloads();
    }
}

// The switches stored at once report the first failure only, and go back to
// how they were.
TEST_F(CustomiseTest, StoresMadeAtOnceThatFailChangeNothingAndAreReportedOnce)
{
    Open();
    MakeUnwritable(RegistryFile());
    const QStringList shown = MessagesDuring([&] {
        Check("Check7")->click();
        Button("Command14")->click();
        QTest::keyClick(Text("Text5"), Qt::Key_Backspace);
    });
    EXPECT_EQ(shown.size(), 1);
    EXPECT_FALSE(Check("Check7")->isChecked());
    EXPECT_EQ(Button("Command14")->text(), "Off");
    EXPECT_EQ(gWeekName, "Round");
    EXPECT_EQ(Check("Check2")->text(), "Round is visible");
}

// Centred in what the window shows, whatever the screen: a main window smaller
// than the tab control scrolls it rather than cut it off.
} // namespace
