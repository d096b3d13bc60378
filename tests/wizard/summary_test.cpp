// The summary page, the custom fixture import and the round-date editor,
// driven as a user would.

#include "wizardtest.h"

#include "model/league.h"
#include "model/leaguefile.h"
#include "model/settings.h"
#include "platform/shortdate.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "testleague.h"
#include "ui/controls.h"
#include "wizard/customdates.h"
#include "wizard/import.h"
#include "wizard/wizard2.h"
#include "wizard/wizard3.h"
#include "wizard/wizard5.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace fixtora;

namespace {

// The summary page fills the workspace again.
bool summaryShownMaximised()
{
    const Wizard5 *page = LoadedForm<Wizard5>();
    return page && page->isVisible() && page->parentWidget()->isMaximized();
}

class Summary : public WizardTest {
protected:
    void SetUp() override
    {
        WizardTest::SetUp();
        RegisterTaskWindow(TaskWindow::Tableform, {[this] { ++fixturesShown; }, {}});
    }

    // The summary page of a player league of count names.
    Wizard5 *summary(int count, int games = 1, const QDate &start = {2026, 1, 6}, const QString &every = "1",
                     const QString &unit = "week(s)")
    {
        Definition definition;
        definition.games = QString::number(games);
        definition.start = ShortDate(start);
        definition.count = every;
        definition.unit = unit;
        return OpenSummary(Names(count), definition);
    }

    // Import Names, text pasted, Check.
    void check(const QString &pasted)
    {
        Click(LoadedForm<Wizard5>(), "command2");
        Find<QLineEdit>(LoadedForm<import>(), "Text1")->setText(pasted);
        Click(LoadedForm<import>(), "command1");
    }

    int fixturesShown = 0;
};

class RoundDates : public WizardTest {
protected:
    // The editor opened on a league of entries and games, round r on day r of 2026.
    customdates *editor(int entries, int games)
    {
        test::BuildTestLeague(test::PlayerLeague(entries, games));
        gWeekDates.fill(kZeroDate);
        for (int r = 1; r <= games * (entries - 1); ++r)
            gWeekDates[r] = QDate(2026, 1, 1).addDays(r - 1);
        gDatesPending = true;
        ShowRoundDateEditor();
        return LoadedForm<customdates>();
    }

    QDateEdit *picker(int row) { return Find<QDateEdit>(LoadedForm<customdates>(), ElementName("DTPicker1", row)); }
    QString weekno(int row) { return TextOf(LoadedForm<customdates>(), ElementName("weekno", row)); }
    bool enabled(const char *button) { return Find(LoadedForm<customdates>(), button)->isEnabled(); }

    // The rows as "number date" ("-" for a disabled picker's date).
    QStringList rows()
    {
        QStringList shown;
        for (int r = 0; r < customdates::kRowsPerPage; ++r)
            shown.append(weekno(r) + ' ' + (picker(r)->isEnabled() ? picker(r)->date().toString("MM-dd") : "-"));
        return shown;
    }
};

QStringList expectedRows(int first, int last, const QString &after)
{
    QStringList shown;
    for (int round = first; round < first + customdates::kRowsPerPage; ++round)
        shown.append(round <= last
                         ? QString::number(round) + ' ' + QDate(2026, 1, 1).addDays(round - 1).toString("MM-dd")
                         : after + " -");
    return shown;
}

} // namespace

// ---- Summary page --------------------------------------------------------------

TEST_F(Summary, TheLoadDatesEveryRoundMarksEveryScoreAndShowsTheLeague)
{
    const struct {
        int names, games;
        QDate start;
        const char *every, *unit;
        int entries;
        QDate end;
        const char *perRound;
    } rows[] = {
        {4, 1, {2026, 1, 6}, "1", "week(s)", 4, {2026, 1, 20}, "2"},
        {5, 2, {2026, 3, 1}, "2", "day(s)", 6, {2026, 3, 19}, "3"},
        {4, 1, {2003, 11, 30}, "1", "month(s)", 4, {2004, 1, 30}, "2"},
    };
    for (const auto &row : rows) {
        Wizard5 *page = summary(row.names, row.games, row.start, row.every, row.unit);
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(page->isVisible());
        EXPECT_EQ(Find<QGroupBox>(page, "FrmSummary")->title(), "Summary of Tuesday Pool");
        EXPECT_EQ(TextOf(page, "lb1"), QString::number(row.entries));
        EXPECT_EQ(TextOf(page, "lb2"), QString::number(row.games));
        EXPECT_EQ(TextOf(page, "lb3"), ShortDate(row.start));
        EXPECT_EQ(TextOf(page, "lb4"), ShortDate(row.end));
        EXPECT_EQ(TextOf(page, "lb6"), row.perRound);
        const int sides = row.games * row.entries * (row.entries - 1);
        EXPECT_EQ(gScores.mid(1, sides), QList<QString>(sides, "-1"));
        EXPECT_EQ(gWeekDates[row.games * (row.entries - 1)], row.end);
        StartAgain();
    }
}

TEST_F(Summary, ViewFixturesBuildsTheListAndOpensTheFixturesScreenInThePagesPlace)
{
    Wizard5 *page = summary(5);
    Click(page, "command1");
    EXPECT_EQ(fixturesShown, 1);
    EXPECT_FALSE(page->isVisible());
    EXPECT_EQ(LoadedForm<Wizard5>(), page) << "hidden, not closed";
    EXPECT_EQ(gFixtureSlots[1], "02");
    EXPECT_EQ(gFixtureSlots[30], "05");
    EXPECT_TRUE(gFixtureSlots[31].isEmpty());
}

TEST_F(Summary, BackReturnsToTheNamesOrTeamsWithTheEntriesKept)
{
    for (const bool team : {false, true}) {
        SCOPED_TRACE(team ? "teams" : "players");
        if (team)
            OpenTeamSummary(5);
        else
            OpenSummary(Names(5));
        Click(LoadedForm<Wizard5>(), "command4");
        QWidget *entries = team ? static_cast<QWidget *>(LoadedForm<Wizard2>()) : LoadedForm<Wizard3>();
        ASSERT_NE(entries, nullptr);
        EXPECT_TRUE(entries->isVisible());
        EXPECT_EQ(LoadedForm<Wizard5>(), nullptr);
        EXPECT_EQ(Find<QListWidget>(entries, team ? "teamlist" : "lstClient")->count(), 5);
        Click(entries, team ? "Command3" : "cmdclose");  // handed over again, with the same "bye"
        ASSERT_NE(LoadedForm<Wizard5>(), nullptr);
        EXPECT_EQ(TextOf(LoadedForm<Wizard5>(), "lb1"), "6");
        EXPECT_EQ(gPlayerNames[5], team ? "Team 5" : "Name 5");
        StartAgain();
    }
}

TEST_F(Summary, TheTimerShowsTheDatesTheEditorChanged)
{
    Wizard5 *page = summary(4);
    gWeekDates[1] = QDate(2026, 2, 1);
    gWeekDates[3] = QDate(2026, 3, 1);
    gLastWeek = 3;
    Tick();
    EXPECT_EQ(TextOf(page, "lb3"), ShortDate(QDate(2026, 1, 6))) << "nothing to show yet";
    gDatesEdited = 1;
    EXPECT_TRUE(QTest::qWaitFor([] { return gDatesEdited == 0; }, 1000));
    EXPECT_EQ(TextOf(page, "lb3"), ShortDate(QDate(2026, 2, 1)));
    EXPECT_EQ(TextOf(page, "lb4"), ShortDate(QDate(2026, 3, 1)));
}

// ---- Custom fixture import ---------------------------------------------------------

TEST_F(Summary, TheImportRefusesAStringThatDoesNotFitTheLeague)
{
    // The checks themselves are the model's (wizardrules_test); here one of
    // each refusal, through Cancel and through Escape.
    const struct {
        int names;
        QString pasted;
        const char *title;
    } rows[] = {
        {4, "paste your custom fixtures in here", "Invalid Input String"},
        {5, QString("07") + QString("01").repeated(29), "Invalid value"},
    };
    for (const auto &row : rows) {
        summary(row.names);
        gLeagueType = kTypePlayers;
        BoxAnswers boxes;
        check(row.pasted);
        ASSERT_EQ(boxes.seen().size(), 1) << row.title;
        EXPECT_EQ(boxes.seen()[0].title, row.title);
        ASSERT_NE(LoadedForm<import>(), nullptr) << "the window stays for a correction";
        EXPECT_EQ(TextOf(LoadedForm<import>(), "Text1"), row.pasted);
        auto *pasted = Find<QLineEdit>(LoadedForm<import>(), "Text1");
        EXPECT_TRUE(KeyboardBackIn(pasted));
        EXPECT_FALSE(gImportPending);
        EXPECT_TRUE(gAltFixtureString.isEmpty());
        EXPECT_EQ(gLeagueType, kTypePlayers);
        if (row.names == 5) {
            QTest::keyClick(pasted, Qt::Key_Escape);
            ProcessUnloads();
        } else {
            Click(LoadedForm<import>(), "Command2");
        }
        EXPECT_EQ(LoadedForm<import>(), nullptr);
        EXPECT_TRUE(summaryShownMaximised()) << "Cancel (or Escape) goes back to the summary page";
        StartAgain();
    }
}

TEST_F(Summary, TheImportShowsTheLengthToPasteAndTakesAFittingString)
{
    const struct {
        int names;
        bool team;
        QString pasted;
        const char *length;
        int typeCode;
    } rows[] = {
        {4, false,
         " 102030401030204010402"
         "3 ",
         "24", 4},
        {5, false, QString("0102030405060403060501020506").repeated(2) + "0102", "60", 4},
        {4, true, "010203040103020401040203", "24", 15},
    };
    for (const auto &row : rows) {
        if (row.team) {
            OpenTeamSummary(row.names, "Cumulative+Games");
        } else {
            summary(row.names);
        }
        Click(LoadedForm<Wizard5>(), "command2");
        EXPECT_EQ(TextOf(LoadedForm<import>(), "Text2"), row.length);
        EXPECT_EQ(TextOf(LoadedForm<import>(), "Text1"), "paste your custom fixtures in here");
        BoxAnswers boxes;
        check(row.pasted);
        ASSERT_EQ(boxes.seen().size(), 1);
        EXPECT_EQ(boxes.seen()[0].title, "Valid Input String");
        EXPECT_EQ(LoadedForm<import>(), nullptr) << "the window closes";
        EXPECT_TRUE(summaryShownMaximised()) << "onto the summary page";
        EXPECT_TRUE(gImportPending);
        EXPECT_TRUE(gAltFixtures);
        EXPECT_EQ(gAltFixtureString, row.pasted);
        EXPECT_EQ(gLeagueType, row.typeCode);
        Click(LoadedForm<Wizard5>(), "command1");
        EXPECT_EQ(gFixtureSlots[1], row.pasted.left(2));
        EXPECT_EQ(gFixtureSlots[3], row.pasted.mid(4, 2));
        StartAgain();
    }
}

TEST_F(Summary, AnImportedTeamLeagueIsStoredWithItsCustomFixtures)
{
    QTemporaryDir folder;
    OpenTeamSummary(4, "Cumulative");
    BoxAnswers boxes;
    check("010203040103020401040203");
    gLeagueFile = folder.filePath("import.tbl");
    const FileResult created = CreateLeagueFile();
    ASSERT_TRUE(created.ok) << created.message.toStdString();
    EXPECT_EQ(gLeagueType, 24);
}

TEST_F(Summary, AnImportStaysPendingAcrossTheEditorsReloadButNotIntoANewLeague)
{
    summary(4);
    BoxAnswers boxes;
    check("010203040103020401040203");
    ShowRoundDateEditor();
    Click(LoadedForm<customdates>(), "Command3");
    ASSERT_NE(LoadedForm<Wizard5>(), nullptr);
    EXPECT_TRUE(gImportPending);
    EXPECT_EQ(gLeagueType, 4);

    StartAgain();
    summary(4);
    EXPECT_FALSE(gImportPending);
}

TEST_F(Summary, AnAmpersandInTheLeagueNameIsShownAsTyped)
{
    Definition definition;
    definition.name = QStringLiteral("Pool & Darts");
    EXPECT_EQ(Find<QGroupBox>(OpenSummary(Names(4), definition), "FrmSummary")->title(), "Summary of Pool && Darts");
}

// ---- Round-date editor -------------------------------------------------------------

TEST_F(RoundDates, FortySixRoundsShowOnThreePagesOfTwentyTwo)
{
    customdates *window = editor(24, 2);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Find<QGroupBox>(window, "Frame1")->title(), "Dates for Tuesday Pool");
    const struct {
        const char *turn; // the arrow clicked before the row is checked; nullptr on load
        int first;
        const char *after;
        bool left, right;
        const char *next, *nextLast;
    } steps[] = {
        {nullptr, 1, "", false, true, "23", "44"},          {"rightclick", 23, "", true, true, "45", "66"},
        {"rightclick", 45, "---", true, false, "67", "88"}, {"leftclick", 23, "", true, true, "45", "66"},
        {"leftclick", 1, "", false, true, "23", "44"},
    };
    for (const auto &step : steps) {
        if (step.turn)
            Click(window, step.turn);
        EXPECT_EQ(rows(), expectedRows(step.first, 46, step.after)) << "page from " << step.first;
        EXPECT_EQ(enabled("leftclick"), step.left) << step.first;
        EXPECT_EQ(enabled("rightclick"), step.right) << step.first;
        EXPECT_EQ(TextOf(window, "Text2"), step.next);
        EXPECT_EQ(TextOf(window, "Text3"), step.nextLast);
        EXPECT_EQ(gLastWeek, 46);
    }
}

TEST_F(RoundDates, AShortLeagueShowsOnePageWithTheRestOffAndEscapeClosesItWithTheDatesPending)
{
    editor(10, 2);
    for (int r = 0; r < 18; ++r)
        EXPECT_TRUE(picker(r)->isEnabled()) << r;
    for (int r = 18; r < 22; ++r) {
        EXPECT_EQ(weekno(r), "N/A");
        EXPECT_FALSE(picker(r)->isEnabled());
        EXPECT_EQ(picker(r)->date(), QDate::currentDate());
    }
    EXPECT_FALSE(enabled("rightclick"));
    EXPECT_FALSE(enabled("leftclick"));
    QTest::keyClick(picker(0), Qt::Key_Escape);
    EXPECT_EQ(LoadedForm<customdates>(), nullptr);
    EXPECT_TRUE(gDatesPending);
}

TEST_F(RoundDates, AChangedDateIsStoredAtOnceAndReported)
{
    editor(24, 2);
    Click(LoadedForm<customdates>(), "rightclick");
    BoxAnswers boxes;
    picker(0)->setDate(QDate(2026, 7, 4));
    ASSERT_EQ(boxes.seen().size(), 1);
    EXPECT_EQ(boxes.seen()[0].kind, "system");
    EXPECT_EQ(boxes.seen()[0].text, "week 23 set to " + ShortDate(QDate(2026, 7, 4)));
    EXPECT_EQ(gWeekDates[23], QDate(2026, 7, 4));

    // Days passed on the way in the calendar are stored, and the day it
    // closes on is reported once.
    QWidget *calendar = picker(1)->calendarWidget()->window();
    calendar->show();
    picker(1)->setDate(QDate(2026, 7, 5));
    picker(1)->setDate(QDate(2026, 7, 6));
    EXPECT_EQ(gWeekDates[24], QDate(2026, 7, 6));
    EXPECT_EQ(boxes.seen().size(), 1);
    calendar->hide();
    ASSERT_TRUE(QTest::qWaitFor([&boxes] { return boxes.seen().size() == 2; }, 1000));
    EXPECT_EQ(boxes.seen()[1].text, "week 24 set to " + ShortDate(QDate(2026, 7, 6)));
}

TEST_F(RoundDates, ATurnStoresThePagesRoundsAndNothingAfterTheLastRound)
{
    editor(24, 2);
    Click(LoadedForm<customdates>(), "rightclick");
    Click(LoadedForm<customdates>(), "rightclick");
    gWeekDates[45] = kZeroDate;
    gWeekDates[47] = kZeroDate;
    BoxAnswers boxes;
    Click(LoadedForm<customdates>(), "leftclick");
    EXPECT_TRUE(boxes.seen().isEmpty());
    EXPECT_EQ(weekno(0), "23");
    EXPECT_EQ(gWeekDates[45], QDate(2026, 2, 14)) << "the shown date of round 45";
    EXPECT_EQ(gWeekDates[47], kZeroDate) << "row 3 of the last page holds no round";
    for (int r = 0; r < 22; ++r)
        EXPECT_TRUE(picker(r)->isEnabled()) << r;
}

TEST_F(RoundDates, TheSummaryPageOpensTheEditorWhoseOkHandsItTheDates)
{
    OpenSummary(Names(4));
    Click(LoadedForm<Wizard5>(), "command3");  // "&Edit Dates"
    ASSERT_NE(LoadedForm<customdates>(), nullptr);
    EXPECT_TRUE(LoadedForm<customdates>()->isVisible());
    BoxAnswers boxes;
    picker(0)->setDate(QDate(2030, 1, 1));
    picker(2)->setDate(QDate(2030, 2, 2));
    Click(LoadedForm<customdates>(), "Command3");
    EXPECT_EQ(LoadedForm<customdates>(), nullptr);
    Wizard5 *page = LoadedForm<Wizard5>();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->isVisible());
    EXPECT_FALSE(gDatesPending);
    EXPECT_TRUE(QTest::qWaitFor([] { return gDatesEdited == 0; }, 1000)) << "one timer tick";
    EXPECT_EQ(TextOf(page, "lb3"), ShortDate(QDate(2030, 1, 1)));
    EXPECT_EQ(TextOf(page, "lb4"), ShortDate(QDate(2030, 2, 2)));
    EXPECT_EQ(gWeekDates[2], QDate::currentDate().addDays(7)) << "kept, not worked out again";
    EXPECT_EQ(gStartDate, QDate(2030, 1, 1)) << "the league starts on its first round";
    EXPECT_EQ(gScores[1], "-1");
}

TEST_F(RoundDates, TheHelpPanelOpensTheHelpAndItsCloseTurnsTheBalloonsOff)
{
    const struct {
        const char *answer;
        const char *stored;
    } rows[] = {{"Yes", "<missing>"}, {"No", "0"}};
    for (const auto &row : rows) {
        editor(4, 1);
        gBubbleHelp = 1;
        ASSERT_TRUE(SaveRegString(kHKeyLocalMachine, kSoftwareKey, kRegBubbleHelp, "<missing>"));
        BoxAnswers boxes({row.answer});
        Click(LoadedForm<customdates>(), "helpclose");
        ASSERT_EQ(boxes.seen().size(), 1);
        EXPECT_TRUE(boxes.seen()[0].text.startsWith("This will close the help captions for this session."));
        EXPECT_EQ(GetRegString(kHKeyLocalMachine, kSoftwareKey, kRegBubbleHelp, ""), row.stored) << row.answer;
        EXPECT_EQ(gBubbleHelp, 0);
    }
    const qsizetype before = opened.size();
    Click(LoadedForm<customdates>(), "showhelp");
    ASSERT_EQ(opened.size(), before + 1);
    EXPECT_EQ(opened.last(), QUrl::fromLocalFile(HelpFile()));
}
