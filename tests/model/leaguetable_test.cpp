#include "model/leaguetable.h"

#include "model/entryedits.h"
#include "model/league.h"
#include "model/settings.h"
#include "model/teamscoring.h"
#include "model/wizardrules.h"
#include "testleague.h"

#include <gtest/gtest.h>

#include <random>

namespace fixtora {
namespace {

// Six fixtures of four entries: 1-2, 3-4, 1-3, 2-4, 1-4, 2-3.
const QString kCustomCycle = QStringLiteral("010203040103020401040203");

void buildCustomLeague(int games = 1)
{
    test::TestLeague league = test::PlayerLeague(4, games);
    league.custom = kCustomCycle.repeated(1);
    test::BuildTestLeague(league);
    gHomeAwayRule = false;
}

void setScores(const QStringList &scores)
{
    for (int k = 0; k < scores.size(); ++k)
        gScores[k + 1] = scores[k];
}

const TableRow &rowOfEntry(const LeagueTable &table, int entry)
{
    for (const TableRow &row : table)
        if (row.entry == entry)
            return row;
    static const TableRow none;
    ADD_FAILURE() << "no row for entry " << entry;
    return none;
}

TableRow makeRow(const char *name, double points, double wins = 0, double lost = 0, double draw = 0)
{
    TableRow row;
    row.name = QString::fromLatin1(name);
    row.points = points;
    row.wins = wins;
    row.lost = lost;
    row.draw = draw;
    return row;
}

QStringList namesOf(const LeagueTable &table)
{
    QStringList names;
    for (const TableRow &row : table)
        names << row.name;
    return names;
}

// Texts at places 1.. of a list whose index 0 is unused.
template <int Places>
std::array<QString, Places + 1> places(QStringList list)
{
    std::array<QString, Places + 1> order;
    for (int k = 0; k < list.size() && k < Places; ++k)
        order[k + 1] = list[k];
    return order;
}

const auto keys = places<kSortKeys>;
const auto columns = places<kTablePlaces>;

// The known league, counted and sorted by the default keys.
LeagueTable knownTable()
{
    buildCustomLeague();
    // 1-2 3:1, 3-4 2:2, 1-3 not entered, 2-4 empty:4, 1-4 1.5:0.5, 2-3 0:"7abc".
    setScores({"3", "1", "2", "2", "-1", "5", "", "4", "1.5", "0.5", "0", "7abc"});
    gPenalties[2] = 3;
    LeagueTable table = ComputeLeagueTable();
    sort_table(table, keys({"Points", "Wins", "Name"}));
    return table;
}

TEST(LeagueTable, EveryColumnOfEveryRowOfAKnownLeague)
{
    const LeagueTable table = knownTable();

    const QStringList captions = TableCaptions();
    const QStringList expected[] = {
        // Index Name Wins Lost Draw + - Points Played Difference Points+/- Points+ Points-
        {"1", "Player 1", "2", "0", "0", "4.5", "1.5", "6", "2", "3", "0", "0", "0"},
        {"2", "Player 3", "1", "0", "1", "9", "2", "4", "2", "7", "0", "0", "0"},
        {"3", "Player 4", "1", "1", "1", "6.5", "3.5", "4", "3", "3", "0", "0", "0"},
        {"4", "Player 2", "0", "3", "0", "-2", "14", "0", "3", "-16", "0", "0", "0"},
    };
    ASSERT_EQ(table.size(), 4);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < captions.size(); ++c)
            EXPECT_EQ(CellText(captions[c], table[r], r + 1), expected[r][c])
                << "row " << r + 1 << " column " << captions[c].toStdString();
}

TEST(LeagueTable, PenaltiesComeOffThePlusTotalOnceWhateverTheResults)
{
    const struct {
        int penalty;
        bool scores;
        double plus;
    } rows[] = {{3, true, 6 - 3}, {0, true, 6}, {-2, true, 6}, {3, false, -3}, {-2, false, 0}};
    for (const auto &row : rows) {
        buildCustomLeague();
        if (row.scores)  // entry 1 scores 5 and 1 in its two counted fixtures
            setScores({"5", "1", "-1", "-1", "-1", "-1", "-1", "-1", "1", "2", "-1", "-1"});
        gPenalties[1] = row.penalty;
        const LeagueTable table = ComputeLeagueTable();
        const TableRow &one = rowOfEntry(table, 1);
        EXPECT_EQ(one.plus, row.plus) << "penalty " << row.penalty << " scores " << row.scores;
        EXPECT_EQ(one.points, row.scores ? 3 : 0) << "penalty " << row.penalty;
        for (int e = 2; e <= 4; ++e)
            EXPECT_EQ(rowOfEntry(table, e).plus, row.scores && e != 3 ? (e == 2 ? 1 : 2) : 0);
    }
}

// A penalty reaches the table as the penalties window stores it: a text the
// rule refuses stores nothing, and the table shows no penalty.
TEST(LeagueTable, TypedPenaltiesCountOnlyAsTheWholeNumbersStored)
{
    const struct {
        const char *typed;
        double plus;
    } rows[] = {{"3", 6 - 3}, {"0", 6}, {"-2", 6}, {"abc", 6}, {"3x", 6}, {" 4 ", 6 - 4}};
    for (const auto &row : rows) {
        buildCustomLeague();
        setScores({"5", "1", "-1", "-1", "-1", "-1", "-1", "-1", "1", "2", "-1", "-1"});
        if (const auto stored = PenaltyValue(row.typed))
            gPenalties[1] = *stored;
        EXPECT_EQ(rowOfEntry(ComputeLeagueTable(), 1).plus, row.plus) << row.typed;
    }
}

TEST(LeagueTable, AFixtureCountsOnlyWithBothScoresEntered)
{
    const struct {
        const char *home, *away;
        double wins1, wins2, draws, plus1, minus1;
    } rows[] = {
        {"-1", "-1", 0, 0, 0, 0, 0}, {"4", "-1", 0, 0, 0, 0, 0}, {"-1", "0", 0, 0, 0, 0, 0},
        {"", "2", 0, 1, 0, 0, 2},    {"", "", 0, 0, 1, 0, 0},    {"2x", "1", 1, 0, 0, 2, 1},
        {"-1.0", "3", 0, 0, 0, 0, 0},
    };
    for (const auto &row : rows) {
        buildCustomLeague();
        setScores({row.home, row.away});
        const LeagueTable table = ComputeLeagueTable();
        const TableRow &one = rowOfEntry(table, 1);
        const TableRow &two = rowOfEntry(table, 2);
        const std::string label = std::string(row.home) + ":" + row.away;
        EXPECT_EQ(one.wins, row.wins1) << label;
        EXPECT_EQ(two.wins, row.wins2) << label;
        EXPECT_EQ(one.draw, row.draws) << label;
        EXPECT_EQ(one.plus, row.plus1) << label;
        EXPECT_EQ(one.minus, row.minus1) << label;
    }
}

TEST(LeagueTable, TheHomeAndAwayRuleCreditsTheSecondLegTheOtherWayRound)
{
    const struct {
        bool rule;
        int winner, loser;
    } rows[] = {{false, 1, 2}, {true, 2, 1}};
    for (const auto &row : rows) {
        buildCustomLeague(2);
        gHomeAwayRule = row.rule;
        gScores[13] = QStringLiteral("3");  // leg 2, stored as 1-2
        gScores[14] = QStringLiteral("1");
        const LeagueTable table = ComputeLeagueTable();
        EXPECT_EQ(rowOfEntry(table, row.winner).wins, 1) << "rule " << row.rule;
        EXPECT_EQ(rowOfEntry(table, row.winner).plus, 3) << "rule " << row.rule;
        EXPECT_EQ(rowOfEntry(table, row.loser).lost, 1) << "rule " << row.rule;
        EXPECT_EQ(rowOfEntry(table, row.loser).plus, 1) << "rule " << row.rule;
    }
    gHomeAwayRule = false;
}

TEST(LeagueTable, EntriesWithEqualNamesKeepTheirOwnRows)
{
    buildCustomLeague();
    gPlayerNames[3] = gPlayerNames[1];
    gPenalties[1] = 2;
    gPenalties[3] = 5;
    setScores({"3", "1", "-1", "-1", "0", "4"});  // 1 beats 2; 3 beats 1
    const LeagueTable table = ComputeLeagueTable();
    const TableRow &one = rowOfEntry(table, 1);
    const TableRow &three = rowOfEntry(table, 3);
    EXPECT_EQ(one.name, three.name);
    EXPECT_EQ(one.wins, 1);
    EXPECT_EQ(one.lost, 1);
    EXPECT_EQ(one.plus, 3 + 0 - 2);
    EXPECT_EQ(three.wins, 1);
    EXPECT_EQ(three.lost, 0);
    EXPECT_EQ(three.plus, 4 - 5);
}

// Only the last entry named as the wizard's bye has no row; its games count for no one (1 beats 4).
TEST(LeagueTable, TheWizardsByeIsNoRowOfTheTable)
{
    const struct { int entry; const char *name; qsizetype rows; } cases[] = {
        {4, "bye", 3}, {4, "Bye", 4}, {2, "bye", 4}, {4, "bye ", 4}};
    for (const auto &[entry, name, rows] : cases) {
        buildCustomLeague();
        gPlayerNames[entry] = name;
        setScores({"-1", "-1", "-1", "-1", "-1", "-1", "-1", "-1", "2", "0"});
        EXPECT_EQ(ComputeLeagueTable().size(), rows) << entry << name;
        EXPECT_EQ(rowOfEntry(ComputeLeagueTable(), 1).wins, rows == 3 ? 0 : 1) << entry << name;
    }
    test::BuildTestLeague(test::PlayerLeague(4));
    gNumSlots = 5;  // five names: the wizard makes them six
    CompleteEntries(false);
    EXPECT_EQ(ComputeLeagueTable().size(), 5);
}

TEST(LeagueTable, FractionalPointsReadAsTypedAndTieAsShown)
{
    buildCustomLeague();
    gPointsForWin = QStringLiteral("0.3");
    gPointsForDraw = QStringLiteral("0.1");
    gPointsForLose = QStringLiteral("abc");  // no number: nothing
    // Entry 1 draws three times (0.1 * 3); entry 4 wins once and loses twice.
    setScores({"1", "1", "0", "2", "1", "1", "3", "0", "1", "1", "2", "0"});
    const LeagueTable table = ComputeLeagueTable();
    const TableRow &one = rowOfEntry(table, 1);
    const TableRow &four = rowOfEntry(table, 4);
    EXPECT_EQ(CellText("Points", one, 1), "0.3");
    EXPECT_EQ(PrintedCellText("Points", one, 1), " 0.3 ");
    EXPECT_EQ(CellText("Points", four, 1), "0.4");
    EXPECT_EQ(compare_rows("Points", one, makeRow("x", 0.3)), RowOrder::Equal);
}

TEST(LeagueTable, ScoringSystemThreeFillsPointsPlusAndMinusWithGameSums)
{
    test::TestLeague league = test::TeamLeague(4, 1, 3);
    league.scoresEntered = true;
    test::BuildTestLeague(league);
    const int fixtures = FixtureEntryCount(4, 1) / 2;
    std::array<double, kMaxSlots + 1> sums{}, against{};
    for (int m = 1; m <= fixtures; ++m) {
        TeamSide home, away;
        double homeSum = 0, awaySum = 0;
        for (int i = 0; i < kTeamGames; ++i) {
            home[i] = gPosScoreA[32 * (m - 1) + 1 + i];
            away[i] = gPosScoreA[32 * (m - 1) + 17 + i];
            homeSum += home[i].toDouble();
            awaySum += away[i].toDouble();
        }
        const TeamMatchResult result =
            StoredTeamResult(ScoreTeamMatch(home, away, 3, PointsFromSettings()), 3);
        gScores[2 * m - 1] = result.homeScore;
        gScores[2 * m] = result.awayScore;
        gPosScoreB[2 * m - 1] = result.homeSecondary;
        gPosScoreB[2 * m] = result.awaySecondary;
        const int h = gFixtureSlots[2 * m - 1].toInt(), a = gFixtureSlots[2 * m].toInt();
        sums[h] += homeSum;
        against[h] += awaySum;
        sums[a] += awaySum;
        against[a] += homeSum;
    }
    const LeagueTable table = ComputeLeagueTable();
    for (const TableRow &row : table) {
        EXPECT_EQ(row.pointsPlus, sums[row.entry]) << "entry " << row.entry;
        EXPECT_EQ(row.pointsMinus, against[row.entry]) << "entry " << row.entry;
        EXPECT_EQ(*CellNumber("Points +/-", row, 1), sums[row.entry] - against[row.entry]);
    }
}

// Totals that hold for any league: every counted fixture gives one win and
// one loss, or two draws, and its scores to both "+" and "-".
TEST(LeagueTable, InvariantsHoldOnRandomLeagues)
{
    std::mt19937 random(20260106);
    for (int round = 0; round < 40; ++round) {
        const int n = 2 * std::uniform_int_distribution<int>(2, 16)(random);
        const int g = std::uniform_int_distribution<int>(1, 4)(random);
        test::BuildTestLeague(test::PlayerLeague(n, g));
        gHomeAwayRule = round % 2;
        const int e = FixtureEntryCount(n, g);
        for (int k = 1; k <= e; ++k) {
            const int pick = std::uniform_int_distribution<int>(-1, 9)(random);
            gScores[k] = pick == 9 ? QString() : QString::number(pick);
        }
        double penalties = 0;
        for (int i = 1; i <= n; ++i) {
            gPenalties[i] = std::uniform_int_distribution<int>(-2, 4)(random);
            penalties += std::max(gPenalties[i], 0);
        }
        const LeagueTable table = ComputeLeagueTable();
        double wins = 0, lost = 0, draws = 0, plus = 0, minus = 0;
        for (const TableRow &row : table) {
            wins += row.wins;
            lost += row.lost;
            draws += row.draw;
            plus += row.plus;
            minus += row.minus;
        }
        EXPECT_EQ(wins, lost) << "n " << n << " g " << g;
        EXPECT_EQ(int(draws) % 2, 0) << "n " << n << " g " << g;
        EXPECT_EQ(plus + penalties, minus) << "n " << n << " g " << g;
    }
    gHomeAwayRule = false;
}

TEST(LeagueTableSort, KeysOrderRowsAsChosen)
{
    auto rows = [] {
        LeagueTable t;
        t << makeRow("anna", 6, 2, 1, 0) << makeRow("Zoe", 6, 2, 0, 0) << makeRow("Bob", 7, 1, 2, 4)
          << makeRow("Cy", 6, 1, 0, 3);
        return t;
    };
    const struct {
        QStringList keys;
        QStringList order;
    } cases[] = {
        {{"Points", "Wins", "Name"}, {"Bob", "Zoe", "anna", "Cy"}},
        {{"points", "WINS", "name"}, {"Bob", "Zoe", "anna", "Cy"}},
        {{"Played"}, {"Zoe", "anna", "Cy", "Bob"}},
        {{"Lost"}, {"Zoe", "Cy", "anna", "Bob"}},
        {{"Index", "Points"}, {"anna", "Zoe", "Bob", "Cy"}},
        {{"Points", "Index", "Name"}, {"Bob", "anna", "Zoe", "Cy"}},
        {{}, {"anna", "Zoe", "Bob", "Cy"}},
        {{"", "Points"}, {"anna", "Zoe", "Bob", "Cy"}},
        {{"Draw", "Name"}, {"Bob", "Cy", "Zoe", "anna"}},
        {{"Name"}, {"Bob", "Cy", "Zoe", "anna"}},
        {{"Points", "Nonsense", "Name"}, {"Bob", "anna", "Zoe", "Cy"}},
    };
    for (const auto &c : cases) {
        LeagueTable table = rows();
        sort_table(table, keys(c.keys));
        EXPECT_EQ(namesOf(table), c.order) << c.keys.join(',').toStdString();
    }
}

// The exchange sort as it was always described: 200 passes over neighbours,
// each consulting keys 1 to 5 while they answer "equal".
int oracleCompare(const QString &key, const TableRow &upper, const TableRow &lower)
{
    const QString k = key.toUpper();
    if (k == "NAME")
        return lower.name < upper.name ? 1 : (lower.name == upper.name ? 2 : 0);
    auto larger = [](double u, double l) { return l > u ? 1 : (l == u ? 2 : 0); };
    auto smaller = [](double u, double l) { return l < u ? 1 : (l == u ? 2 : 0); };
    if (k == "POINTS") return larger(upper.points, lower.points);
    if (k == "-") return smaller(upper.minus, lower.minus);
    if (k == "+") return larger(upper.plus, lower.plus);
    if (k == "WINS") return larger(upper.wins, lower.wins);
    if (k == "LOST") return smaller(upper.lost, lower.lost);
    if (k == "DRAW") return larger(upper.draw, lower.draw);
    if (k == "PLAYED")
        return smaller(upper.wins + upper.lost + upper.draw, lower.wins + lower.lost + lower.draw);
    if (k == "DIFFERENCE") return larger(upper.plus - upper.minus, lower.plus - lower.minus);
    if (k == "POINTS +/-")
        return larger(upper.pointsPlus - upper.pointsMinus, lower.pointsPlus - lower.pointsMinus);
    if (k == "POINTS +") return larger(upper.pointsPlus, lower.pointsPlus);
    if (k == "POINTS -") return smaller(upper.pointsMinus, lower.pointsMinus);
    return 0;
}

void oracleSort(LeagueTable &t, const std::array<QString, kSortKeys + 1> &order)
{
    for (int pass = 0; pass < 200; ++pass) {
        for (int j = 0; j + 1 < t.size(); ++j) {
            int r = oracleCompare(order[1], t[j], t[j + 1]);
            for (int k = 2; r == 2 && k <= kSortKeys && !order[k].isEmpty(); ++k)
                r = oracleCompare(order[k], t[j], t[j + 1]);
            if (r == 1)
                std::swap(t[j], t[j + 1]);
        }
    }
}

TEST(LeagueTableSort, AgreesWithTheExchangeSortOnRandomTables)
{
    std::mt19937 random(7);
    const QStringList pool = TableCaptions() << "points" << "PLAYED" << "" << "rubbish";
    auto small = [&](int high) { return double(std::uniform_int_distribution<int>(0, high)(random)); };
    for (int round = 0; round < 300; ++round) {
        LeagueTable table;
        const int n = std::uniform_int_distribution<int>(1, 32)(random);
        for (int i = 1; i <= n; ++i) {
            TableRow row;
            row.entry = i;
            row.name = QStringList{"a", "B", "b", "Ab", "aB"}[int(small(4))];
            row.plus = small(6), row.minus = small(6), row.wins = small(3), row.lost = small(3);
            row.draw = small(2), row.points = small(4), row.pointsPlus = small(3), row.pointsMinus = small(3);
            table << row;
        }
        std::array<QString, kSortKeys + 1> order;
        for (int k = 1; k <= kSortKeys; ++k)
            order[k] = pool[std::uniform_int_distribution<int>(0, int(pool.size()) - 1)(random)];
        LeagueTable expected = table;
        oracleSort(expected, order);
        sort_table(table, order);
        QList<int> got, want;
        for (int r = 0; r < n; ++r) {
            got << table[r].entry;
            want << expected[r].entry;
        }
        EXPECT_EQ(got, want) << "keys " << QStringList(order.begin() + 1, order.end()).join(',').toStdString();
    }
}

TEST(LeagueTableColumns, WidthsFollowTheCaption)
{
    const struct {
        const char *caption;
        double width;
    } cases[] = {{"Index", 0.6},  {"Name", 1.5},       {"NAME", 1.5},       {"name", 1.5},
                 {"Wins", 0.48},  {"Lost", 0.48},      {"Points", 0.72},    {"+", 0.4},
                 {"-", 0.4},      {"Difference", 1.2}, {"Points +/-", 1.2}, {"", 0},
                 {"Draw", 0.48},  {"Played", 0.72}};
    for (const auto &c : cases)
        EXPECT_NEAR(column_width(c.caption), c.width, 1e-12) << c.caption;
    EXPECT_TRUE(is_valid_column("Points +/-"));
    EXPECT_FALSE(is_valid_column("points"));
    EXPECT_FALSE(is_valid_column(""));
}

TEST(LeagueTableHtml, TheLinesOfAKnownTable)
{
    const LeagueTable table = knownTable();
    const QStringList head{"<HTML>", "<HEAD>", "<meta charset=\"utf-8\">", "<TITLE>Tuesday Pool</TITLE>", "</HEAD>",
                           "", "<body bgcolor=#FFFFFF text=#000000>", "<p align=center>Tuesday Pool</p>"};
    const QStringList grid{"<div align=center><center>", "<table border=1 width=80>", "<tr>"};
    const QStringList end{"</table>", "</center></div>", "</body>", "</HTML>"};
    auto cells = [](QStringList texts) {
        QStringList lines{"<tr>"};
        for (const QString &text : texts)
            lines << "<td><p align=center>" + text + "</p></td>";
        return lines << "</tr>";
    };
    const struct {
        const char *label;
        QStringList columns;
        QString date;
        QStringList lines;
    } cases[] = {
        {"default columns and a date", {"Index", "Name", "Wins", "Lost", "Points"}, "06/01/2026",
         head + QStringList{"<p align=center>06/01/2026</p>"} + grid.mid(0, 2) +
             cells({"Index", "Name", "Wins", "Lost", "Pts"}) + cells({"1", "Player 1", "2", "0", "6"}) +
             cells({"2", "Player 3", "1", "0", "4"}) + cells({"3", "Player 4", "1", "1", "4"}) +
             cells({"4", "Player 2", "0", "3", "0"}) + end},
        {"gaps and derived columns", {"", "Played", "", "Difference", "", "+"}, "",
         head + grid.mid(0, 2) + cells({"Played", "Difference", "+"}) + cells({"2", "3", "4.5"}) +
             cells({"2", "7", "9"}) + cells({"3", "3", "6.5"}) + cells({"3", "-16", "-2"}) + end},
        {"no columns", {}, "",
         head + grid.mid(0, 2) + cells({}) + cells({}) + cells({}) + cells({}) + cells({}) + end},
    };
    const auto headings = columns({"", "", "", "", "Pts"});
    for (const auto &c : cases)
        EXPECT_EQ(TableHtmlLines(table, gTableName, columns(c.columns), headings, c.date), c.lines) << c.label;
}

TEST(LeagueTableHtml, NamesAndCaptionsAreEscaped)
{
    TableRow row = makeRow("<b>Tom & \"Jerry\"</b>", 1);
    const QStringList lines = TableHtmlLines({row}, "A<League>", columns({"Name", "Points", "<i>"}), {}, "1 & 2");
    EXPECT_TRUE(lines.contains("<TITLE>A&lt;League&gt;</TITLE>"));
    EXPECT_TRUE(lines.contains("<p align=center>1 &amp; 2</p>"));
    EXPECT_TRUE(lines.contains("<td><p align=center>&lt;i&gt;</p></td>"));
    EXPECT_TRUE(lines.contains("<td><p align=center>&lt;b&gt;Tom &amp; &quot;Jerry&quot;&lt;/b&gt;</p></td>"));
    EXPECT_EQ(lines.filter("<b>").size(), 0);
}

} // namespace
} // namespace fixtora
