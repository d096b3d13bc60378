#include "model/tablecolumns.h"

#include <gtest/gtest.h>

using namespace fixtora;

TEST(TableColumns, APickFromAListIsCheckedAgainstTheOtherRowsInOrder)
{
    struct Row {
        QStringList rows;
        int picked;
        ColumnPick::Verdict verdict;
        int stoppedAt;
    };
    const Row rows[] = {
        {{"Index", "Name", "Wins"}, 2, ColumnPick::Taken, 1},
        {{"Index", "Wins", "Wins"}, 2, ColumnPick::ShownTwice, 1},
        {{"Wins", "Select", "Wins"}, 0, ColumnPick::ShownTwice, 2},
        {{"Index", "Nope", "Wins"}, 1, ColumnPick::NotAColumn, 0},
        // The row that repeats the pick is met before its name is checked.
        {{"Nope", "Nope"}, 1, ColumnPick::ShownTwice, 0},
        {{"Select", "Points +/-"}, 1, ColumnPick::Taken, 0},
    };
    for (const Row &row : rows) {
        const ColumnPick pick = CheckColumnPick(row.rows, row.picked);
        EXPECT_EQ(pick.verdict, row.verdict) << row.rows.join('|').toStdString();
        EXPECT_EQ(pick.stoppedAt, row.stoppedAt) << row.rows.join('|').toStdString();
    }
}

TEST(TableColumns, CloseFindsTheFirstRowThatIsNoColumn)
{
    EXPECT_EQ(FirstInvalidColumn({"Index", "Select", "", "Played"}), -1);
    EXPECT_EQ(FirstInvalidColumn({"Index", "points", "Nope"}), 1);  // names match in their letter case only
    EXPECT_EQ(FirstInvalidColumn({"None"}), 0);
}

TEST(TableColumns, CloseKeepsTheNamedColumnsEachWithTheCaptionOfItsRow)
{
    const ChosenColumns chosen = ChooseTableColumns({"Index", "Select", "Wins", "None", "", "Points"},
                                                    {"No", "lost", "Won, total", "x", "y", "Select"});
    EXPECT_EQ(chosen.columns, QStringList({"Index", "Wins", "Points"}));
    EXPECT_EQ(chosen.captions, QStringList({"No", "Won total", ""}));

    EXPECT_EQ(ChooseSortKeys({"Points", "Select", "", "Name", "None"}), QStringList({"Points", "Name"}));

    std::array<QString, 6> places{"x", "x", "x", "x", "x", "x"};
    FillPlaces(places, {"Points", "Name"});
    EXPECT_EQ(places, (std::array<QString, 6>{"", "Points", "Name", "", "", ""}));
    FillPlaces(places, {"1", "2", "3", "4", "5", "6"});
    EXPECT_EQ(places[5], "5");  // items beyond the last place are dropped
}
