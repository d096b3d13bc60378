#pragma once
// The league table: one row per entry of the open league with its results,
// counted from every fixture of the list whose two scores are entered, then
// put in standing order by up to five keys chosen in the options. The table
// screen draws, prints and exports it; nothing stores it.
//
// Numbers are decimal (scores and the points settings may carry a fraction).
// Every value the table shows or sorts by is kept to 15 significant digits, so
// fractional points read as typed ("0.3", not "0.30000000000000004") and two
// rows whose points are equal as shown are equal to the sort too.

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace fixtora {

// The places of the table's columns (1..8) and of its sort keys (1..5).
inline constexpr int kTablePlaces = 8;
inline constexpr int kSortKeys = 5;

// A text at each place 1..8 of the table (place 0 unused).
using TablePlaces = std::array<QString, kTablePlaces + 1>;

// The thirteen column captions, spelt exactly as the options offer them.
QStringList TableCaptions();

struct TableRow {
    int entry = 0;              // the entry the row belongs to
    QString name;
    double plus = 0;            // "+": own scores less the penalty
    double minus = 0;           // "-": the opponents' scores
    double wins = 0, lost = 0, draw = 0;
    double points = 0;          // league points
    double pointsPlus = 0;      // "Points +": own secondary scores
    double pointsMinus = 0;     // "Points -": the opponents' secondary scores
};

// Rows in standing order: the first row is the top of the table.
using LeagueTable = QList<TableRow>;

// Counts the table of the open league in entry order (row i - 1 is entry i,
// the bye left out): the fixture slot list is rebuilt first; each fixture
// counts when both of its scores are entered (not "-1"), with its sides as the
// fixtures screen shows them (home-and-away rule included); each entry's
// penalty comes off its "+" once. Rows belong to entry numbers, so two entries
// with the same name keep their own results. The bye (ByeEntry, model/league.h)
// has no row, and a result stored against it counts for no one.
LeagueTable ComputeLeagueTable();

// How two neighbouring rows stand on one sort key.
enum class RowOrder {
    Keep = 0,      // the upper row stays above (also for a key that sorts nothing)
    Exchange = 1,  // the lower row belongs above
    Equal = 2,     // equal on this key: the next key decides
};

// Compares the upper and the lower of two neighbouring rows on key, a column
// caption in any letter case. "Played", "Lost", "-", "Points -" and "Name"
// (by character code) put the smaller value on top; the other number
// columns the larger; "Index", the empty text and any other text answer Keep.
RowOrder compare_rows(const QString &key, const TableRow &upper, const TableRow &lower);

// Puts the rows in standing order by keys 1..5 of sortOrder (index 0 unused):
// a key is consulted only when the keys before it answered Equal and it is
// not empty. Rows that tie keep their order.
void sort_table(LeagueTable &table, const std::array<QString, kSortKeys + 1> &sortOrder);

// True for one of the thirteen captions, exact and case-sensitive.
bool is_valid_column(const QString &caption);

// The width of a column in drawing units from its caption: 0.12 per
// character, 1.5 for "Name" in any letter case, at least 0.4; 0 for none.
double column_width(const QString &caption);

// The number a column shows for a row at place index (1 = top): empty for
// "Name" and for a text that is no caption.
std::optional<double> CellNumber(const QString &caption, const TableRow &row, int index);

// The heading above a column: the one chosen for it in the options, or the
// caption itself when none was chosen. The screen, the paper and the HTML
// page all head a column so.
QString ColumnHeading(const QString &caption, const QString &chosen);

// A cell as plain text: the name, the number in its shortest decimal form,
// or the empty text.
QString CellText(const QString &caption, const TableRow &row, int index);

// A cell as the drawing prints it: the name as it stands; a number with a
// blank after it and, when not negative, one before it.
QString PrintedCellText(const QString &caption, const TableRow &row, int index);

// A table number in its shortest decimal form, at most 15 significant digits.
QString TableNumberText(double value);

// A number as the drawing prints it: a blank after it and, when it is not
// negative, one before it (" 3 ", "-2 ").
QString PrintedNumberText(double value);

// The lines of the table's HTML page, titled with the league name: the name,
// a date line when dateText is not empty, a heading row of the columns chosen
// at places 1..8 of columns (each headed as ColumnHeading gives with the
// heading at the same place of headings) and one row per table row, in
// standing order. Every text is escaped; every tag is closed.
QStringList TableHtmlLines(const LeagueTable &table, const QString &tableName, const TablePlaces &columns,
                           const TablePlaces &headings, const QString &dateText);

} // namespace fixtora
