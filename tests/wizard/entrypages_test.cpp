// The definition page, the names page and the team page, driven as a user
// would: typing, clicking, answering the boxes.

#include "wizardtest.h"

#include "model/league.h"
#include "model/leaguefile.h"
#include "model/wizardrules.h"
#include "platform/shortdate.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "ui/chameleonbutton.h"
#include "wizard/import.h"
#include "wizard/wizard1.h"
#include "wizard/wizard2.h"
#include "wizard/wizard3.h"
#include "wizard/wizard5.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QTextEdit>

#include <algorithm>

using namespace fixtora;

namespace {

const QString kWizardCaption = "League Wizard          Current League :";

QStringList listed(QWidget *form, const char *list)
{
    QStringList items;
    auto *widget = Find<QListWidget>(form, list);
    for (int i = 0; i < widget->count(); ++i)
        items.append(widget->item(i)->text());
    return items;
}

void choose(QWidget *form, const char *list, int row)
{
    auto *widget = Find<QListWidget>(form, list);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, widget->visualItemRect(widget->item(row)).center());
}

// The page keeps its frame centred and in reach in its page area.
bool frameInPageArea(QWidget *page, const char *frameName)
{
    return Find<QScrollArea>(page, "pageArea")->widget() == Find<QGroupBox>(page, frameName);
}

class EntryPages : public WizardTest {};

} // namespace

TEST_F(EntryPages, CreateNewLeagueOpensTheDefinitionPageInTheMenusPlace)
{
    Click(LoadForm<MainWizard>(), "createtable");
    Wizard1 *page = LoadedForm<Wizard1>();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(LoadedForm<MainWizard>(), nullptr);
    EXPECT_TRUE(frameInPageArea(page, "Wizard1frame"));
    EXPECT_EQ(TextOf(page, "text2"), "1");
    EXPECT_EQ(TextOf(page, "Combo1"), "1");
    EXPECT_EQ(TextOf(page, "Combo2"), "week(s)");
    EXPECT_TRUE(TextOf(page, "text3").isEmpty());
}

TEST_F(EntryPages, EachRefusedDefinitionShowsItsMessageAndKeepsThePage)
{
    // 28 February 2004 as the system writes it, with the day made 31.
    const QString february31 = ShortDate(QDate(2004, 2, 28)).replace("28", "31");
    const struct {
        const char *name, *games;
        QString start;
        const char *count, *unit;
        const char *title;
        const char *refused;  // the box that has the keyboard back
    } rows[] = {
        {"Division 1", "5", "today", "1", "week(s)", "Invalid Games to Play entered", "text2"},
        {"Division 1", "2", february31, "1", "week(s)", "Invalid value entered", "text3"},
        {"Div", "2", "today", "1", "week(s)", "Invalid League Name entered", "Text1"},
        {"Division 1", "2", "today", "0.5", "week(s)", "Invalid days/weeks/months", "Combo1"},
        {"Division 1", "2", "today", "1", "weeks", "Invalid days/weeks/months", "Combo2"},
    };
    Click(LoadForm<MainWizard>(), "createtable");
    for (const auto &row : rows) {
        BoxAnswers boxes;
        Definition definition;
        definition.name = row.name;
        definition.games = row.games;
        definition.start = row.start;
        definition.count = row.count;
        definition.unit = row.unit;
        Define(definition);
        ASSERT_EQ(boxes.seen().size(), 1) << row.title;
        EXPECT_EQ(boxes.seen()[0].title, row.title);
        ASSERT_NE(LoadedForm<Wizard1>(), nullptr);
        EXPECT_TRUE(LoadedForm<Wizard1>()->isVisible());
        EXPECT_EQ(TextOf(LoadedForm<Wizard1>(), "Text1"), row.name) << "what was typed stays";
        EXPECT_EQ(gTableName, row.name) << "the name is stored before any check";
        EXPECT_TRUE(KeyboardBackIn(Find(LoadedForm<Wizard1>(), row.refused))) << row.refused;
        EXPECT_EQ(LoadedForm<Wizard3>(), nullptr);
    }
}

TEST_F(EntryPages, AnEmptyStartDateBecomesTodayAndNextMovesOn)
{
    Click(LoadForm<MainWizard>(), "createtable");
    Definition definition;
    definition.start.clear();
    definition.games = "4.5";
    definition.count = "12";
    definition.unit = "month(s)";
    {
        BoxAnswers boxes;
        Define(definition);
        EXPECT_TRUE(boxes.seen().isEmpty());
    }
    EXPECT_EQ(gStartDate, QDate::currentDate());
    EXPECT_EQ(gGamesToPlay, 4);
    EXPECT_EQ(gFreqCount, 12);
    EXPECT_EQ(gFreqUnit, "m");
    ASSERT_NE(LoadedForm<Wizard3>(), nullptr);
    EXPECT_TRUE(LoadedForm<Wizard3>()->isVisible());
    EXPECT_EQ(LoadedForm<Wizard1>(), nullptr) << "the names page closes the definition page";
    EXPECT_FALSE(gTeamLeague);
    EXPECT_EQ(LoadForm<Main>()->Caption(), kWizardCaption + "Tuesday Pool");
}

TEST_F(EntryPages, AnEmptyStartDateWithAShortNameFillsTheDateThenRefusesTheName)
{
    Click(LoadForm<MainWizard>(), "createtable");
    Definition definition;
    definition.start.clear();
    definition.name = "Div";
    BoxAnswers boxes;
    Define(definition);
    ASSERT_EQ(boxes.seen().size(), 1);
    EXPECT_EQ(boxes.seen()[0].title, "Invalid League Name entered");
    EXPECT_EQ(TextOf(LoadedForm<Wizard1>(), "text3"), ShortDate(QDate::currentDate()));
}

TEST_F(EntryPages, ATickedTeamBoxLeadsToTheTeamPage)
{
    OpenEntriesPage(true);
    ASSERT_NE(LoadedForm<Wizard2>(), nullptr);
    EXPECT_TRUE(LoadedForm<Wizard2>()->isVisible());
    EXPECT_EQ(LoadedForm<Wizard1>(), nullptr);
    EXPECT_TRUE(gTeamLeague);
    EXPECT_TRUE(frameInPageArea(LoadedForm<Wizard2>(), "Wizard2frame"));
}

TEST_F(EntryPages, CancelOrEscapeOnEveryEntryPageAbandonsTheLeagueAndBringsTheMenuBack)
{
    const struct {
        const char *page;
        int step; // 0 the definition page, 1 the names page, 2 the team page
        bool escape;
    } rows[] = {{"Wizard1", 0, false}, {"Wizard3", 1, false}, {"Wizard2", 2, false},
                {"Wizard1", 0, true},  {"Wizard3", 1, true},  {"Wizard2", 2, true}};
    for (const auto &row : rows) {
        Click(LoadForm<MainWizard>(), "createtable");
        QWidget *page = LoadedForm<Wizard1>();
        if (row.step > 0) {
            Definition definition;
            definition.team = row.step == 2;
            Define(definition);
            page = row.step == 1 ? static_cast<QWidget *>(LoadedForm<Wizard3>()) : LoadedForm<Wizard2>();
        }
        ASSERT_NE(page, nullptr) << row.page;
        if (row.escape) {
            QWidget *box = page->findChild<QLineEdit *>();
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Escape);
            ProcessUnloads();
        } else {
            Click(page, "command1");
        }
        EXPECT_EQ(LoadedForm<Wizard1>(), nullptr) << row.page;
        EXPECT_EQ(LoadedForm<Wizard3>(), nullptr) << row.page;
        EXPECT_EQ(LoadedForm<Wizard2>(), nullptr) << row.page;
        ASSERT_NE(LoadedForm<MainWizard>(), nullptr) << row.page;
        EXPECT_TRUE(LoadedForm<MainWizard>()->isVisible()) << row.page;
        EXPECT_TRUE(gTableName.isEmpty()) << row.page;
        EXPECT_EQ(gGamesToPlay, 0) << row.page;
        Tick();
        EXPECT_EQ(LoadForm<Main>()->Caption(), CurrentLeagueCaption(QString())) << row.page;
    }
}

TEST_F(EntryPages, LeavingTypedEntriesAsksFirstAndEscapeClosesAnOpenListOnly)
{
    OpenEntriesPage(true);
    Wizard2 *page = LoadedForm<Wizard2>();
    AddEach(page, "Teamtxt", "TeamAdd", Names(2));
    choose(page, "teamlist", 0);
    AddEach(page, "txtName", "cmdadd", Names(1));
    BoxAnswers boxes({"Cancel", "Cancel", "Cancel", "Discard"});  // Cancel, close box, Create New League; Escape
    Find<QComboBox>(page, "list1")->showPopup();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "the open list closes, the page stays";
    Click(page, "command1");
    page->parentWidget()->close();
    Click(LoadForm<MainWizard>(), "createtable");  // as from the menu with the page minimised
    EXPECT_TRUE(page->isVisible());
    QTest::keyClick(Find<QWidget>(page, "Teamtxt"), Qt::Key_Escape);
    EXPECT_EQ(boxes.texts(), QStringList(4, DiscardTypedQuestion({0, 2, 1})));
    EXPECT_EQ(LoadedForm<Wizard2>(), nullptr);
}

// ---- Names page ----------------------------------------------------------------

TEST_F(EntryPages, NamesAreAddedInOrderAndRefusedWhenTooLongOrRepeated)
{
    OpenEntriesPage(false);
    Wizard3 *page = LoadedForm<Wizard3>();
    const QString sixteen(16, 'a');
    const struct {
        QString typed;
        const char *title; // nullptr: added
        QString left;      // the text box afterwards
    } rows[] = {
        {"Ann", nullptr, ""},
        {sixteen, nullptr, ""},
        {sixteen + "b", "Invalid Name", sixteen + "b"},
        {"Ann", "Invalid Player Name", ""},
        {QChar(0xFEFF) + QString("Ann"), "Invalid Player Name", ""},  // what shows is compared
        {QString(QChar(0xFEFF)), "Invalid Name", QString(QChar(0xFEFF))},
        {"bye", nullptr, ""},
    };
    for (const auto &row : rows) {
        BoxAnswers boxes;
        Type(page, "txtName", row.typed);
        Click(page, "cmdadd");
        EXPECT_EQ(boxes.seen().size(), row.title ? 1 : 0) << row.typed.toStdString();
        if (row.title && !boxes.seen().isEmpty()) {
            EXPECT_EQ(boxes.seen()[0].title, row.title);
        }
        EXPECT_EQ(TextOf(page, "txtName"), row.left);
        EXPECT_TRUE(KeyboardBackIn(Find(page, "txtName"))) << row.typed.toStdString();
    }
    EXPECT_EQ(listed(page, "lstClient"), QStringList({"Ann", sixteen, "bye"}));
    EXPECT_EQ(gNumSlots, 3);
    EXPECT_EQ(gPlayerNames[2], sixteen);
    EXPECT_EQ(TextOf(page, "lblDisplay"), "3");
}

TEST_F(EntryPages, RemoveAndClearKeepTheNamesInListOrder)
{
    OpenEntriesPage(false);
    Wizard3 *page = LoadedForm<Wizard3>();
    AddNames({"Ann", "Bob", "Cy"});
    Click(page, "cmdremove"); // nothing chosen: only a beep
    EXPECT_EQ(gNumSlots, 3);
    choose(page, "lstClient", 1);
    Click(page, "cmdremove");
    Click(page, "cmdremove"); // nothing is chosen after a Remove: only a beep
    EXPECT_EQ(listed(page, "lstClient"), QStringList({"Ann", "Cy"}));
    EXPECT_EQ(gNumSlots, 2);
    EXPECT_EQ(gPlayerNames[1], "Ann");
    EXPECT_EQ(gPlayerNames[2], "Cy");
    EXPECT_EQ(gPlayerNames[3], "");
    EXPECT_EQ(TextOf(page, "lblDisplay"), "2");

    Click(page, "cmdclear");
    EXPECT_EQ(gNumSlots, 0);
    EXPECT_EQ(TextOf(page, "lblDisplay"), "0");
    EXPECT_FALSE(Find(page, "cmdremove")->isEnabled());
    AddNames({"Dee"});
    EXPECT_EQ(gPlayerNames[1], "Dee");
    EXPECT_EQ(listed(page, "lstClient"), QStringList({"Dee"}));
}

TEST_F(EntryPages, AddFollowsTheTextBoxAndA33rdNameIsRefusedWithTheCountMessage)
{
    OpenEntriesPage(false);
    Wizard3 *page = LoadedForm<Wizard3>();
    EXPECT_TRUE(Find(page, "cmdadd")->isEnabled()) << "every button is enabled when the page opens";
    AddNames(Names(32));
    EXPECT_FALSE(Find(page, "cmdadd")->isEnabled()) << "the box is empty";
    BoxAnswers boxes;
    Type(page, "txtName", "Name 33");
    Click(page, "cmdadd");
    ASSERT_EQ(boxes.seen().size(), 1);
    EXPECT_EQ(boxes.seen()[0].title, "Invalid entry");
    EXPECT_TRUE(KeyboardBackIn(Find(page, "txtName")));
    EXPECT_EQ(gNumSlots, 32);
    EXPECT_EQ(listed(page, "lstClient").size(), 32);
}

TEST_F(EntryPages, NextNeedsFourToThirtyTwoNamesAndCompletesAnOddList)
{
    const struct {
        int names;
        bool accepted;
        int entries;
    } rows[] = {{3, false, 3}, {4, true, 4}, {5, true, 6}, {32, true, 32}};
    for (const auto &row : rows) {
        OpenEntriesPage(false, 2);
        AddNames(Names(row.names));
        BoxAnswers boxes;
        Click(LoadedForm<Wizard3>(), "cmdclose");
        EXPECT_EQ(boxes.seen().size(), row.accepted ? 0 : 1) << row.names;
        EXPECT_EQ(gNumSlots, row.entries) << row.names;
        if (row.accepted) {
            ASSERT_NE(LoadedForm<Wizard5>(), nullptr) << row.names;
            EXPECT_TRUE(LoadedForm<Wizard5>()->isVisible());
            EXPECT_FALSE(LoadedForm<Wizard3>()->isVisible()) << "waiting for Back";
            EXPECT_EQ(gPlayerNames[row.entries], row.names % 2 ? "bye" : "Name " + QString::number(row.names));
            EXPECT_EQ(gScores.size(), 2 * row.entries * (row.entries - 1) + 1);
            EXPECT_EQ(gRoundsPerCycle, row.entries - 1);
        } else {
            EXPECT_EQ(boxes.seen()[0].title, "Invalid entry");
            EXPECT_NE(LoadedForm<Wizard3>(), nullptr);
            Click(LoadedForm<Wizard3>(), "command1");
        }
        StartAgain();
    }
}

// ---- Team page -------------------------------------------------------------------

TEST_F(EntryPages, TheTeamPageOpensWithNoTeamChosenAndPlayerEntryOff)
{
    OpenEntriesPage(true);
    Wizard2 *page = LoadedForm<Wizard2>();
    const struct {
        const char *control;
        bool on;
    } rows[] = {{"TeamAdd", true}, {"TeamDelete", false}, {"teamEdit", false}, {"txtName", false},
                {"cmdadd", false}, {"cmdclear", false},   {"command1", true},  {"Command3", true}};
    for (const auto &row : rows)
        EXPECT_EQ(Find(page, row.control)->isEnabled(), row.on) << row.control;
    EXPECT_EQ(TextOf(page, "Label12"), "Names in Team: none selected");
    EXPECT_EQ(TextOf(page, "list1"), "Select method");
}

TEST_F(EntryPages, TeamNamesAreCheckedAndA33rdTeamIsRefused)
{
    OpenEntriesPage(true);
    Wizard2 *page = LoadedForm<Wizard2>();
    const QString sixteen(16, 't');
    const struct {
        QString typed;
        bool refused;
        QString left; // the text box afterwards: kept when invalid, emptied when listed already
    } rows[] = {
        {sixteen, false, ""},
        {sixteen + "x", true, sixteen + "x"},
        {"Team A", false, ""},
        {"Team A", true, ""},
        {"Team A\t", true, ""},
    };
    for (const auto &row : rows) {
        BoxAnswers boxes;
        Type(page, "Teamtxt", row.typed);
        Click(page, "TeamAdd");
        ASSERT_EQ(boxes.seen().size(), row.refused ? 1 : 0) << row.typed.toStdString();
        if (row.refused) {
            EXPECT_EQ(boxes.seen()[0].title, "Invalid Team Name");
        }
        EXPECT_EQ(TextOf(page, "Teamtxt"), row.left) << row.typed.toStdString();
    }
    EXPECT_EQ(listed(page, "teamlist"), QStringList({sixteen, "Team A"}));
    EXPECT_EQ(TextOf(page, "lblteam"), "2");

    AddEach(page, "Teamtxt", "TeamAdd", Names(30, "T"));
    BoxAnswers boxes;
    Type(page, "Teamtxt", "One too many");
    Click(page, "TeamAdd");
    ASSERT_EQ(boxes.seen().size(), 1);
    EXPECT_EQ(boxes.seen()[0].title, "Invalid entry");
    EXPECT_EQ(listed(page, "teamlist").size(), 32);
}

TEST_F(EntryPages, SquadsFollowTheChosenTeamThroughADelete)
{
    OpenEntriesPage(true);
    Wizard2 *page = LoadedForm<Wizard2>();
    AddEach(page, "Teamtxt", "TeamAdd", {"Reds", "Blues", "Greens"});
    for (int t = 0; t < 3; ++t) {
        choose(page, "teamlist", t);
        EXPECT_TRUE(Find(page, "txtName")->isEnabled());
        AddEach(page, "txtName", "cmdadd", Names(t + 1, QStringLiteral("P%1 ").arg(t + 1)));
    }
    EXPECT_EQ(gTeamSquads[3][3], "P3 3");
    EXPECT_EQ(TextOf(page, "Label12"), "Names in Team: Greens");
    EXPECT_EQ(TextOf(page, "lblDisplay"), "3");

    choose(page, "teamlist", 1);
    EXPECT_EQ(listed(page, "lstClient"), QStringList({"P2 1", "P2 2"}));
    for (const char *answer : {"No", "Yes"}) {  // a team with players: asked first
        BoxAnswers boxes({answer});
        Click(page, "TeamDelete");
        ASSERT_EQ(boxes.seen().size(), 1);
        EXPECT_EQ(listed(page, "teamlist").size(), QString(answer) == "No" ? 3 : 2);
    }
    EXPECT_EQ(listed(page, "teamlist"), QStringList({"Reds", "Greens"}));
    EXPECT_EQ(gTeamSquads[2][0], "Greens");
    EXPECT_EQ(gTeamSquads[2][3], "P3 3");
    EXPECT_EQ(gTeamSquads[3][0], "");
    EXPECT_EQ(gTeamSquads[3][1], "");
    EXPECT_EQ(TextOf(page, "Label12"), "Names in Team: none selected");
    EXPECT_EQ(TextOf(page, "lblteam"), "2");
    EXPECT_TRUE(listed(page, "lstClient").isEmpty());
    EXPECT_FALSE(Find(page, "txtName")->isEnabled()) << "no team is chosen after a delete";
    EXPECT_FALSE(Find(page, "cmdadd")->isEnabled());

    choose(page, "teamlist", 1);
    EXPECT_EQ(listed(page, "lstClient"), QStringList({"P3 1", "P3 2", "P3 3"}));
    choose(page, "lstClient", 0);
    Click(page, "cmdremove");
    Click(page, "cmdremove"); // nothing is chosen after a Remove
    EXPECT_EQ(gTeamSquads[2][1], "P3 2");
    EXPECT_EQ(gTeamSquads[2][3], "");
    Click(page, "cmdclear");
    EXPECT_EQ(gTeamSquads[2][1], "");
    EXPECT_EQ(TextOf(page, "lblDisplay"), "0");
    EXPECT_EQ(gTeamSquads[1][1], "P1 1") << "other squads stay";
}

TEST_F(EntryPages, PlayerNamesAreCheckedAndA17thPlayerIsRefused)
{
    OpenEntriesPage(true);
    Wizard2 *page = LoadedForm<Wizard2>();
    AddEach(page, "Teamtxt", "TeamAdd", {"Reds", "Blues"});
    choose(page, "teamlist", 1);
    AddEach(page, "txtName", "cmdadd", {"Ann"});
    choose(page, "teamlist", 0);
    const struct {
        QString typed;
        const char *title; // nullptr: added
    } rows[] = {
        {"Ann", nullptr}, // the same name in another team
        {QString(17, 'p'), "Invalid Length"},
        {"Ann", "Duplicate name"},
        {QString("Ann") + QChar(0x200B), "Duplicate name"},
        {"A//B", "Invalid Name"},
    };
    for (const auto &row : rows) {
        BoxAnswers boxes;
        Type(page, "txtName", row.typed);
        Click(page, "cmdadd");
        ASSERT_EQ(boxes.seen().size(), row.title ? 1 : 0) << row.typed.toStdString();
        if (row.title) {
            EXPECT_EQ(boxes.seen()[0].title, row.title) << row.typed.toStdString();
            EXPECT_TRUE(KeyboardBackIn(Find(page, "txtName"))) << row.typed.toStdString();
        }
    }
    EXPECT_EQ(listed(page, "lstClient"), QStringList({"Ann"}));

    BoxAnswers boxes;
    AddEach(page, "txtName", "cmdadd", Names(16, "P"));
    ASSERT_EQ(boxes.seen().size(), 1) << "the 17th player is refused";
    EXPECT_EQ(boxes.seen()[0].title, "Team full");
    EXPECT_EQ(listed(page, "lstClient").size(), 16);
    EXPECT_EQ(gTeamSquads[1][16], "P15");
    EXPECT_EQ(TextOf(page, "txtName"), "P16");
}

TEST_F(EntryPages, TeamNextChecksTheScoringSystemFirstThenTheCount)
{
    const struct {
        int teams;
        const char *scoring;
        const char *subtitleTitle; // nullptr: accepted
        int scoringCode, entries;
    } rows[] = {
        {5, "Select method", "Invalid entry", 0, 0},
        {3, "Cumulative", "Invalid entry", 2, 0},
        {5, "Cumulative+Games", nullptr, 3, 6},
        {4, "WinLoseDraw", nullptr, 1, 4},
    };
    for (const auto &row : rows) {
        OpenEntriesPage(true, 2);
        Wizard2 *page = LoadedForm<Wizard2>();
        AddEach(page, "Teamtxt", "TeamAdd", Names(row.teams, "Team "));
        Find<QComboBox>(page, "list1")->setCurrentText(row.scoring);
        BoxAnswers boxes;
        Click(page, "Command3");
        if (row.subtitleTitle) {
            ASSERT_EQ(boxes.seen().size(), 1) << row.scoring;
            EXPECT_EQ(boxes.seen()[0].title, row.subtitleTitle);
            const bool scoringRefused = row.scoringCode == 0;
            EXPECT_EQ(boxes.seen()[0].text.startsWith("You must select a valid scoring type"), scoringRefused);
            StartAgain();
        } else {
            EXPECT_TRUE(boxes.seen().isEmpty()) << row.scoring;
            ASSERT_NE(LoadedForm<Wizard5>(), nullptr);
            EXPECT_FALSE(LoadedForm<Wizard2>()->isVisible()) << "waiting for Back";
            EXPECT_EQ(gTeamScoring, row.scoringCode);
            EXPECT_EQ(gNumSlots, row.entries);
            EXPECT_EQ(gPlayerNames[1], "Team 1");
            EXPECT_EQ(gPlayerNames[row.entries], row.teams % 2 ? "bye" : "Team " + QString::number(row.teams));
            const int positions = 16 * row.entries * (row.entries - 1) * 2 + 1;
            EXPECT_EQ(gScores.size(), positions);
            EXPECT_EQ(gPosPlayer.size(), positions);
            EXPECT_EQ(gPosScoreB.size(), positions);
            StartAgain();
        }
    }
}

// ---- Help balloons ----------------------------------------------------------------

TEST_F(EntryPages, EachHelpButtonOpensABalloonUnderTheControlItExplains)
{
    enum Page { Definition, PlayerNames, Teams, Import };
    const struct {
        Page page;
        const char *button, *anchor, *title;
    } rows[] = {
        {Definition, "command3", "Check1", "Team Leagues"},
        {Definition, "command4", "Text1", "Name of League"},
        {Definition, "command5", "text2", "Games to Play"},
        {Definition, "command6", "text3", "Start date"},
        {Definition, "command7", "Combo1", "Frequency"},
        {PlayerNames, "command4", "cmdadd", "Add names"},
        {PlayerNames, "command5", "cmdremove", "Remove name"},
        {PlayerNames, "command6", "cmdclear", "Remove names"},
        {PlayerNames, "command7", "txtName", "Name to add"},
        {PlayerNames, "command8", "command8", "Number of names in League"},
        {Teams, "command7", "command7", "Scoring System"},
        {Import, "command4", "command4", "Import Fixtures"},
    };
    QWidget *form = nullptr;
    std::optional<Page> shown;
    for (const auto &row : rows) {
        if (row.page != shown) {
            shown = row.page;
            if (row.page == Definition) {
                Click(LoadForm<MainWizard>(), "createtable");
                form = LoadedForm<Wizard1>();
            } else if (row.page == Import) {
                Click(LoadedForm<Wizard2>(), "command1");
                OpenSummary(Names(4));
                Click(LoadedForm<Wizard5>(), "command2");
                form = LoadedForm<import>();
            } else {
                Click(form, "command1"); // Cancel: back to the main menu
                OpenEntriesPage(row.page == Teams);
                form = row.page == Teams ? static_cast<QWidget *>(LoadedForm<Wizard2>()) : LoadedForm<Wizard3>();
            }
            ASSERT_NE(form, nullptr) << row.button;
        }
        Click(form, row.button);
        Click(form, row.button);
        const QList<QWidget *> balloons = VisibleBalloons();
        ASSERT_EQ(balloons.size(), 2) << row.title << ": a new balloon each click";
        const QWidget *anchor = Find(form, row.anchor);
        for (QWidget *tip : balloons) {
            EXPECT_EQ(TextOf(tip, "lblTitle"), row.title);
            EXPECT_FALSE(Find<QTextEdit>(tip, "txtTip")->toPlainText().isEmpty()) << row.title;
            // Under the control, moved left only as far as the screen needs.
            const QPoint corner = anchor->mapToGlobal(QPoint(0, anchor->height()));
            const QRect screen = anchor->screen()->availableGeometry();
            EXPECT_EQ(tip->pos(), QPoint(std::min(corner.x(), screen.right() + 1 - tip->width()), corner.y()))
                << row.title;
            EXPECT_EQ(tip->parentWidget(), LoadedForm<Main>());
            tip->deleteLater();
        }
        ProcessUnloads();
    }
}

// Tab goes through a page as it stands, row by row, each help button after
// the control it explains; the keyboard starts on the first box.
TEST_F(EntryPages, TabFollowsThePageAsItStands)
{
    const struct {
        bool names;
        QStringList order;
    } rows[] = {
        {false, {"Text1", "command4", "text2", "command5", "text3", "command6", "Combo1", "Combo2", "command7", "Check1",
                 "command3", "command1", "command2"}},
        {true, {"txtName", "command7", "cmdadd", "command4", "lstClient", "cmdremove", "command5", "cmdclear",
                "command6", "command8", "command1", "cmdclose"}},
    };
    for (const auto &row : rows) {
        Click(LoadForm<MainWizard>(), "createtable");
        if (row.names)
            Define(Definition());
        QWidget *page = row.names ? static_cast<QWidget *>(LoadedForm<Wizard3>()) : LoadedForm<Wizard1>();
        ASSERT_NE(page, nullptr);
        QStringList visited{QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString()};
        while (visited.size() <= row.order.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(visited, row.order + row.order.mid(0, 1));  // and round again
        StartAgain();
    }
}

TEST_F(EntryPages, ABalloonClosesWithItsPage)
{
    Click(LoadForm<MainWizard>(), "createtable");
    Click(LoadedForm<Wizard1>(), "command4");
    ASSERT_EQ(VisibleBalloons().size(), 1);
    Define(Definition());
    ASSERT_NE(LoadedForm<Wizard3>(), nullptr);
    EXPECT_TRUE(VisibleBalloons().isEmpty()) << "the definition page's balloon went with it";

    Click(LoadedForm<Wizard3>(), "command4");
    ASSERT_EQ(VisibleBalloons().size(), 1);
    AddNames(Names(4));
    Click(LoadedForm<Wizard3>(), "cmdclose");
    ASSERT_NE(LoadedForm<Wizard5>(), nullptr);
    EXPECT_TRUE(VisibleBalloons().isEmpty()) << "the names page's balloon went with it";
}
