#pragma once
// Pictures that a screen reader can read and walk. A picture box shows a
// table (the fixture page, the league table, the player ranking) only as
// drawn pixels; given the words it draws, as a grid of rows under column
// headings, and where each of them stands, assistive tools read the picture
// as a table of cells: its rows and columns, each cell's text, place and
// headers.
//
//     SetAccessibleGrid(picture, FixturePageText(page));
//
// The picture takes the keyboard and has a current cell: the arrow keys move
// it, Home and End go to the ends of its row, Ctrl+Home and Ctrl+End to the
// first and the last cell, a click to the cell clicked. Each move tells
// assistive tools that the new cell has the focus. While the picture has the
// keyboard a mark stands around the current cell; nothing else changes on
// the screen.
//
// A picture that moves between its cells by its own keys (the tournament
// chart) says which cell is current with SetCurrentCell and draws its own
// mark (GridKeys::Owner).
//
// The picture keeps its own children (buttons placed on it stay reachable
// after the cells), and is read by the grid's title.

#include <QColor>
#include <QList>
#include <QRectF>
#include <QStringList>

#include <utility>

class QWidget;

namespace fixtora {

class PictureBox;

// What a picture shows, in words: every row has one text per heading. Texts
// are read without the blanks around them. Places are where the texts stand,
// in the picture's units (its last Scale); a heading or cell without one
// takes no room.
struct TextGrid {
    QString title;
    QStringList headings;
    QList<QStringList> rows;
    QList<QRectF> headingPlaces{};
    QList<QList<QRectF>> places{};  // one per cell, row by row
    int headerColumn = -1;        // the column whose cell heads its row; -1: none
};

// Who moves the current cell: the picture's table (arrows, Home, End) or
// its owner (SetCurrentCell).
enum class GridKeys { Table, Owner };

// Gives picture the grid it now shows; call again whenever it shows
// something else. The current cell stays where it was, within the new grid.
// Assistive tools are told when the table's rows or columns changed.
void SetAccessibleGrid(PictureBox *picture, const TextGrid &grid, GridKeys keys = GridKeys::Table);

// Makes a cell of picture's grid the current one; while the picture has the
// keyboard, assistive tools are told that it has the focus.
void SetCurrentCell(QWidget *picture, int row, int column);
// The current cell of picture's grid: {row, column}; {-1, -1} without a grid.
std::pair<int, int> CurrentCell(const QWidget *picture);

// Says words that nothing on the screen shows (a winner moved on): assistive
// tools read them at once as a notice from picture.
void Announce(QWidget *picture, const QString &words);

// Has assistive tools read widget as a notice, by its name and description,
// as it shows and without taking the keyboard (a help balloon). Called before
// anything asks how widget is read.
void ReadAsNotification(QWidget *widget);

// The colour of the mark on the current cell of a drawn picture: it stands
// out 3:1 from the black lines and the white ground around it.
QColor FocusMarkColour();

} // namespace fixtora
