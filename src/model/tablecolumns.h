#pragma once
// The league table's columns and sort keys as the options window chooses
// them: which texts are columns, whether a pick from a list may stand, and
// what Close keeps of the rows. Plain rules on the texts the window shows, so
// that they are tested without a window.

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>

namespace fixtora {

inline constexpr int kTableColumnRows = 8;  // the columns shown, at places 1..8
inline constexpr int kSortKeyRows = 5;      // the sort keys, 1..5

// What a list shows when a row holds no column.
inline const QString kSelectColumn = QStringLiteral("Select");

// The thirteen columns the league table knows, in the order the lists offer them.
const QStringList &TableColumnNames();

// A column name, or "Select" (a row left empty).
bool IsValidColumn(const QString &text);

// The verdict on a pick from one row's list, and the row the check stopped at:
// the other rows are checked in order, and at each one the pick is refused
// when that row shows the same text, then when the pick is no column.
struct ColumnPick {
    enum Verdict { Taken, ShownTwice, NotAColumn };
    Verdict verdict = Taken;
    int stoppedAt = -1;  // the last row checked
};
ColumnPick CheckColumnPick(const QStringList &rows, int picked);

// The first row (of any list) that holds no column name and is not "Select",
// or -1 when every row may be stored.
int FirstInvalidColumn(const QStringList &rows);

// The columns Close keeps: the rows that name a column, each with the caption
// of its own row ("Select", "None" or empty give an empty caption; a "," would
// split the stored list and is dropped).
struct ChosenColumns {
    QStringList columns;
    QStringList captions;
};
ChosenColumns ChooseTableColumns(const QStringList &columns, const QStringList &captions);

// The sort keys Close keeps: the rows that name a column, in their order.
QStringList ChooseSortKeys(const QStringList &keys);

// Puts items at places 1 and up (place 0 is not used); the other places are
// emptied.
template <std::size_t N>
void FillPlaces(std::array<QString, N> &places, const QStringList &items)
{
    places.fill(QString());
    for (qsizetype i = 0; i < items.size() && i + 1 < qsizetype(N); ++i)
        places[std::size_t(i + 1)] = items[i];
}

} // namespace fixtora
