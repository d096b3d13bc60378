#include "model/wizardrules.h"

#include "model/league.h"
#include "testleague.h"

#include <gtest/gtest.h>

namespace fixtora {
namespace {

TEST(WizardRules, GamesToPlayAreRoundedHalvesToEvenAndAccepted1To4)
{
    const struct {
        const char *typed;
        int games; // 0: refused
    } rows[] = {{"1", 1},  {"3", 3},   {"4", 4},     {"0", 0},     {"5", 0},   {"x", 0},
                {"", 0},   {"4.5", 4}, {"0.6", 1},   {"2.5", 2},   {"3.5", 4}, {" 2x", 2},
                {"-1", 0}, {"0.4", 0}, {"99999", 0}, {"65538", 0}, {"1e1", 0}};
    for (const auto &row : rows) {
        const std::optional<std::int16_t> games = ReadGamesToPlay(QString::fromLatin1(row.typed));
        EXPECT_EQ(games.value_or(0), row.games) << '"' << row.typed << '"';
    }
}

TEST(WizardRules, IntervalCountsAreCheckedAfterRounding)
{
    const struct {
        const char *typed;
        int count; // 0: refused
    } rows[] = {{"1", 1},     {"31", 31},  {"12", 12}, {"0", 0},     {"32", 0}, {"0.5", 0}, {"0.6", 1},
                {"31.4", 31}, {"31.6", 0}, {"1.5", 2}, {"weeks", 0}, {"", 0},   {"-3", 0},  {"7 days", 7}};
    for (const auto &row : rows) {
        const std::optional<std::int16_t> count = ReadIntervalCount(QString::fromLatin1(row.typed));
        EXPECT_EQ(count.value_or(0), row.count) << '"' << row.typed << '"';
    }
}

TEST(WizardRules, OnlyTheListsThreeUnitTextsNameAUnit)
{
    const struct {
        const char *typed, *unit;
    } rows[] = {{"day(s)", "d"}, {"week(s)", "ww"}, {"month(s)", "m"}, {"weeks", ""},
                {"Week(s)", ""}, {"week(s) ", ""},  {"", ""}};
    for (const auto &row : rows)
        EXPECT_EQ(IntervalUnitCode(QString::fromLatin1(row.typed)), QString::fromLatin1(row.unit)) << row.typed;
}

TEST(WizardRules, ALeagueNameHas4To16Characters)
{
    const struct {
        int length;
        bool accepted;
    } rows[] = {{0, false}, {3, false}, {4, true}, {16, true}, {17, false}};
    for (const auto &row : rows)
        EXPECT_EQ(IsLeagueNameLength(QString(row.length, QLatin1Char('L'))), row.accepted) << row.length;
}

TEST(WizardRules, ANameIsAddedWhenItFitsItsListAndIsNotListedYet)
{
    using enum NameVerdict;
    const QString sixteen(16, QLatin1Char('a'));
    const QStringList full32 = [] {
        QStringList names;
        for (int i = 1; i <= 32; ++i)
            names.append(QStringLiteral("Name %1").arg(i));
        return names;
    }();
    const struct {
        NameList list;
        QStringList listed;
        QString name;
        NameVerdict verdict;
    } rows[] = {
        {NameList::Players, {}, QStringLiteral("Ann"), Accepted},
        {NameList::Players, {QStringLiteral("Ann")}, sixteen, Accepted},
        {NameList::Players, {QStringLiteral("Ann")}, QStringLiteral("ann"), Accepted},
        {NameList::Players, {QStringLiteral("Ann")}, QStringLiteral("Ann"), Duplicate},
        {NameList::Players, {QStringLiteral("Ann")}, QStringLiteral("An\u200Bn"), Duplicate},  // looks alike
        {NameList::Teams, {QStringLiteral("Zo\u00eb")}, QStringLiteral("Zoe\u0308"), Duplicate},
        {NameList::Players, {}, QString(), Blank},
        {NameList::Players, {}, sixteen + QLatin1Char('b'), TooLong},
        {NameList::Players, {}, QString(QChar(0xD800)), Unstorable},
        {NameList::Players, {}, QStringLiteral("A//B"), Accepted},
        {NameList::Players, full32.mid(1), QStringLiteral("Name 1"), Accepted},
        {NameList::Players, full32, QStringLiteral("Name 1"), Full}, // full before listed
        {NameList::Teams, full32, QStringLiteral("Team 33"), Full},
        {NameList::Squad, {}, QString(), Blank},
        {NameList::Squad, {}, sixteen + QLatin1Char('b'), TooLong},
        {NameList::Squad, {}, QStringLiteral("A//B"), Unstorable},
        {NameList::Squad, {}, QStringLiteral("A\\B"), Accepted},
        {NameList::Squad, full32.mid(0, 15), QStringLiteral("Name 1"), Duplicate},
        {NameList::Squad, full32.mid(0, 15), QStringLiteral("P16"), Accepted},
        {NameList::Squad, full32.mid(0, 16), QStringLiteral("P17"), Full},
        {NameList::Squad, full32.mid(0, 16), QStringLiteral("A//B"), Unstorable}, // the name before the count
    };
    for (const auto &row : rows)
        EXPECT_EQ(CheckNewName(row.list, row.listed, row.name), row.verdict)
            << row.name.toStdString() << " after " << row.listed.size();
}

// Five places "ABCDE" of which the first used are the list; "-" is empty.
TEST(WizardRules, ARemovedItemLeavesNoGapAndFreesTheListsLastPlaceOnly)
{
    const struct {
        int used, index;
        const char *after;
    } rows[] = {
        {5, 0, "BCDE-"}, {4, 1, "ACD-E"}, {4, 3, "ABC-E"}, {1, 0, "-BCDE"}, {4, 4, "ABCDE"}, {4, -1, "ABCDE"},
    };
    for (const auto &row : rows) {
        std::array<QString, 5> places{"A", "B", "C", "D", "E"};
        CloseGap(std::span(places).first(row.used), row.index);
        QString shown;
        for (const QString &place : places)
            shown += place.isEmpty() ? QStringLiteral("-") : place;
        EXPECT_EQ(shown, QLatin1String(row.after)) << row.used << " used, index " << row.index;
    }
}

TEST(WizardRules, LeavingTypedEntriesAsksAboutEachKindCountedAndNothingTypedAsksNothing)
{
    EXPECT_TRUE(DiscardTypedQuestion({}).isEmpty());
    for (const auto &[typed, lost] : {std::pair<TypedEntries, const char *>{{1, 0, 0}, " 1 name "},
                                      {{0, 2, 1}, " 2 teams and 1 player "}, {{3, 1, 9}, " 3 names, 1 team and 9 players "}})
        EXPECT_TRUE(DiscardTypedQuestion(typed).contains(QLatin1String(lost))) << lost;
}

TEST(WizardRules, TheImportAsksForOneCycleOfTwoCharacterCodes)
{
    const struct {
        int entries, length;
    } rows[] = {{4, 24}, {6, 60}, {22, 924}, {32, 1984}};
    for (const auto &row : rows)
        EXPECT_EQ(CustomFixtureLength(row.entries), row.length) << row.entries;
}

TEST(WizardRules, APastedFixtureStringIsRefusedByItsLengthThenByItsFirstBadCode)
{
    const QString four = QStringLiteral("010203040103020401040203");
    const QString six = QStringLiteral("0102030405060403060501020506").repeated(2) + QStringLiteral("0102");
    const struct {
        int entries;
        QString pasted;
        const char *title; // nullptr: accepted
        const char *text;
    } rows[] = {
        {4, four, nullptr, ""},
        {4, four.left(23), "Invalid Input String", "not valid, you entered a string of length 23\r\n"},
        {4, four + "0", "Invalid Input String", "not valid, you entered a string of length 25\r\n"},
        {4, "05" + four.mid(2), "Invalid value", "05 isn't a valid value, please check\r\n"},
        {4, "00" + four.mid(2), "Invalid value", "00 isn't a valid value, please check\r\n"},
        {4, four.left(4) + "ab" + four.mid(6), "Invalid value", "ab isn't a valid value, please check\r\n"},
        {4, "0506" + four.mid(4), "Invalid value", "05 isn't a valid value, please check\r\n"}, // the first only
        {4, " 1" + four.mid(2, 20) + "3 ", nullptr, ""}, // blank then one, three then blank
        {6, six, nullptr, ""},
        {6, six.left(58) + "06", nullptr, ""},
        {6, six.left(58) + "07", "Invalid value", "07 isn't a valid value, please check\r\n"},
        {6, four, "Invalid Input String", "not valid, you entered a string of length 24\r\n"},
    };
    for (const auto &row : rows) {
        const std::optional<PageRefusal> refusal = CustomFixtureRefusal(row.pasted, row.entries);
        ASSERT_EQ(refusal.has_value(), row.title != nullptr) << row.pasted.toStdString();
        if (!refusal)
            continue;
        EXPECT_EQ(refusal->title, row.title);
        EXPECT_EQ(refusal->subtitle, QString(row.title) == "Invalid value" ? "Invalid Value" : "Invalid String");
        EXPECT_EQ(refusal->text, row.text) << row.pasted.toStdString();
    }
}

TEST(WizardRules, RoundsAreDatedFromTheStartAndTheLeagueEndsOnTheLastRound)
{
    const struct {
        int entries, games;
        QDate start;
        const char *unit;
        int count;
        QList<QDate> dates; // rounds 1.. as far as given
        int rounds;
        QDate end;
    } rows[] = {
        {4, 1, {2026, 1, 6}, "ww", 1, {{2026, 1, 6}, {2026, 1, 13}, {2026, 1, 20}}, 3, {2026, 1, 20}},
        {6, 2, {2026, 3, 1}, "d", 2, {{2026, 3, 1}, {2026, 3, 3}, {2026, 3, 5}}, 10, {2026, 3, 19}},
        {4, 1, {2004, 1, 31}, "m", 1, {{2004, 1, 31}, {2004, 2, 29}, {2004, 3, 29}}, 3, {2004, 3, 29}},
        // The step after the last round falls back to 29 February; the end
        // date is still the last round's.
        {4, 1, {2003, 11, 30}, "m", 1, {{2003, 11, 30}, {2003, 12, 30}, {2004, 1, 30}}, 3, {2004, 1, 30}},
        {4, 1, {2026, 1, 6}, "ww", 0, {{2026, 1, 6}, {2026, 1, 6}, {2026, 1, 6}}, 3, {2026, 1, 6}},
        {32, 4, {2026, 1, 6}, "d", 1, {{2026, 1, 6}}, 124, {2026, 5, 9}},
    };
    for (const auto &row : rows) {
        test::BuildTestLeague(test::PlayerLeague(row.entries, row.games));
        gWeekDates.fill(kZeroDate);
        gStartDate = row.start;
        gFreqUnit = QString::fromLatin1(row.unit);
        gFreqCount = static_cast<std::int16_t>(row.count);
        EXPECT_EQ(LeagueRounds(), row.rounds);
        DateNewLeague();
        for (int r = 1; r <= row.dates.size(); ++r)
            EXPECT_EQ(gWeekDates[r], row.dates[r - 1]) << row.start.toString().toStdString() << " round " << r;
        EXPECT_EQ(gWeekDates[row.rounds + 1], kZeroDate) << "only the league's rounds are dated";
        EXPECT_EQ(gEndDate, row.end) << row.start.toString().toStdString() << ' ' << row.unit;
    }
}

TEST(WizardRules, CompletingTheEntriesAddsAByeToAnOddCountAndSizesTheResults)
{
    const struct {
        int names, games;
        bool team;
        int entries, scores, positions;
        bool bye;
    } rows[] = {
        {4, 1, false, 4, 13, 193, false}, {5, 2, false, 6, 61, 961, true},        {31, 1, false, 32, 993, 15873, true},
        {5, 1, true, 6, 481, 481, true},  {32, 4, true, 32, 63489, 63489, false},
    };
    for (const auto &row : rows) {
        InitialiseGlobals();
        gGamesToPlay = static_cast<std::int16_t>(row.games);
        gNumSlots = row.names;
        for (int i = 1; i <= row.names; ++i)
            gPlayerNames[i] = QStringLiteral("Name %1").arg(i);
        gLeagueOnDisk = true;
        gImportPending = true;
        CompleteEntries(row.team);
        EXPECT_EQ(gNumSlots, row.entries) << row.names;
        EXPECT_EQ(gOddCount, row.bye) << row.names;
        EXPECT_EQ(gPlayerNames[row.entries], row.bye ? "bye" : QStringLiteral("Name %1").arg(row.entries));
        EXPECT_EQ(gRoundsPerCycle, row.entries - 1);
        EXPECT_EQ(gScores.size(), row.scores) << row.names;
        EXPECT_EQ(gPosScoreB.size(), row.positions) << row.names;
        EXPECT_EQ(gPosPlayer.size(), row.positions) << row.names;
        EXPECT_EQ(gScores[1], kNotEntered) << row.names;
        EXPECT_FALSE(gLeagueOnDisk);
        EXPECT_FALSE(gImportPending) << "an import of an earlier league is not carried over";
        ReopenEntries();  // and back to the entries typed
        EXPECT_EQ(gNumSlots, row.names);
        EXPECT_EQ(gPlayerNames[row.names], QStringLiteral("Name %1").arg(row.names));
        EXPECT_TRUE(gDatesPending);
    }
}

} // namespace
} // namespace fixtora
