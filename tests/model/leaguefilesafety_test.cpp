// What a league file does when things go wrong: damaged, truncated or
// refused files end the load with their message and leave no league (a
// damaged tournament file is refused and leaves the open tournament); a
// failed create or save leaves the folder and the previous pair as they
// were; a load changes no byte; a save rewrites only what changed.
#include "model/leaguefile.h"

#include "leaguefilefixture.h"
#include "model/fixturelist.h"
#include "model/leaguerules.h"
#include "model/tournament.h"
#include "model/tournamentfile.h"
#include "platform/database.h"
#include "testfiles.h"
#include "testleague.h"

#include <QFile>

#include <functional>

using namespace fixtora;

namespace {

using LeagueFileSafety = test::LeagueFileFixture;

// Every failed load or save names its file and says what happened in the
// user's words, never the database's, and leaves no league; a league whose
// date file is missing or damaged opens, with a notice naming that file.
TEST_F(LeagueFileSafety, EachLoadOrSaveSaysWhatHappenedToWhichFile)
{
    using P = FileProblem;
    auto writeBytes = [this](const QByteArray &bytes) { test::writeAll(path("club.tbl"), bytes); };
    Database holder;
    auto writeCup = [this](const QByteArray &bytes) { test::writeAll(path("cup.tr"), bytes); };
    enum Run { loadClub, save, createClub, loadCup, saveCup };
    const struct {
        const char *what;
        std::function<void()> damage;
        P problem;
        Run run;
        const char *named = nullptr;   // a file or folder the message names beside the league file
    } cases[] = {
        {"no league file", [&] { QFile::remove(path("club.tbl")); }, P::LeagueMissing, loadClub},
        {"a folder", [&] { QFile::remove(path("club.tbl")); QDir(dir.path()).mkdir("club.tbl"); }, P::NotALeague,
         loadClub},
        {"repeated bytes", [&] { writeBytes(QByteArray(4096, '\x5a')); }, P::NotALeague, loadClub},
        {"empty file", [&] { writeBytes({}); }, P::NotALeague, loadClub},
        {"foreign sqlite", [&] {
             QFile::remove(path("club.tbl"));
             Database db;
             db.Open(path("club.tbl"), Database::Mode::Create);
             db.Execute("CREATE TABLE players (id INTEGER PRIMARY KEY, name TEXT)");
         }, P::NotALeague, loadClub},
        {"another password", [&] {
             QFile::remove(path("club.tbl"));
             Database db;
             db.Open(path("club.tbl"), Database::Mode::Create, "other");
             db.Execute("CREATE TABLE players (id INTEGER PRIMARY KEY, name TEXT)");
         }, P::WrongPassword, loadClub},
        {"keyed without league tables", [&] { alter("club.tbl", "DROP TABLE scores"); }, P::NotALeague, loadClub},
        {"no date file", [&] { QFile::remove(path("club.ext")); }, P::CompanionMissing, loadClub},
        {"date file not a database", [&] { test::writeAll(path("club.ext"), "not a database at all"); },
         P::CompanionDamaged, loadClub},
        {"date missing", [&] { alter("club.ext", "DELETE FROM dates WHERE id = 3"); }, P::CompanionDamaged, loadClub},
        {"date damaged to NULL", [&] { alter("club.ext", "UPDATE dates SET dates = NULL WHERE id = 2"); },
         P::CompanionDamaged, loadClub},
        {"date file page damaged", [&] { damagePageOf("club.ext", "dates"); }, P::CompanionDamaged, loadClub},
        {"date file identity unreadable",
         [&] { alter("club.ext", "DROP TABLE leaguepair"), alter("club.ext", "CREATE TABLE leaguepair (other TEXT)"); },
         P::CompanionDamaged, loadClub},
        {"date file empty", [&] { test::writeAll(path("club.ext"), {}); }, P::CompanionDamaged, loadClub},
        {"date file no identity", [&] { alter("club.ext", "DROP TABLE leaguepair"); }, P::CompanionDamaged, loadClub},
        {"no players record", [&] { alter("club.tbl", "DELETE FROM players"); }, P::Damaged, loadClub},
        {"no penalties table", [&] { alter("club.tbl", "DROP TABLE penalties"); }, P::Damaged, loadClub},
        {"odd count", [&] { alter("club.tbl", "UPDATE players SET player4 = ''"); }, P::Damaged, loadClub},
        {"gap in names", [&] { alter("club.tbl", "UPDATE players SET player2 = '', player5 = 'E'"); }, P::Damaged,
         loadClub},
        {"too many games", [&] { alter("club.tbl", "UPDATE players SET GAMESTOPLAY = 5"); }, P::Damaged, loadClub},
        {"games as text", [&] { alter("club.tbl", "UPDATE players SET GAMESTOPLAY = 'two'"); }, P::Damaged, loadClub},
        {"long name", [&] { alter("club.tbl", "UPDATE players SET player1 = '12345678901234567'"); }, P::Damaged,
         loadClub},
        {"bad start date", [&] { alter("club.tbl", "UPDATE players SET startdate = '31/02/2026'"); }, P::Damaged,
         loadClub},
        {"unknown type", [&] { alter("club.tbl", "UPDATE customfixtures SET Value = 7"); }, P::Damaged, loadClub},
        {"score missing", [&] { alter("club.tbl", "DELETE FROM scores WHERE id = 12"); }, P::Damaged, loadClub},
        {"start date a number", [&] { alter("club.tbl", "UPDATE players SET startdate = 20260106"); }, P::Damaged,
         loadClub},
        {"penalty missing", [&] { alter("club.tbl", "DELETE FROM penalties WHERE id = 4"); }, P::Damaged, loadClub},
        {"rule recorded as no rule", [&] { alter("club.tbl", "UPDATE writtenwith SET homeaway = 2"); }, P::Damaged,
         loadClub},
        {"rule record missing", [&] { alter("club.tbl", "DELETE FROM writtenwith"); }, P::Damaged, loadClub},
        {"custom string too short", [&] {
             alter("club.tbl", "UPDATE customfixtures SET Value = 2");
             alter("club.tbl", "UPDATE altfixtures SET value1 = '0102'");
         }, P::Damaged, loadClub},
        {"team rows missing", [&] { alter("club.tbl", "UPDATE customfixtures SET Value = 13"); }, P::Damaged,
         loadClub},
        {"type page damaged", [&] { damagePageOf("club.tbl", "customfixtures"); }, P::Damaged, loadClub},
        {"page the load never reads damaged", [&] { damagePageOf("club.tbl", "teamplayerspos"); }, P::Damaged,
         loadClub},
        {"save: league file gone", [&] { QFile::remove(path("club.tbl")); }, P::LeagueMissing, save},
        {"save: held by another program", [&] {
             SetBusyTimeoutForTests(50);
             holder.Open(path("club.tbl"), Database::Mode::ReadWrite, test::kKey);
             holder.Execute("BEGIN EXCLUSIVE");
         }, P::InUse, save},
        {"save: pages damaged", [&] { damagePageOf("club.tbl", "scores"); }, P::Damaged, save},
        {"save: date file a folder", [&] { QFile::remove(path("club.ext")); QDir(dir.path()).mkdir("club.ext"); },
         P::NotALeague, save},
        {"save: date file write-protected", [&] { writeProtect("club.ext"); }, P::WriteProtected, save, "club.ext"},
        {"save: folder write-protected", [&] { writeProtect(""); }, P::WriteProtected, save, ""},
        {"create: disk full", [&] {
             SetInstallStepHook([](InstallStep) { throw DatabaseError("disk I/O error", DatabaseError::Kind::DiskFull); });
         }, P::DiskFull, createClub},
        {"tournament of random bytes", [&] { writeCup(QByteArray(4096, '\x5a')); }, {}, loadCup},
        {"league file named as a tournament", [&] { writeCup(test::readAll(path("club.tbl"))); }, {}, loadCup},
        {"tournament page damaged", [&] { damagePageOf("cup.tr", "names"); }, {}, loadCup},
        {"tournament name missing", [&] { alter("cup.tr", "DELETE FROM names WHERE id = 3"); }, {}, loadCup},
        {"tournament bye as winner", [&] { alter("cup.tr", "UPDATE scores SET winner = 2 WHERE id = 1"); }, {},
         loadCup},
        {"tournament size no chart has", [&] { alter("cup.tr", "UPDATE tournament SET entrants = 6"); }, {}, loadCup},
        {"tournament date not a date", [&] { alter("cup.tr", "UPDATE dates SET date = '31/02/2026'"); }, {},
         loadCup},
        {"tournament write-protected", [&] { writeProtect("cup.tr"); }, P::WriteProtected, saveCup},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        writeEnable();
        holder.Close();
        SetInstallStepHook({});
        QDir(path("club.tbl")).removeRecursively();
        QDir(path("club.ext")).removeRecursively();
        test::BuildTestLeague(test::PlayerLeague(4, 1));
        ASSERT_TRUE(create("club.tbl").ok);
        SetUpTournament(5);
        ASSERT_TRUE(SaveTournament(path("cup.tr")).ok);
        c.damage();
        if (c.run == loadCup || c.run == saveCup) {
            const bool save = c.run == saveCup;
            const FileResult result = save ? SaveTournament(path("cup.tr")) : LoadTournament(path("cup.tr"));
            EXPECT_FALSE(result.ok);
            EXPECT_TRUE(!save || (result.message.contains(WhatHappened(c.problem, FileAction::Save, path("cup.tr")))
                                  && !QFileInfo(path("cup.tr")).isWritable()));
            EXPECT_TRUE(result.message.contains("cup.tr"));
            EXPECT_EQ(gTourFile, path("cup.tr")) << "the open tournament stays";
            EXPECT_EQ(gTourEntrants, 8);
            continue;
        }
        const QByteArray before = test::readAll(path("club.tbl"));
        messages.clear();
        gLeagueOnDisk = true;
        gLeagueFile = path("club.tbl");
        gScores[1] = "7";
        const FileResult result = c.run == loadClub ? load("club.tbl")
            : c.run == save                         ? SaveLeague()
                                                    : create("club.tbl");
        const bool opens = c.problem == P::CompanionMissing || c.problem == P::CompanionDamaged;
        EXPECT_EQ(result.ok, opens);
        EXPECT_EQ(result.problem, c.problem);
        EXPECT_TRUE(result.message.contains(QDir::toNativeSeparators(path(opens ? "club.ext" : "club.tbl")))
                    && (!c.named || QString(result.message).remove(path("club.tbl")).contains(path(c.named))))
            << result.message.toStdString();
        EXPECT_FALSE(result.message.contains("SQL", Qt::CaseInsensitive) || result.message.contains("I/O"));
        if (c.run != loadClub) {
            EXPECT_TRUE(c.problem == P::LeagueMissing || test::readAll(path("club.tbl")) == before);
            continue;
        }
        EXPECT_EQ(messages, QStringList{result.message});
        if (opens)
            EXPECT_EQ(gPlayerNames[4], "Player 4");
        else
            expectNoLeague();
    }
}

TEST_F(LeagueFileSafety, AMissingTypeRecordOpensAPlayerLeagueWithoutFixtures)
{
    test::BuildTestLeague(test::PlayerLeague(4, 1));
    ASSERT_TRUE(create("club.tbl").ok);
    alter("club.tbl", "DELETE FROM customfixtures");
    ASSERT_TRUE(load("club.tbl").ok);
    EXPECT_EQ(gLeagueType, kTypeNone);
    EXPECT_EQ(gFixtureSlots[1], "");
}

TEST_F(LeagueFileSafety, CancellingTheOpenDialogLeavesNoLeague)
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

TEST_F(LeagueFileSafety, AFailedSaveLeavesThePreviousFileIntact)
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
        c.damage();
        const FileResult result = SaveLeague();
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.message.isEmpty());
        c.repair();
        ASSERT_TRUE(load("club.tbl").ok);
        EXPECT_EQ(gScores[1], "2");
        EXPECT_EQ(gPenalties[1], 0);
    }
}

TEST_F(LeagueFileSafety, AFailedCreateLeavesTheFolderAsItWas)
{
    test::BuildTestLeague(test::PlayerLeague(4, 1));
    QDir(dir.path()).mkdir("club.tbl");
    const FileResult result = create("club.tbl");
    EXPECT_FALSE(result.ok);
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

TEST_F(LeagueFileSafety, CreateReplacesAnExistingPairAndSaveNeedsOne)
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

TEST_F(LeagueFileSafety, ALeagueTheLoaderWouldRefuseIsNeitherCreatedNorSaved)
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
        const FileResult saved = SaveLeague();
        EXPECT_FALSE(saved.ok);
        EXPECT_EQ(saved.message, LeagueProblem());
        const FileResult created = create("other.tbl");
        EXPECT_FALSE(created.ok);
        EXPECT_EQ(created.message, LeagueProblem());
        EXPECT_EQ(gLeagueType, type);
        EXPECT_EQ(test::readAll(path("club.tbl")), league);
        EXPECT_EQ(test::readAll(path("club.ext")), companion);
        EXPECT_EQ(folder(), "club.ext club.tbl");
    }
}

TEST_F(LeagueFileSafety, ATruncatedFileIsRefusedWhereverItIsCut)
{
    test::BuildTestLeague(test::PlayerLeague(10, 2));
    ASSERT_TRUE(create("club.tbl").ok);
    for (const char *file : {"club.ext", "club.tbl"}) {
        const QByteArray whole = test::readAll(path(file));
        for (qsizetype cut = 0; cut < whole.size(); cut += 1 + whole.size() / 24) {
            for (const qsizetype size : {cut, whole.size() - 1 - cut / 16}) {
                SCOPED_TRACE(QString("%1 cut to %2 of %3 bytes").arg(file).arg(size).arg(whole.size()).toStdString());
                test::writeAll(path(file), whole.left(size));
                const FileResult result = load("club.tbl");
                EXPECT_FALSE(result.ok && file == QStringLiteral("club.tbl"));
                EXPECT_EQ(messages.size(), 1);
            }
        }
        test::writeAll(path(file), whole);
    }
    ASSERT_TRUE(load("club.tbl").ok);
}

TEST_F(LeagueFileSafety, ALoadChangesNoByteAndOpensWriteProtectedFiles)
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

TEST_F(LeagueFileSafety, ASaveRewritesOnlyThePagesOfWhatChanged)
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
        int atMost;   // pages written, of about forty
    } cases[] = {
        {"nothing changed", [] {}, 3},
        {"one position score", [] { gPosScoreA[100] = "9"; }, 5},
        {"one penalty and one date", [] { gPenalties[3] = 2; gWeekDates[4] = gWeekDates[4].addDays(1); }, 5},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray before = test::readAll(path("club.tbl"));
        ASSERT_GT(before.size(), 30 * kPageSize);
        c.change();
        ASSERT_TRUE(SaveLeague().ok);
        EXPECT_LE(pagesWritten(before), c.atMost);
    }

    const int changed = 100;
    const QString score = gPosScoreA[changed];
    ASSERT_TRUE(load("club.tbl").ok);
    EXPECT_EQ(gPosScoreA[changed], score);
    EXPECT_EQ(gPenalties[3], 2);
}
} // namespace
