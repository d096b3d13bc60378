#include "model/leaguerules.h"

#include "model/fixturelist.h"
#include "model/league.h"
#include "testleague.h"

#include <gtest/gtest.h>

#include <functional>

using namespace fixtora;
using Verdict = FixtureStringCheck::Verdict;

TEST(CheckCustomFixtureString, LengthThenEveryCode)
{
    const QString table4 = PairingTable(4);   // 24 characters
    const struct {
        QString fixtures;
        int n;
        Verdict verdict;
        int length;
        const char *badCode;
    } cases[] = {
        {table4, 4, Verdict::Valid, 24, ""},
        {PairingTable(32), 32, Verdict::Valid, 1984, ""},
        {table4, 6, Verdict::WrongLength, 24, ""},
        {table4.left(22), 4, Verdict::WrongLength, 22, ""},
        {table4 + "01", 4, Verdict::WrongLength, 26, ""},
        {"", 4, Verdict::WrongLength, 0, ""},
        {" 1 2 3 4" + table4.mid(8), 4, Verdict::Valid, 24, ""},      // blanks are skipped
        {"1 2.+3+4" + table4.mid(8), 4, Verdict::Valid, 24, ""},      // read as numbers
        {"0102" + QString("05") + table4.mid(6), 4, Verdict::BadCode, 24, "05"},
        {"00" + table4.mid(2), 4, Verdict::BadCode, 24, "00"},
        {"xx" + table4.mid(2), 4, Verdict::BadCode, 24, "xx"},
        {".5" + table4.mid(2), 4, Verdict::BadCode, 24, ".5"},
        {table4.left(22) + "-1", 4, Verdict::BadCode, 24, "-1"},
    };
    for (const auto &c : cases) {
        const FixtureStringCheck check = CheckCustomFixtureString(c.fixtures, c.n);
        EXPECT_EQ(check.verdict, c.verdict) << c.fixtures.toStdString();
        EXPECT_EQ(check.length, c.length) << c.fixtures.toStdString();
        EXPECT_EQ(check.badCode, c.badCode) << c.fixtures.toStdString();
    }
}

TEST(StorableNames, EntryAndSquadNames)
{
    const struct {
        QString name;
        bool entry, squad;
    } cases[] = {
        {"Ann", true, true},
        {"", false, true},                        // a free squad place
        {QString(16, 'x'), true, true},
        {QString(17, 'x'), false, false},
        {"Jo//Ann", true, false},
        {"Jo\\\\Ann", true, false},
        {"Jo/", true, false},                     // "Jo///..." splits after "Jo"
        {"/", true, false},
        {"Jo/Ann", true, true},
        {"Jo\\Ann", true, true},
        {"/Jo", true, true},
        {QString(QChar(0xFEFF)) + "Ann", true, true},   // as an earlier file may hold it
        {QString("Ann") + QChar(0xD83D), false, false},  // half a character: no UTF-8 form
        {QString(QChar(0xDE00)) + "Ann", false, false},
        {QString::fromUtf8("\U0001F3B1 Pool"), true, true},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(IsStorableName(c.name), c.entry) << c.name.toStdString();
        EXPECT_EQ(IsStorableSquadName(c.name), c.squad) << c.name.toStdString();
    }
}

TEST(StorableNames, ATypedNameLosesWhatShowsNothing)
{
    const QChar bom(0xFEFF), zeroWidth(0x200B), joiner(0x200D), rtlMark(0x200F);
    const QString family = QString::fromUtf8("\U0001F468") + joiner + QString::fromUtf8("\U0001F467");
    const struct {
        QString typed, name;
    } rows[] = {
        {QString(bom) + bom + "Ann" + bom, "Ann"},
        {zeroWidth + QString("Ann") + rtlMark, "Ann"},
        {" Ann\t", "Ann"},
        {"Jo\r\nAnn", "JoAnn"},
        {QString("Jo") + QChar(0x2028) + "Ann", "JoAnn"},
        {"<b>Bold</b>", "<b>Bold</b>"},
        {family, family},                                   // a joiner within stays
        {joiner + family, family},
        {QString("Ann") + QChar(0xD83D), "Ann"},
        {bom, ""},
        {" \t ", ""},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(TypedName(row.typed), row.name) << row.typed.toStdString();
        EXPECT_EQ(TypedName(row.name), row.name) << "twice: " << row.name.toStdString();
    }
}

TEST(LeagueProblem, OneRuleForEveryPartOfTheLeague)
{
    const struct {
        const char *what;
        bool team;
        std::function<void()> change;
        bool definition;   // also a problem of the definition alone
    } cases[] = {
        {"odd entries", false, [] { gNumSlots = 5; gPlayerNames[5] = "E"; }, true},
        {"too many games", false, [] { gGamesToPlay = 5; }, true},
        {"empty league name", false, [] { gTableName.clear(); }, true},
        {"long league name", false, [] { gTableName = QString(17, 'L'); }, true},
        {"empty entry name", false, [] { gPlayerNames[3].clear(); }, true},
        {"long entry name", false, [] { gPlayerNames[4] = QString(17, 'x'); }, true},
        {"name past the last entry", false, [] { gPlayerNames[5] = "Extra"; }, true},
        {"team code in a player league", false, [] { gLeagueType = 13; }, true},
        {"unknown code", false, [] { gLeagueType = 7; }, true},
        {"custom code without a string", false, [] { gLeagueType = kTypePlayersCustom; }, true},
        {"code of another scoring", true, [] { gLeagueType = TeamTypeCode(2, false); }, true},
        {"no scoring system", true, [] { gTeamScoring = 0; }, true},
        {"squad name with //", true, [] { gTeamSquads[2][3] = "Jo//Ann"; }, true},
        {"long squad name of an unused team", true, [] { gTeamSquads[20][1] = QString(17, 's'); }, true},
        {"position player with //", true, [] { gPosPlayer[40] = "Jo//Ann"; }, false},
        {"position score with \\\\", true, [] { gPosScoreA[7] = "3\\\\1"; }, false},
        {"position score ending in \\", true, [] { gPosScoreA[7] = "3\\"; }, false},
        {"round date past year 9999", false, [] { gWeekDates[2] = QDate(10000, 1, 1); }, false},
        {"start date before year 1", false, [] { gStartDate = QDate(-5, 1, 1); }, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        test::BuildTestLeague(c.team ? test::TeamLeague(4) : test::PlayerLeague(4));
        ASSERT_EQ(LeagueProblem(), "");
        c.change();
        EXPECT_NE(LeagueProblem(), "");
        EXPECT_EQ(LeagueDefinitionProblem().isEmpty(), !c.definition);
    }
}

TEST(LeagueProblem, SoundLeaguesOfEveryShape)
{
    const struct {
        const char *what;
        test::TestLeague league;
        std::function<void()> change;
    } cases[] = {
        {"largest team league", test::TeamLeague(32, 4, 3), [] {}},
        {"custom player league", [] { auto l = test::PlayerLeague(6, 2); l.custom = PairingTable(6); return l; }(),
         [] {}},
        {"imported player league", [] { auto l = test::PlayerLeague(4); l.custom = PairingTable(4); return l; }(),
         [] { gLeagueType = kTypePlayersCustomOld; }},
        {"custom team league", [] { auto l = test::TeamLeague(4, 1, 2); l.custom = PairingTable(4); return l; }(),
         [] {}},
        {"no type record", test::PlayerLeague(4), [] { gLeagueType = kTypeNone; }},
        {"empty squad places and positions", test::TeamLeague(4), [] {
             gTeamSquads[1][16].clear();
             gPosPlayer[1].clear();
             gPosScoreA[1].clear();
         }},
        {"names of 16 characters", test::PlayerLeague(4), [] {
             gTableName = QString(16, 'L');
             gPlayerNames[1] = QString(16, 'x');
         }},
        {"no round dates", test::PlayerLeague(4), [] { gWeekDates[1] = QDate(); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        test::BuildTestLeague(c.league);
        c.change();
        EXPECT_EQ(LeagueProblem(), "");
    }
}
