#include "model/leaguefile.h"

#include "leaguefilefixture.h"
#include "model/fixturelist.h"
#include "model/leaguerules.h"
#include "model/legs.h"
#include "model/teamscoring.h"
#include "platform/database.h"
#include "platform/numbers.h"
#include "testfiles.h"
#include "testleague.h"

#include <cmath>
#include <functional>

using namespace fixtora;

namespace {

using test::kKey;
const QDate kStart(2026, 1, 6);

using LeagueFileTest = test::LeagueFileFixture;

// A custom fixture string for n entries: the stored pairings, each pair turned round.
QString TurnedRound(int n)
{
    const QString table = PairingTable(n);
    QString s;
    for (qsizetype k = 0; k < table.size(); k += 4)
        s += table.mid(k + 2, 2) + table.mid(k, 2);
    return s;
}

} // namespace

TEST_F(LeagueFileTest, PlayerLeagueRoundTrip)
{
    test::BuildTestLeague(test::PlayerLeague(4, 1));
    gScores[5] = "7";   // the create writes every score as not entered
    const FileResult result = create("club.tbl");
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(gExtFile, path("club.ext"));
    EXPECT_EQ(records("club.ext", "dates"), 3);
    EXPECT_EQ(records("club.tbl", "scores"), 12);
    EXPECT_EQ(records("club.tbl", "penalties"), 4);
    EXPECT_EQ(records("club.tbl", "teamplayerspos"), 0);
    EXPECT_EQ(records("club.tbl", "teamplayers"), 0);
    EXPECT_EQ(records("club.tbl", "altfixtures"), 1);
    EXPECT_EQ(field("club.tbl", "scores", 12, "field1").toString(), "-1");
    EXPECT_EQ(field("club.tbl", "players", 1, "startdate").toString(), "2026-01-06");

    gLeagueOnDisk = false;
    ASSERT_TRUE(load("club.tbl").ok);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(gLeagueOnDisk);
    EXPECT_FALSE(gDatesPending);
    EXPECT_EQ(caption, "Fixtora         Current League :Tuesday Pool");
    EXPECT_EQ(gTableName, "Tuesday Pool");
    EXPECT_EQ(gNumSlots, 4);
    EXPECT_EQ(gGamesToPlay, 1);
    EXPECT_EQ(gStartDate, kStart);
    EXPECT_EQ(gSkipDate, 1);
    EXPECT_EQ(gLeagueType, kTypePlayers);
    EXPECT_FALSE(gTeamLeague);
    EXPECT_EQ(gRoundsPerCycle, 3);
    EXPECT_EQ(gPlayerNames[4], "Player 4");
    EXPECT_EQ(gScores.size(), 16 * 12 + 1);
    EXPECT_EQ(gScores[5], "-1");
    EXPECT_EQ(gWeekDates[3], kStart.addDays(14));
    EXPECT_EQ(gWeekDates[4], kZeroDate);
    EXPECT_EQ(gFixtureSlots[12], "03");
}

TEST_F(LeagueFileTest, TeamLeagueRoundTrip)
{
    test::BuildTestLeague(test::TeamLeague(6, 2, 2));
    gPosPlayer[1].clear();
    gPosPlayer[17] = "T2 P5";
    ASSERT_TRUE(create("teams.tbl").ok);
    EXPECT_EQ(gLeagueType, 23);
    EXPECT_EQ(records("teams.tbl", "teamplayerspos"), 60);
    EXPECT_EQ(records("teams.tbl", "teamplayers"), 16);
    EXPECT_EQ(field("teams.tbl", "teamplayerspos", 2, "pos1").toString(), "T2 P5//-1\\\\-1");
    EXPECT_EQ(field("teams.tbl", "teamplayerspos", 1, "pos1").toString(), "//-1\\\\-1");
    EXPECT_EQ(field("teams.tbl", "players", 1, "player6").toString(), "Team 6");

    for (auto &team : gTeamSquads)
        team.fill("stale");
    ASSERT_TRUE(load("teams.tbl").ok);
    EXPECT_TRUE(gTeamLeague);
    EXPECT_EQ(gTeamScoring, 2);
    EXPECT_EQ(gNumSlots, 6);
    EXPECT_EQ(gTeamSquads[6][16], "T6 P16");
    EXPECT_EQ(gTeamSquads[7][1], "");
    EXPECT_EQ(gTeamSquads[1][0], "stale");   // a team's name row is not stored
    EXPECT_EQ(gPosPlayer[17], "T2 P5");
    EXPECT_EQ(gPosScoreA[17], "-1");
    EXPECT_EQ(gScores[60], "-1");
}

// A season of twenty entries playing each other twice, entered with the
// home-and-away rule off: its table (and a team league's player ranking) is
// the same whichever way the rule is set, after the options convert the
// open league, after a save, and when it is opened under either setting.
TEST_F(LeagueFileTest, ASeasonShowsTheSameTableUnderEitherSettingOfTheHomeAndAwayRule)
{
    const struct {
        const char *what;
        test::TestLeague league;
    } seasons[] = {{"players", test::PlayerLeague(20, 2)}, {"teams by games won", test::TeamLeague(20, 2, 3)}};
    for (auto [what, league] : seasons) {
        SCOPED_TRACE(what);
        league.scoresEntered = true;
        gHomeAwayRule = false;
        test::BuildTestLeague(league);
        for (int e = 1; e <= FixtureEntryCount(20, 2) && league.team; ++e)
            for (int j = 1; j <= kTeamGames; ++j)
                gPosPlayer[kTeamGames * (e - 1) + j] = gTeamSquads[EntryOfCode(gFixtureSlots[e])][j];
        ASSERT_TRUE(create("season.tbl").ok);
        ASSERT_TRUE(SaveLeague().ok);
        ASSERT_TRUE(load("season.tbl").ok);   // a team league's results as the loader builds them
        const QStringList table = test::StandingsAsText(), ranking = test::RankingAsText();
        const QList<QString> enteredOff = gScores;

        gHomeAwayRule = true;   // as the options turn it on
        EXPECT_TRUE(ConvertResultsToRule(false));
        EXPECT_EQ(test::StandingsAsText(), table);
        EXPECT_EQ(test::RankingAsText(), ranking);
        ASSERT_TRUE(SaveLeague().ok);
        for (const bool rule : {true, false, true}) {
            gHomeAwayRule = rule;
            ASSERT_TRUE(load("season.tbl").ok);
            EXPECT_TRUE(messages.isEmpty());
            EXPECT_EQ(test::StandingsAsText(), table) << "opened with the rule " << (rule ? "on" : "off");
            EXPECT_EQ(test::RankingAsText(), ranking) << "opened with the rule " << (rule ? "on" : "off");
            EXPECT_EQ(gScores == enteredOff, !rule);
            EXPECT_FALSE(gLeagueChanged);
        }
        gHomeAwayRule = false;   // turned off again, saved and opened
        EXPECT_TRUE(ConvertResultsToRule(true));
        ASSERT_TRUE(SaveLeague().ok);
        ASSERT_TRUE(load("season.tbl").ok);
        EXPECT_EQ(gScores, enteredOff);
        EXPECT_EQ(test::StandingsAsText(), table);

        // A file written before the rule was recorded is read under today's
        // setting, as it always was, and records it from its next save.
        alter("season.tbl", "DROP TABLE writtenwith");
        gHomeAwayRule = true;
        ASSERT_TRUE(load("season.tbl").ok);
        EXPECT_EQ(gScores, enteredOff);
        EXPECT_NE(test::StandingsAsText(), table);
        ASSERT_TRUE(SaveLeague().ok);
        EXPECT_EQ(field("season.tbl", "writtenwith", 1, "homeaway").toInt(), 1);
    }
    gHomeAwayRule = false;
}

// The league file keeps a digest of the round dates its companion holds: a
// date changed outside the program opens as the companion holds it, with one
// notice naming the companion, until the league is saved again. A file
// written before the digest opens as it always did.
TEST_F(LeagueFileTest, RoundDatesChangedOutsideTheProgramOpenWithANotice)
{
    auto damageDigit = [this] {
        QByteArray bytes = test::readAll(path("club.ext"));
        const qsizetype at = bytes.indexOf("2026-01-20");
        ASSERT_GE(at, 0);
        bytes[at] = '3';
        test::writeAll(path("club.ext"), bytes);
    };
    // A league file alone works its dates out again where its digest names
    // the interval; the next save writes a date file again.
    auto lose = [this](const char *sql) {
        return [this, sql] {
            if (*sql)
                alter("club.tbl", sql);
            QFile::remove(path("club.ext"));
        };
    };
    const struct {
        const char *what;
        std::function<void()> change;
        bool notice;
        QDate round3;
        QDate round2 = QDate(2026, 1, 13);
    } rows[] = {
        {"untouched", [] {}, false, QDate(2026, 1, 20)},
        {"a digit damaged", damageDigit, true, QDate(3026, 1, 20)},
        {"changed by another program", [&] { alter("club.ext", "UPDATE dates SET dates = '2026-02-20' WHERE id = 3"); },
         true, QDate(2026, 2, 20)},
        {"written before the digest", [&] { alter("club.tbl", "DROP TABLE writtenwith"); damageDigit(); }, false,
         QDate(3026, 1, 20)},
        {"date file missing", lose(""), true, QDate(2026, 1, 20)},
        {"date file not a database", [&] { test::writeAll(path("club.ext"), "dates"); }, true, QDate(2026, 1, 20)},
        {"date file short of a date", [&] { alter("club.ext", "DELETE FROM dates WHERE id = 5"); }, true,
         QDate(2026, 1, 20)},
        {"date file missing, dates set by hand", lose("UPDATE writtenwith SET datedigest = 'x'"), true, kZeroDate,
         kZeroDate},
        {"date file missing, written before the digest", lose("DROP TABLE writtenwith"), true, kZeroDate, kZeroDate},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        test::BuildTestLeague(test::PlayerLeague(4, 2));
        ASSERT_TRUE(create("club.tbl").ok);
        row.change();
        const FileResult opened = load("club.tbl");
        ASSERT_TRUE(opened.ok);
        EXPECT_EQ(gWeekDates[3], row.round3);
        EXPECT_EQ(gWeekDates[2], row.round2);
        if (row.notice) {
            EXPECT_EQ(messages, QStringList{opened.message});
            EXPECT_TRUE(opened.message.contains(QDir::toNativeSeparators(path("club.ext"))));
        } else {
            EXPECT_TRUE(messages.isEmpty());
            EXPECT_TRUE(opened.message.isEmpty());
        }
        EXPECT_TRUE(gLeagueOnDisk);
        ASSERT_TRUE(SaveLeague().ok);
        ASSERT_TRUE(load("club.tbl").ok);
        EXPECT_TRUE(messages.isEmpty());
        EXPECT_EQ(gWeekDates[3], row.round3);
    }
}

TEST_F(LeagueFileTest, NamesComeBackExactlyAsTheyWereStored)
{
    const QString rows[] = {
        QString(QChar(0xFEFF)) + "Ann", QString(2, QChar(0xFEFF)) + "Ann", QString("Ann") + QChar(0xFEFF),
        "<b>Bold</b>", "R&D", QString::fromUtf8("Zo\u00eb"), QString::fromUtf8("Zoe\u0308"),
    };
    for (const QString &name : rows) {
        SCOPED_TRACE(name.toStdString());
        test::BuildTestLeague(test::TeamLeague(4));
        gTableName = name;
        gPlayerNames[2] = name;
        gTeamSquads[3][2] = name;
        gPosPlayer[5] = name;
        ASSERT_TRUE(create("names.tbl").ok);
        ASSERT_TRUE(load("names.tbl").ok);
        EXPECT_EQ(gTableName, name);
        EXPECT_EQ(gPlayerNames[2], name);
        EXPECT_EQ(gTeamSquads[3][2], name);
        EXPECT_EQ(gPosPlayer[5], name);
    }
}

TEST_F(LeagueFileTest, SaveInPlaceRewritesResultsButNotTheDefinition)
{
    test::BuildTestLeague(test::PlayerLeague(4, 2));
    ASSERT_TRUE(create("club.tbl").ok);
    gScores[1] = "3";
    gScores[24] = "5";
    gWeekDates[6] = QDate(2026, 5, 1);
    gPenalties[1] = 3;
    gPenalties[2] = -3;
    gPenalties[3] = 40000;
    gPlayerNames[2] = "Renamed";
    gTableName = "Other";
    gStartDate = QDate(2030, 1, 1);
    const FileResult result = SaveLeague();
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(records("club.ext", "dates"), 6);

    ASSERT_TRUE(load("club.tbl").ok);
    EXPECT_EQ(gScores[1], "3");
    EXPECT_EQ(gScores[24], "5");
    EXPECT_EQ(gWeekDates[6], QDate(2026, 5, 1));
    EXPECT_EQ(gPenalties[1], 3);
    EXPECT_EQ(gPenalties[2], 0);
    EXPECT_EQ(gPenalties[3], 32767);
    EXPECT_EQ(gPlayerNames[2], "Renamed");
    EXPECT_EQ(gTableName, "Tuesday Pool");
    EXPECT_EQ(gStartDate, kStart);
    EXPECT_EQ(gGamesToPlay, 2);
}

TEST_F(LeagueFileTest, SaveInPlaceStoresPositionEntriesAndTheLoadRebuildsTeamResults)
{
    struct Case {
        int scoring;
        const char *home, *away, *homeSecondary, *awaySecondary;
    };
    // Fixture 1: home 3, 1, 2 against away 1, 1, 3.
    for (const Case c : {Case{1, "4", "4", "0", "0"}, Case{2, "6", "5", "0", "0"}, Case{3, "2", "2", "6", "5"}}) {
        test::BuildTestLeague(test::TeamLeague(4, 1, c.scoring));
        ASSERT_TRUE(create("teams.tbl").ok);
        const char *homeScores[] = {"3", "1", "2"}, *awayScores[] = {"1", "1", "3"};
        for (int g = 0; g < 3; ++g) {
            gPosPlayer[1 + g] = QString("T1 P%1").arg(g + 1);
            gPosScoreA[1 + g] = homeScores[g];
            gPosScoreA[17 + g] = awayScores[g];
        }
        gPosScoreB[1] = "1";
        gPosScoreA[33] = "0";   // fixture 2: only the home side entered
        gPosPlayer[4].clear();
        gPosScoreB[4].clear();
        ASSERT_TRUE(SaveLeague().ok);
        EXPECT_EQ(field("teams.tbl", "teamplayerspos", 1, "pos1").toString(), "T1 P1//3\\\\1");
        // A part the model holds empty is stored empty.
        EXPECT_EQ(field("teams.tbl", "teamplayerspos", 1, "pos4").toString(), "//-1\\\\");

        ASSERT_TRUE(load("teams.tbl").ok);
        EXPECT_EQ(gPosPlayer[2], "T1 P2");
        EXPECT_EQ(gPosScoreA[3], "2");
        EXPECT_EQ(gScores[1], c.home) << c.scoring;
        EXPECT_EQ(gScores[2], c.away) << c.scoring;
        EXPECT_EQ(gPosScoreB[1], c.homeSecondary) << c.scoring;
        EXPECT_EQ(gPosScoreB[2], c.awaySecondary) << c.scoring;
        EXPECT_EQ(gScores[4], c.scoring == 1 ? "-1" : "0") << c.scoring;
        EXPECT_EQ(gScores[5], "-1");
    }
}

TEST_F(LeagueFileTest, StoredTypeCodes)
{
    struct Case {
        bool team;
        int scoring;
        std::int16_t type;
        bool alt, pending;
        int stored;
    };
    const Case cases[] = {
        {false, 0, 4, true, false, 2},     // swapped player league: 2, whatever it held
        {false, 0, 1, false, false, 1},
        {false, 0, 4, false, true, 4},     // imported player league keeps 4
        {true, 2, 1, false, false, 23},    // a team league gets the code of its scoring
        {true, 3, 15, false, true, 15},    // imported team league stays custom
        {true, 1, 13, true, false, 14},    // swapped team league
    };
    const QString custom = TurnedRound(4);
    for (const Case &c : cases) {
        if (c.team)
            test::BuildTestLeague(test::TeamLeague(4, 1, c.scoring));
        else
            test::BuildTestLeague(test::PlayerLeague(4, 1));
        gLeagueType = c.type;
        gAltFixtures = c.alt;
        gImportPending = c.pending;
        gAltFixtureString = custom;
        ASSERT_TRUE(create("code.tbl").ok);
        EXPECT_EQ(gLeagueType, c.stored);
        EXPECT_EQ(field("code.tbl", "customfixtures", 1, "Value").toInt(), c.stored);
        EXPECT_EQ(records("code.tbl", "altfixtures"), 1);

        ASSERT_TRUE(load("code.tbl").ok);
        const bool isCustom = IsCustomType(c.stored);
        EXPECT_EQ(gAltFixtures, isCustom) << c.stored;
        EXPECT_EQ(gAltFixtureString, isCustom ? custom : QString()) << c.stored;
        EXPECT_EQ(gFixtureSlots[1], isCustom ? "02" : "01") << c.stored;
    }
}

TEST_F(LeagueFileTest, TheCustomFixtureStringIsStoredWhole)
{
    test::BuildTestLeague(test::PlayerLeague(4, 1));
    gImportPending = true;   // written while an import waits, whatever the code
    gAltFixtureString = QString(300, 'x');
    ASSERT_TRUE(create("split.tbl").ok);
    EXPECT_EQ(field("split.tbl", "altfixtures", 1, "value1").toString(), QString(250, 'x'));
    EXPECT_EQ(field("split.tbl", "altfixtures", 1, "value2").toString(), QString(50, 'x'));
    EXPECT_EQ(field("split.tbl", "altfixtures", 1, "value3").toString(), "");
    EXPECT_EQ(field("split.tbl", "altfixtures", 1, "value4").toString(), "");

    test::BuildTestLeague(test::PlayerLeague(32, 2));
    gAltFixtures = true;
    gAltFixtureString = TurnedRound(32);
    ASSERT_EQ(gAltFixtureString.size(), 1984);
    ASSERT_TRUE(create("big.tbl").ok);
    EXPECT_EQ(field("big.tbl", "altfixtures", 1, "value4").toString().size(), 1984 - 750);
    ASSERT_TRUE(load("big.tbl").ok);
    EXPECT_EQ(gAltFixtureString, TurnedRound(32));
    EXPECT_EQ(gFixtureSlots[1984], TurnedRound(32).right(2));

    // A swap back to the stored order keeps the old string in the file.
    gLeagueType = kTypePlayers;
    gAltFixtureString = "changed";
    ASSERT_TRUE(SaveLeague().ok);
    EXPECT_EQ(field("big.tbl", "altfixtures", 1, "value1").toString(), TurnedRound(32).left(250));
}

TEST(ParsePositionEntry, SplitsNameAndBothScores)
{
    const struct {
        const char *entry, *who, *first;
        double second;
    } cases[] = {
        {"Ann//3\\\\2", "Ann", "3", 2},
        {"Ann//-1\\\\-1", "Ann", "-1", -1},
        {"//-1\\\\-1", "", "-1", -1},
        {"//", "empty", "-1", 0},
        {"Ann", "Ann", "", 0},
        {"Ann//\\\\", "Ann", "-1", -1},
        {"Ann//4", "Ann", "4", 0},
        {"Ann//4\\\\x", "Ann", "4", 0},
        {"A//B//5\\\\1\\\\2", "A", "B//5", 1},
    };
    for (const auto &c : cases) {
        const PositionEntry parsed = ParsePositionEntry(c.entry);
        EXPECT_EQ(parsed.who, c.who) << c.entry;
        EXPECT_EQ(parsed.first, c.first) << c.entry;
        EXPECT_EQ(parsed.second, c.second) << c.entry;
    }
}

TEST_F(LeagueFileTest, TheLeagueFileIsReadableOnlyWithItsKey)
{
    test::BuildTestLeague(test::PlayerLeague(4, 1));
    ASSERT_TRUE(create("club.tbl").ok);
    Database db;
    EXPECT_THROW(db.Open(path("club.tbl"), Database::Mode::ReadOnly), DatabaseError);
    db.Open(path("club.tbl"), Database::Mode::ReadOnly, kKey);
    EXPECT_EQ(Recordset(db, "players").RecordCount(), 1);
    Database companion;
    companion.Open(path("club.ext"), Database::Mode::ReadOnly);
    EXPECT_EQ(Recordset(companion, "dates").RecordCount(), 3);
}


TEST_F(LeagueFileTest, SecondScoresReadAsTheirNumbersAndComeBackAsTheModelWritesThem)
{
    const QStringList stored{"-1", "0", "-0", "7", "007", "-12", "123456789", "1234567890", "99999999999999",
                             "1e3", "2.5", " 4", "5x", "-", "+3", ""};
    for (const QString &text : stored) {
        const PositionEntry entry = ParsePositionEntry("Ann//1\\\\" + text);
        EXPECT_EQ(entry.second, Val(text)) << text.toStdString();
        EXPECT_EQ(std::signbit(entry.second), std::signbit(Val(text))) << text.toStdString();
    }

    test::BuildTestLeague(test::TeamLeague(4, 1, 1));
    const int first = FixtureEntryCount(gNumSlots, gGamesToPlay) + 1;   // past what the load rebuilds
    for (int i = 0; i < stored.size(); ++i)
        gPosScoreB[first + i] = stored[i];
    ASSERT_TRUE(create("club.tbl").ok);
    test::BuildTestLeague(test::TeamLeague(4, 1, 1));
    for (int i = 0; i < stored.size(); ++i)
        gPosScoreB[first + i] = stored[i];
    gLeagueFile = path("club.tbl");
    ASSERT_TRUE(SaveLeague().ok);
    ASSERT_TRUE(load("club.tbl").ok);
    for (int i = 0; i < stored.size(); ++i)
        EXPECT_EQ(gPosScoreB[first + i], ScoreText(Val(stored[i]))) << stored[i].toStdString();
}
