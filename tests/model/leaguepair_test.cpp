// The two files of a league as a user's machine treats them: saves and creates
// killed part-way in a child process, pairs whose halves do not belong
// together, and files held by another program.
#include "model/leaguepair.h"

#include "leaguefilefixture.h"
#include "model/tournament.h"
#include "model/tournamentfile.h"
#include "platform/database.h"
#include "testfiles.h"
#include "testleague.h"

#include <QCryptographicHash>
#include <QFile>

#include <chrono>
#include <csignal>
#include <functional>
#include <optional>
#include <random>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

using namespace fixtora;
using namespace std::chrono;

namespace {

using test::kKey;
const char *const kPairOnly = "club.ext club.tbl";

struct ChildRun {
    bool killed = false;     // by the kill, before it finished
    bool succeeded = false;  // finished and its step reported success
    microseconds took{};
};

// Runs step in a child process. With a delay, the child is killed that long
// after it began the step (unless it finished first).
ChildRun runInChild(const std::function<bool()> &step, std::optional<microseconds> killAfter = {})
{
    int started[2];
    if (::pipe(started) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(started[0]);
        const char go = 'x';
        const bool told = ::write(started[1], &go, 1) == 1;
        ::_exit(told && step() ? 0 : 1);
    }
    ::close(started[1]);
    char go;
    const bool began = ::read(started[0], &go, 1) == 1;
    ::close(started[0]);
    const auto start = steady_clock::now();
    if (began && killAfter) {
        std::this_thread::sleep_for(*killAfter);
        ::kill(child, SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ChildRun run;
    run.took = duration_cast<microseconds>(steady_clock::now() - start);
    run.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    run.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// The whole league as the model holds it after a load.
QByteArray fingerprint()
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    auto add = [&hash](const QString &text) { hash.addData((text + '\n').toUtf8()); };
    const int e = FixtureEntryCount(gNumSlots, gGamesToPlay);
    add(gTableName);
    add(QString("%1 %2 %3 %4").arg(gNumSlots).arg(gGamesToPlay).arg(gLeagueType).arg(gStartDate.toString()));
    add(gAltFixtureString);
    for (int i = 1; i <= kMaxSlots; ++i)
        add(gPlayerNames[i]);
    for (int i = 1; i <= e; ++i)
        add(gScores.value(i));
    for (int p = 1; p <= kSquadSize * e; ++p)
        add(gPosPlayer.value(p) + '|' + gPosScoreA[p] + '|' + gPosScoreB.value(p));
    for (int r = 1; r <= gGamesToPlay * (gNumSlots - 1); ++r)
        add(gWeekDates[r].toString());
    for (int s = 1; s <= gNumSlots; ++s)
        add(QString::number(gPenalties[s]));
    for (int t = 1; t <= kMaxSlots && gTeamLeague; ++t)
        for (int j = 1; j <= kSquadSize; ++j)
            add(gTeamSquads[t][j]);
    return hash.result();
}

// The league a save rewrites: every result entered, an entry renamed, squads
// changed, penalties given and the round dates moved.
void changeEverything()
{
    gPlayerNames[3] = "Renamed";
    gTeamSquads[2][5] = "New Player";
    for (int s = 1; s <= gNumSlots; ++s)
        gPenalties[s] = s;
    for (int r = 1; r <= gGamesToPlay * (gNumSlots - 1); ++r)
        gWeekDates[r] = gWeekDates[r].addDays(1);
}

test::TestLeague savedLeague(bool changed)
{
    test::TestLeague league = test::TeamLeague(12, 2, 1);
    league.scoresEntered = changed;
    return league;
}

class LeaguePairTest : public test::LeagueFileFixture {
protected:
    using LeagueFileFixture::create;
    FileResult create(const QString &file, const test::TestLeague &league)
    {
        test::BuildTestLeague(league);
        return create(file);
    }

    // The model's fingerprint after loading file, or nothing when it does not load.
    std::optional<QByteArray> loaded(const QString &file)
    {
        if (!load(file).ok)
            return std::nullopt;
        return fingerprint();
    }

    // Puts the pair kept in from back in the test folder, alone.
    void restorePair(const QTemporaryDir &from)
    {
        for (const QString &name : files())
            QFile::remove(path(name));
        for (const char *name : {"club.tbl", "club.ext"})
            ASSERT_TRUE(QFile::copy(from.filePath(name), path(name)));
    }

    // The league a create replaces, kept in oldPair, and the one it writes;
    // the fingerprints of both as a load finds them.
    const test::TestLeague oldLeague = test::PlayerLeague(10, 2), newLeague = test::TeamLeague(12, 2, 3);
    QTemporaryDir oldPair;
    QByteArray beforeCreate, afterCreate;
    void keepBothLeagues()
    {
        QTemporaryDir fresh;
        ASSERT_TRUE(create(QDir(oldPair.path()).filePath("club.tbl"), oldLeague).ok);
        ASSERT_TRUE(create(QDir(fresh.path()).filePath("club.tbl"), newLeague).ok);
        const auto before = loaded(QDir(oldPair.path()).filePath("club.tbl"));
        const auto after = loaded(QDir(fresh.path()).filePath("club.tbl"));
        ASSERT_TRUE(before && after);
        beforeCreate = *before;
        afterCreate = *after;
    }

    // Runs write (set up by prepare) in a child killed at random points of it,
    // and checks after each kill that the next load finds the league as it
    // was before the write or after it, whole, and nothing else in the folder.
    void killAtRandomPoints(const std::function<void()> &prepare, const std::function<bool()> &write,
                            const QByteArray &before, const QByteArray &after, unsigned seed)
    {
        prepare();
        const ChildRun whole = runInChild(write);
        ASSERT_TRUE(whole.succeeded);
        std::mt19937 random(seed);
        std::uniform_int_distribution<long> delay(0, whole.took.count() * 6 / 5);
        int interrupted = 0;
        for (int kill = 0; kill < 30; ++kill) {
            prepare();
            const microseconds killAfter(delay(random));
            SCOPED_TRACE(killAfter.count());
            const ChildRun run = runInChild(write, killAfter);
            ASSERT_TRUE(run.killed || run.succeeded);
            interrupted += run.killed;
            const auto now = loaded(path("club.tbl"));
            ASSERT_TRUE(now.has_value()) << messages.join(' ').toStdString();
            EXPECT_TRUE(*now == before || *now == after);
            if (!run.killed) {
                EXPECT_EQ(*now, after);
            }
            EXPECT_EQ(folder(), kPairOnly);
        }
        EXPECT_GE(interrupted, 10);
    }
};

} // namespace

TEST_F(LeaguePairTest, ASaveKilledAtAnyPointLeavesTheOldOrTheNewLeagueWhole)
{
    QTemporaryDir old;
    ASSERT_TRUE(create(old.filePath("club.tbl"), savedLeague(false)).ok);
    const auto before = loaded(old.filePath("club.tbl"));
    auto prepareSave = [&] {
        restorePair(old);
        test::BuildTestLeague(savedLeague(true));
        changeEverything();
        gLeagueFile = path("club.tbl");
    };
    prepareSave();
    ASSERT_TRUE(SaveLeague().ok);
    const auto after = loaded(path("club.tbl"));
    ASSERT_TRUE(before && after);
    ASSERT_NE(*before, *after);

    killAtRandomPoints(prepareSave, [] { return SaveLeague().ok; }, *before, *after, 20260106);
}

TEST_F(LeaguePairTest, ACreateKilledAtAnyPointLeavesTheOldOrTheNewLeagueWhole)
{
    ASSERT_NO_FATAL_FAILURE(keepBothLeagues());
    auto createOverOld = [&] {
        restorePair(oldPair);
        test::BuildTestLeague(newLeague);
        gLeagueFile = path("club.tbl");
    };
    killAtRandomPoints(createOverOld, [] { return CreateLeagueFile().ok; }, beforeCreate, afterCreate, 20260107);
}

TEST_F(LeaguePairTest, ACreateStoppedAtEachStepIsUndoneOrFinishedByTheNextUseOfTheFolder)
{
    ASSERT_NO_FATAL_FAILURE(keepBothLeagues());
    enum class NextUse { Load, CreateBeside, SaveBeside };
    const struct {
        const char *what;
        InstallStep step;
        NextUse next;
        bool finished;
        int datesOnDisk;   // round dates in the companion found where the create stopped
    } cases[] = {
        {"old companion kept", InstallStep::OldCompanionKept, NextUse::Load, false, 18},
        {"between the two renames", InstallStep::CompanionInPlace, NextUse::Load, false, 22},
        {"between the two renames, then another league created", InstallStep::CompanionInPlace,
         NextUse::CreateBeside, false, 22},
        {"between the two renames, then another league saved", InstallStep::CompanionInPlace, NextUse::SaveBeside,
         false, 22},
        {"both in place", InstallStep::LeagueInPlace, NextUse::Load, true, 22},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        restorePair(oldPair);
        ASSERT_TRUE(create(path("other.tbl"), test::PlayerLeague(4)).ok);
        test::BuildTestLeague(newLeague);
        gLeagueFile = path("club.tbl");
        const InstallStep stopAt = c.step;
        SetInstallStepHook([stopAt](InstallStep step) {
            if (step == stopAt)
                ::raise(SIGKILL);
        });
        ASSERT_TRUE(runInChild([] { return CreateLeagueFile().ok; }).killed);
        SetInstallStepHook({});
        EXPECT_GT(files().size(), 4);   // the hidden files of the create are still there
        {
            Database companion;
            companion.Open(path("club.ext"), Database::Mode::ReadOnly);
            EXPECT_EQ(Recordset(companion, "dates").RecordCount(), c.datesOnDisk);
        }

        std::optional<QByteArray> now;
        if (c.next == NextUse::Load) {
            now = loaded(path("club.tbl"));
        } else if (c.next == NextUse::CreateBeside) {
            ASSERT_TRUE(create(path("third.tbl"), test::PlayerLeague(6)).ok);
            QFile::remove(path("third.tbl"));
            QFile::remove(path("third.ext"));
        } else {
            test::BuildTestLeague(test::PlayerLeague(4));
            gLeagueFile = path("other.tbl");
            ASSERT_TRUE(SaveLeague().ok);
        }
        EXPECT_EQ(folder(), "club.ext club.tbl other.ext other.tbl");
        if (!now)
            now = loaded(path("club.tbl"));
        EXPECT_EQ(now, c.finished ? afterCreate : beforeCreate);
        QFile::remove(path("other.tbl"));
        QFile::remove(path("other.ext"));
    }
}

TEST_F(LeaguePairTest, ACreateThatFailsBeforeTheLeagueIsInPlaceLeavesTheOldPair)
{
    ASSERT_NO_FATAL_FAILURE(keepBothLeagues());
    for (const InstallStep failAt : {InstallStep::OldCompanionKept, InstallStep::CompanionInPlace}) {
        restorePair(oldPair);
        SetInstallStepHook([failAt](InstallStep step) {
            if (step == failAt)
                throw DatabaseError("Cannot write club.tbl: no space left");
        });
        const FileResult result = create(path("club.tbl"), newLeague);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.problem, FileProblem::Failed);
        EXPECT_EQ(folder(), kPairOnly);
        EXPECT_EQ(loaded(path("club.tbl")), beforeCreate);
    }

    // A first create that fails leaves no companion behind.
    for (const QString &name : files())
        QFile::remove(path(name));
    SetInstallStepHook([](InstallStep step) {
        if (step == InstallStep::CompanionInPlace)
            throw DatabaseError("stopped");
    });
    EXPECT_FALSE(create(path("club.tbl"), test::PlayerLeague(4)).ok);
    EXPECT_EQ(folder(), "");
}

TEST_F(LeaguePairTest, WhatADeadSaveLeftIsRolledBackOrRemovedByTheNextLoad)
{
    ASSERT_TRUE(create(path("club.tbl"), test::PlayerLeague(10, 2)).ok);
    QTemporaryDir old;
    for (const char *name : {"club.tbl", "club.ext"})
        ASSERT_TRUE(QFile::copy(path(name), old.filePath(name)));
    const auto before = loaded(path("club.tbl"));
    const QString superJournal = path("club.tbl-mj0A1B2C9D3");
    const struct {
        const char *what;
        std::function<void()> leave;
        const char *leftBehind;   // before the load
        const char *afterLoad;
    } cases[] = {
        {"a save killed with its changes half in the files",
         [&] {
             runInChild([&] {
                 Database db;
                 OpenPair(db, path("club.tbl"), path("club.ext"));
                 db.Execute("PRAGMA cache_size = 1");
                 db.Execute("PRAGMA ext.cache_size = 1");
                 Transaction transaction(db);
                 db.Execute("UPDATE scores SET field1 = '9'");
                 db.Execute("UPDATE players SET player1 = 'Changed'");
                 db.Execute("UPDATE ext.dates SET dates = '2030-01-01'");
                 ::raise(SIGKILL);
                 return true;
             });
         },
         "club.ext club.ext-journal club.tbl club.tbl-journal", kPairOnly},
        {"a super-journal no journal names",
         [&] { test::writeAll(superJournal, (path("club.tbl-journal") + '\0').toUtf8()); },
         "club.ext club.tbl club.tbl-mj0A1B2C9D3", kPairOnly},
        {"a super-journal a journal still names",
         [&] {
             test::writeAll(path("club.ext-journal-other"), "x");
             test::writeAll(superJournal, (path("club.ext-journal-other") + '\0').toUtf8());
         },
         "club.ext club.ext-journal-other club.tbl club.tbl-mj0A1B2C9D3",
         "club.ext club.ext-journal-other club.tbl club.tbl-mj0A1B2C9D3"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        restorePair(old);
        c.leave();
        EXPECT_EQ(folder(), c.leftBehind);
        EXPECT_EQ(loaded(path("club.tbl")), before);
        EXPECT_EQ(folder(), c.afterLoad);
    }
}

TEST_F(LeaguePairTest, HalvesThatDoNotBelongTogetherAreNeverOpenedOrSaved)
{
    auto dropIdentity = [this](const QString &file) {
        Database db;
        db.Open(path(file), Database::Mode::ReadWrite, file.endsWith(".tbl") ? kKey : QByteArray());
        db.Execute("DROP TABLE leaguepair");
    };
    const struct {
        const char *what;
        std::function<void()> mix;
    } cases[] = {
        {"the companion of another create of the same league",
         [&] {
             ASSERT_TRUE(create(path("copy.tbl"), test::PlayerLeague(4)).ok);
             ASSERT_TRUE(QFile::remove(path("club.ext")));
             ASSERT_TRUE(QFile::rename(path("copy.ext"), path("club.ext")));
             QFile::remove(path("copy.tbl"));
         }},
        {"a league file that carries no identity", [&] { dropIdentity("club.tbl"); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(create(path("club.tbl"), test::PlayerLeague(4)).ok);
        c.mix();
        const QByteArray league = test::readAll(path("club.tbl")), companion = test::readAll(path("club.ext"));
        const FileResult opened = load(path("club.tbl"));
        EXPECT_FALSE(opened.ok);
        EXPECT_EQ(opened.problem, FileProblem::NotOnePair);

        test::BuildTestLeague(test::PlayerLeague(4));
        gLeagueFile = path("club.tbl");
        const FileResult saved = SaveLeague();
        EXPECT_FALSE(saved.ok);
        EXPECT_EQ(saved.problem, FileProblem::NotOnePair);
        EXPECT_EQ(test::readAll(path("club.tbl")), league);
        EXPECT_EQ(test::readAll(path("club.ext")), companion);
    }

    // A pair written before identities were kept opens, and a save gives it one.
    ASSERT_TRUE(create(path("club.tbl"), test::PlayerLeague(4)).ok);
    dropIdentity("club.tbl");
    dropIdentity("club.ext");
    ASSERT_TRUE(load(path("club.tbl")).ok);
    gScores[1] = "5";
    ASSERT_TRUE(SaveLeague().ok);
    Database db;
    OpenPair(db, path("club.tbl"), path("club.ext"));
    EXPECT_TRUE(db.HasTable("leaguepair") && db.HasTable("leaguepair", kCompanionSchema));
    EXPECT_TRUE(IsOnePair(db));
    db.Close();
    ASSERT_TRUE(load(path("club.tbl")).ok);
    EXPECT_EQ(gScores[1], "5");
}

TEST_F(LeaguePairTest, AFileHeldByAnotherProgramIsBusyNotBad)
{
    ASSERT_TRUE(create(path("club.tbl"), test::PlayerLeague(4)).ok);
    const QByteArray league = test::readAll(path("club.tbl")), companion = test::readAll(path("club.ext"));
    SetBusyTimeoutForTests(50);
    for (const char *held : {"club.tbl", "club.ext"}) {
        SCOPED_TRACE(held);
        Database other;
        other.Open(path(held), Database::Mode::ReadWrite, QString(held).endsWith(".tbl") ? kKey : QByteArray());
        other.Execute("BEGIN EXCLUSIVE");

        gLeagueOnDisk = true;
        const FileResult opened = load(path("club.tbl"));
        EXPECT_FALSE(opened.ok);
        EXPECT_EQ(opened.problem, FileProblem::InUse);
        EXPECT_FALSE(gLeagueOnDisk);
        EXPECT_TRUE(gTableName.isEmpty());

        test::BuildTestLeague(test::PlayerLeague(4));
        gScores[1] = "3";
        gLeagueFile = path("club.tbl");
        EXPECT_EQ(SaveLeague().problem, FileProblem::InUse);
        EXPECT_EQ(create(path("club.tbl"), test::PlayerLeague(6)).problem, FileProblem::InUse);
        EXPECT_EQ(test::readAll(path("club.tbl")), league);
        EXPECT_EQ(test::readAll(path("club.ext")), companion);
        EXPECT_EQ(folder(), kPairOnly);
    }
    ASSERT_TRUE(load(path("club.tbl")).ok);
}

TEST_F(LeaguePairTest, TheHiddenFilesOfACreateOrSaveThatIsRunningAreLeftAlone)
{
    ASSERT_TRUE(create(path("other.tbl"), test::PlayerLeague(6)).ok);
    ASSERT_TRUE(create(path("club.tbl"), test::PlayerLeague(4)).ok);
    SetUpTournament(8);
    ASSERT_TRUE(SaveTournament(path("cup.tr")).ok);
    const QStringList running[] = {
        {".club.tbl.a1B2c3.league", ".club.tbl.a1B2c3.companion", ".club.tbl.a1B2c3.previous"},
        {".club.tbl.d4E5f6.companion", ".club.tbl.d4E5f6.companion-journal"},
        {".cup.tr.g7H8i9.tournament", ".cup.tr.g7H8i9.tournament-journal"},
    };
    for (const QStringList &hidden : running) {
        SCOPED_TRACE(hidden[0].toStdString());
        for (const QString &name : hidden)
            test::writeAll(path(name), "");
        ASSERT_TRUE(FileLock(path(hidden[0])).IsHeld() && load(path("club.tbl")).ok  // locked to the line's end
                    && files().size() == 5 + hidden.size());
        ASSERT_TRUE(LoadTournament(path("cup.tr")).ok);
        EXPECT_EQ(folder(), "club.ext club.tbl cup.tr other.ext other.tbl");
    }

    // A load of another league while this one's date file is renewed.
    ASSERT_TRUE(QFile::remove(path("club.ext")) && load(path("club.tbl")).ok);
    SetBusyTimeoutForTests(50);
    SetInstallStepHook([&](InstallStep) {
        EXPECT_TRUE(runInChild([&] { return load(path("other.tbl")).ok; }).succeeded);
        EXPECT_EQ(files().size(), 5);
        Database saveElsewhere;   // the league file stays locked for writing
        saveElsewhere.Open(path("club.tbl"), Database::Mode::ReadWrite, kKey);
        EXPECT_THROW(Transaction{saveElsewhere}, DatabaseError);
    });
    gScores[1] = "4";
    ASSERT_TRUE(SaveLeague().ok);
    EXPECT_TRUE(load(path("club.tbl")).problem == FileProblem::None && gScores[1] == "4");
}
