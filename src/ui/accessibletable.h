#pragma once
// Pictures that a screen reader can read. A picture box shows a table (the
// fixture page, the league table) only as drawn pixels; given the words it
// draws, as a grid of rows under column headings, assistive tools read the
// picture as a table of cells: its rows and columns, each cell's text and
// its column's heading. Nothing changes on the screen.
//
//     SetAccessibleGrid(picture, FixturePageText(page));
//
// The picture keeps its own children (buttons placed on it stay reachable
// after the cells), and is read by its accessible name, or the grid's title
// when it has none.

#include <QList>
#include <QStringList>

class QWidget;

namespace fixtora {

// What a picture shows, in words: every row has one text per heading. Texts
// are read without the blanks around them.
struct TextGrid {
    QString title;
    QStringList headings;
    QList<QStringList> rows;
};

// Gives picture the grid it now shows; call again whenever it shows
// something else. Assistive tools are told that the table changed.
void SetAccessibleGrid(QWidget *picture, const TextGrid &grid);

} // namespace fixtora
