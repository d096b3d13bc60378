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

#include <QFile>

#include <cmath>
#include <functional>

using namespace fixtora;

namespace {

using test::kKey;
using test::kNotValid;
const QDate kStart(2026, 1, 6);

class LeagueFileTest : public test::LeagueFileFixture {
protected:
    // Runs one statement on a stored league file (keyed) or companion (plain).
    void alter(const QString &file, const QString &sql)
    {
        Database db;
        db.Open(path(file), Database::Mode::ReadWrite, file.endsWith(".tbl") ? kKey : QByteArray());
        db.Execute(sql);
    }

    int records(const QString &file, const char *table)
    {
        Database db;
        db.Open(path(file), Database::Mode::ReadOnly, file.endsWith(".tbl") ? kKey : QByteArray());
        return Recordset(db, table).RecordCount();
    }

    QVariant field(const QString &file, const char *table, int record, const char *name)
    {
        Database db;
        db.Open(path(file), Database::Mode::ReadOnly, file.endsWith(".tbl") ? kKey : QByteArray());
        Recordset rs(db, table);
        rs.MoveFirst();
        for (int i = 1; i < record; ++i)
            rs.MoveNext();
        return rs.Field(name);
    }

    // Changes one byte of the first page of table: in the middle of the page
    // of the keyed league file, in the page header of the plain companion.
    void damagePageOf(const QString &file, const char *table)
    {
        qint64 page = 0, pageSize = 0;
        {
            Database db;
            db.Open(path(file), Database::Mode::ReadOnly, file.endsWith(".tbl") ? kKey : QByteArray());
            page = db.Value(QString("SELECT rootpage FROM sqlite_master WHERE name = '%1'").arg(table)).toLongLong();
            pageSize = db.Value("PRAGMA page_size").toLongLong();
        }
        ASSERT_GT(page, 1);
        QByteArray bytes = test::readAll(path(file));
        bytes[(page - 1) * pageSize + (file.endsWith(".tbl") ? pageSize / 2 : 0)] ^= 0x55;
        test::writeAll(path(file), bytes);
    }

    void expectNoLeague()
    {
        EXPECT_FALSE(gLeagueOnDisk);
        EXPECT_TRUE(gLeagueFile.isEmpty());
        EXPECT_TRUE(gTableName.isEmpty());
        EXPECT_EQ(caption, "Fixtora         Current League : none");
    }

};

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
    EXPECT_TRUE(gSaved);
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
    const struct {
        const char *what;
        std::function<void()> change;
        bool notice;
        QDate round3;
    } rows[] = {
        {"untouched", [] {}, false, QDate(2026, 1, 20)},
        {"a digit damaged", damageDigit, true, QDate(3026, 1, 20)},
        {"changed by another program", [&] { alter("club.ext", "UPDATE dates SET dates = '2026-02-20' WHERE id = 3"); },
         true, QDate(2026, 2, 20)},
        {"written before the digest", [&] { alter("club.tbl", "DROP TABLE writtenwith"); damageDigit(); }, false,
         QDate(3026, 1, 20)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        test::BuildTestLeague(test::PlayerLeague(4, 2));
        ASSERT_TRUE(create("club.tbl").ok);
        row.change();
        const FileResult opened = load("club.tbl");
        ASSERT_TRUE(opened.ok);
        EXPECT_EQ(gWeekDates[3], row.round3);
        EXPECT_EQ(gWeekDates[2], QDate(2026, 1, 13));
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

TEST_F(LeagueFileTest, DamagedFilesEndTheLoadWithTheirMessage)
{
    const QString notFound = "File not found - Database copy";
    auto writeBytes = [this](const QByteArray &bytes) {
        QFile file(path("club.tbl"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    };
    auto fileBytes = [this] {
        QFile file(path("club.tbl"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const struct {
        const char *what;
        std::function<void()> damage;
        QString message;
    } cases[] = {
        {"no league file", [&] { QFile::remove(path("club.tbl")); }, notFound},
        {"no companion", [&] { QFile::remove(path("club.ext")); }, notFound},
        {"a folder", [&] { QFile::remove(path("club.tbl")); QDir(dir.path()).mkdir("club.tbl"); },
         "A League with that name already exists, please use another Name"},
        {"random bytes", [&] { writeBytes(QByteArray(4096, '\x5a')); }, kNotValid},
        {"empty file", [&] { writeBytes({}); }, kNotValid},
        {"truncated", [&] { writeBytes(fileBytes().left(1500)); }, kNotValid},
        {"foreign sqlite", [&] {
             QFile::remove(path("club.tbl"));
             Database db;
             db.Open(path("club.tbl"), Database::Mode::Create);
             db.Execute("CREATE TABLE players (id INTEGER PRIMARY KEY, name TEXT)");
         }, kNotValid},
        {"wrong key", [&] {
             QFile::remove(path("club.tbl"));
             Database db;
             db.Open(path("club.tbl"), Database::Mode::Create, "other");
             db.Execute("CREATE TABLE players (id INTEGER PRIMARY KEY, name TEXT)");
         }, kNotValid},
        {"companion not a database", [&] {
             QFile file(path("club.ext"));
             ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
             file.write("not a database at all, not at all");
         }, kNotValid},
        {"no players record", [&] { alter("club.tbl", "DELETE FROM players"); }, "error database empty"},
        {"no penalties table", [&] { alter("club.tbl", "DROP TABLE penalties"); }, kNotValid},
        {"odd count", [&] { alter("club.tbl", "UPDATE players SET player4 = ''"); }, kNotValid},
        {"gap in names", [&] { alter("club.tbl", "UPDATE players SET player2 = '', player5 = 'E'"); }, kNotValid},
        {"too many games", [&] { alter("club.tbl", "UPDATE players SET GAMESTOPLAY = 5"); }, kNotValid},
        {"games as text", [&] { alter("club.tbl", "UPDATE players SET GAMESTOPLAY = 'two'"); }, kNotValid},
        {"long name", [&] { alter("club.tbl", "UPDATE players SET player1 = '12345678901234567'"); }, kNotValid},
        {"bad start date", [&] { alter("club.tbl", "UPDATE players SET startdate = '31/02/2026'"); }, kNotValid},
        {"unknown type", [&] { alter("club.tbl", "UPDATE customfixtures SET Value = 7"); }, kNotValid},
        {"score missing", [&] { alter("club.tbl", "DELETE FROM scores WHERE id = 12"); }, kNotValid},
        {"date missing", [&] { alter("club.ext", "DELETE FROM dates WHERE id = 3"); }, kNotValid},
        {"date damaged to NULL", [&] { alter("club.ext", "UPDATE dates SET dates = NULL WHERE id = 2"); }, kNotValid},
        {"start date a number", [&] { alter("club.tbl", "UPDATE players SET startdate = 20260106"); }, kNotValid},
        {"penalty missing", [&] { alter("club.tbl", "DELETE FROM penalties WHERE id = 4"); }, kNotValid},
        {"rule recorded as no rule", [&] { alter("club.tbl", "UPDATE writtenwith SET homeaway = 2"); }, kNotValid},
        {"rule record missing", [&] { alter("club.tbl", "DELETE FROM writtenwith"); }, kNotValid},
        {"custom string too short", [&] {
             alter("club.tbl", "UPDATE customfixtures SET Value = 2");
             alter("club.tbl", "UPDATE altfixtures SET value1 = '0102'");
         }, kNotValid},
        {"custom code out of range", [&] {
             alter("club.tbl", "UPDATE customfixtures SET Value = 2");
             alter("club.tbl", "UPDATE altfixtures SET value1 = '050203040301020404010203'");
         }, kNotValid},
        {"team rows missing", [&] { alter("club.tbl", "UPDATE customfixtures SET Value = 13"); }, kNotValid},
        {"type page damaged", [&] { damagePageOf("club.tbl", "customfixtures"); }, kNotValid},
        {"page the load never reads damaged", [&] { damagePageOf("club.tbl", "teamplayerspos"); }, kNotValid},
        {"companion page damaged", [&] { damagePageOf("club.ext", "dates"); }, kNotValid},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QDir(path("club.tbl")).removeRecursively();
        test::BuildTestLeague(test::PlayerLeague(4, 1));
        ASSERT_TRUE(create("club.tbl").ok);
        c.damage();
        messages.clear();
        gLeagueOnDisk = true;
        const FileResult result = load("club.tbl");
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(messages, QStringList{c.message});
        expectNoLeague();
    }
}

TEST_F(LeagueFileTest, AMissingTypeRecordOpensAPlayerLeagueWithoutFixtures)
{
    test::BuildTestLeague(test::PlayerLeague(4, 1));
    ASSERT_TRUE(create("club.tbl").ok);
    alter("club.tbl", "DELETE FROM customfixtures");
    ASSERT_TRUE(load("club.tbl").ok);
    EXPECT_EQ(gLeagueType, kTypeNone);
    EXPECT_EQ(gFixtureSlots[1], "");
}

TEST_F(LeagueFileTest, CancellingTheOpenDialogLeavesNoLeague)
{
    gLeagueOnDisk = true;
    chosen.clear();
    InitialiseGlobals();
    const FileResult result = LoadLeague();
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.isEmpty());
    EXPECT_TRUE(messages.isEmpty());
    expectNoLeague();
}

TEST_F(LeagueFileTest, AFailedSaveLeavesThePreviousFileIntact)
{
    test::BuildTestLeague(test::PlayerLeague(4, 1));
    ASSERT_TRUE(create("club.tbl").ok);
    gScores[1] = "2";
    ASSERT_TRUE(SaveLeague().ok);

    const struct {
        const char *what;
        std::function<void()> damage, repair;
    } cases[] = {
        {"write refused part-way",
         [&] { alter("club.tbl", "CREATE TRIGGER refuse BEFORE UPDATE ON penalties BEGIN SELECT RAISE(ABORT, 'refused'); END"); },
         [&] { alter("club.tbl", "DROP TRIGGER refuse"); }},
        {"companion short of records", [&] { alter("club.ext", "DELETE FROM dates WHERE id = 3"); },
         [&] { alter("club.ext", "INSERT INTO dates (dates) VALUES ('2026-01-20')"); }},
        {"companion replaced by a folder",
         [&] { QFile::rename(path("club.ext"), path("saved.ext")); QDir(dir.path()).mkdir("club.ext"); },
         [&] { QDir(path("club.ext")).removeRecursively(); QFile::rename(path("saved.ext"), path("club.ext")); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        gLeagueFile = path("club.tbl");
        gScores[1] = "9";
        gPenalties[1] = 4;
        gSaved = false;
        c.damage();
        const FileResult result = SaveLeague();
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.message.isEmpty());
        EXPECT_FALSE(gSaved);
        c.repair();
        ASSERT_TRUE(load("club.tbl").ok);
        EXPECT_EQ(gScores[1], "2");
        EXPECT_EQ(gPenalties[1], 0);
    }
}

TEST_F(LeagueFileTest, AFailedCreateLeavesTheFolderAsItWas)
{
    test::BuildTestLeague(test::PlayerLeague(4, 1));
    QDir(dir.path()).mkdir("club.tbl");
    const FileResult result = create("club.tbl");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(gSaved);
    EXPECT_TRUE(QFileInfo(path("club.tbl")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"club.tbl"});

    // Leagues the loader would refuse are not written.
    test::BuildTestLeague(test::PlayerLeague(3, 1));
    EXPECT_FALSE(create("odd.tbl").ok);
    test::BuildTestLeague(test::PlayerLeague(4, 1));
    gAltFixtures = true;
    gAltFixtureString = "0102";
    EXPECT_FALSE(create("odd.tbl").ok);
    EXPECT_FALSE(QFile::exists(path("odd.tbl")));

    test::BuildTestLeague(test::PlayerLeague(4, 1));
    gLeagueFile = path("none/club.tbl");
    EXPECT_FALSE(CreateLeagueFile().ok);
}

TEST_F(LeagueFileTest, CreateReplacesAnExistingPairAndSaveNeedsOne)
{
    test::BuildTestLeague(test::PlayerLeague(4, 1));
    ASSERT_TRUE(create("club.tbl").ok);
    test::BuildTestLeague(test::PlayerLeague(6, 1));
    ASSERT_TRUE(create("club.tbl").ok);
    EXPECT_EQ(records("club.ext", "dates"), 5);
    ASSERT_TRUE(load("club.tbl").ok);
    EXPECT_EQ(gNumSlots, 6);

    gLeagueFile = path("never.tbl");
    EXPECT_FALSE(SaveLeague().ok);
    EXPECT_FALSE(QFile::exists(path("never.tbl")));
}

TEST_F(LeagueFileTest, ALeagueTheLoaderWouldRefuseIsNeitherCreatedNorSaved)
{
    const struct {
        const char *what;
        bool team;
        std::function<void()> change;
    } cases[] = {
        {"empty entry name", false, [] { gPlayerNames[2].clear(); }},
        {"17-character entry name", false, [] { gPlayerNames[2] = QString(17, 'x'); }},
        {"17-character league name", false, [] { gTableName = QString(17, 'L'); }},
        {"17-character squad name", true, [] { gTeamSquads[1][1] = QString(17, 's'); }},
        {"squad player Jo//Ann", true, [] { gTeamSquads[3][2] = "Jo//Ann"; }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        test::BuildTestLeague(c.team ? test::TeamLeague(4) : test::PlayerLeague(4));
        ASSERT_TRUE(create("club.tbl").ok);
        const QByteArray league = test::readAll(path("club.tbl")), companion = test::readAll(path("club.ext"));
        c.change();
        const std::int16_t type = gLeagueType;
        gSaved = false;
        const FileResult saved = SaveLeague();
        EXPECT_FALSE(saved.ok);
        EXPECT_EQ(saved.message, LeagueProblem());
        const FileResult created = create("other.tbl");
        EXPECT_FALSE(created.ok);
        EXPECT_EQ(created.message, LeagueProblem());
        EXPECT_FALSE(gSaved);
        EXPECT_EQ(gLeagueType, type);
        EXPECT_EQ(test::readAll(path("club.tbl")), league);
        EXPECT_EQ(test::readAll(path("club.ext")), companion);
        EXPECT_EQ(folder(), "club.ext club.tbl");
    }
}

TEST_F(LeagueFileTest, ATruncatedFileIsRefusedWhereverItIsCut)
{
    test::BuildTestLeague(test::PlayerLeague(10, 2));
    ASSERT_TRUE(create("club.tbl").ok);
    for (const char *file : {"club.ext", "club.tbl"}) {
        const QByteArray whole = test::readAll(path(file));
        for (qsizetype cut = 0; cut < whole.size(); cut += 1 + whole.size() / 24) {
            for (const qsizetype size : {cut, whole.size() - 1 - cut / 16}) {
                SCOPED_TRACE(QString("%1 cut to %2 of %3 bytes").arg(file).arg(size).arg(whole.size()).toStdString());
                test::writeAll(path(file), whole.left(size));
                messages.clear();
                EXPECT_FALSE(load("club.tbl").ok);
                EXPECT_EQ(messages, QStringList{kNotValid});
            }
        }
        test::writeAll(path(file), whole);
    }
    ASSERT_TRUE(load("club.tbl").ok);
}

TEST_F(LeagueFileTest, ALoadChangesNoByteAndOpensWriteProtectedFiles)
{
    test::BuildTestLeague(test::TeamLeague(4));
    ASSERT_TRUE(create("club.tbl").ok);
    const QByteArray league = test::readAll(path("club.tbl")), companion = test::readAll(path("club.ext"));
    for (const bool writeProtected : {false, true}) {
        SCOPED_TRACE(writeProtected);
        for (const char *file : {"club.tbl", "club.ext"})
            if (writeProtected) {
                ASSERT_TRUE(QFile::setPermissions(path(file), QFile::ReadOwner));
            }
        ASSERT_TRUE(load("club.tbl").ok);
        EXPECT_EQ(gNumSlots, 4);
        EXPECT_EQ(test::readAll(path("club.tbl")), league);
        EXPECT_EQ(test::readAll(path("club.ext")), companion);
        EXPECT_EQ(folder(), "club.ext club.tbl");
    }
}

TEST_F(LeagueFileTest, ASaveRewritesOnlyThePagesOfWhatChanged)
{
    test::TestLeague league = test::TeamLeague(16, 2, 1);
    league.scoresEntered = true;
    test::BuildTestLeague(league);
    ASSERT_TRUE(create("club.tbl").ok);
    ASSERT_TRUE(load("club.tbl").ok);
    // Every page is written again with a new random start, so a page that
    // was written differs whole from what it was.
    constexpr qsizetype kPageSize = kCipherPageSize;
    auto pagesWritten = [this](const QByteArray &before) {
        const QByteArray after = test::readAll(path("club.tbl"));
        int written = 0;
        for (qsizetype at = 0; at < before.size(); at += kPageSize)
            written += before.mid(at, kPageSize) != after.mid(at, kPageSize);
        return written;
    };
    const struct {
        const char *what;
        std::function<void()> change;
        SaveCommit commit;
        int atMost;   // pages written, of about forty
    } cases[] = {
        {"nothing changed", [] {}, SaveCommit::Whole, 3},
        {"one position score", [] { gPosScoreA[100] = "9"; }, SaveCommit::Whole, 5},
        {"one penalty and one date", [] { gPenalties[3] = 2; gWeekDates[4] = gWeekDates[4].addDays(1); },
         SaveCommit::Whole, 5},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray before = test::readAll(path("club.tbl"));
        ASSERT_GT(before.size(), 30 * kPageSize);
        c.change();
        ASSERT_TRUE(SaveLeague(c.commit).ok);
        EXPECT_LE(pagesWritten(before), c.atMost);
    }
    const QByteArray before = test::readAll(path("club.tbl"));
    ASSERT_TRUE(SaveLeague(SaveCommit::PerRecord).ok);   // writes every record
    EXPECT_GT(pagesWritten(before), before.size() / kPageSize / 2);

    const int changed = 100;
    const QString score = gPosScoreA[changed];
    ASSERT_TRUE(load("club.tbl").ok);
    EXPECT_EQ(gPosScoreA[changed], score);
    EXPECT_EQ(gPenalties[3], 2);
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
