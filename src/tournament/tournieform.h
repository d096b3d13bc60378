#pragma once
// Tournieform: the tournament chart window. It draws the knock-out chart of
// the open tournament (gTourEntrants first-round slots) as large as the
// window's picture area holds it with its proportions kept, with every
// entrant's name legible along its cell and the champion's in bold and
// beside the chart. Choosing an entrant's cell (a click, or Space or Return
// on the cell the arrow keys are on) moves that entrant on as its pair's
// winner; choosing the other entrant of a decided pair changes the winner.
// A screen reader reads the chart as its cells, each saying its round and
// who is in it, hears each move of the keyboard from cell to cell, and is
// told where a chosen winner went ("Ann to round 2", "Champion: Ann").
// Print prints the chart with the title, the names and the winners in
// landscape, starting the print dialog at the copies typed beside it, one
// document per copy; Save writes the tournament to a file chosen in the save
// dialog; Close (or Escape) asks to save an unsaved tournament, then brings
// the main menu back.
//
// The chart drawing routines take the surface, so the screen and the printer
// share them: a redraw is render, displaynames, donames, in that order, and
// the names after them.

#include "model/league.h"
#include "model/tournament.h"

#include <QList>
#include <QPointF>
#include <QWidget>

#include <array>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;

namespace fixtora {

class chameleonButton;
class DrawTarget;
class PictureBox;

class Tournieform : public QWidget {
    Q_OBJECT
public:
    Tournieform();

    // Scales the surface to the chart's coordinates, (0, 0)-(8, 10.5).
    void displaynames(DrawTarget &surface);
    // Draws the chart's outline, columns and dividers, and stores the columns
    // (gChartGeometry) for the hit test.
    void render(DrawTarget &surface);
    // Turns the surface's font for each slot's name and records where each
    // slot's name is anchored. Writes no text; the last slot's font stays on
    // the surface.
    void donames(DrawTarget &surface);
    // Writes a slot's name inside its cell.
    void WriteName(DrawTarget &surface, int slot);
    // Writes every name the chart holds.
    void DrawNames(DrawTarget &surface);

    // An unsaved tournament is saved, dropped or kept open as the user
    // answers the Save / Don't Save / Cancel question: true to go on closing.
    [[nodiscard]] bool MayClose();

    // Where donames anchored a slot's name (0..127).
    QPointF Anchor(int slot) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildControls();
    void ConnectHandlers();
    void Form_Load();
    bool PlaceControls();
    void DrawChart();
    void ShowTournament();
    void DrawFocus(DrawTarget &surface);
    void PrintHeading(DrawTarget &surface);
    void ChooseSlot(int slot);
    [[nodiscard]] bool SaveChart();

    void piccy_MouseDown(Qt::MouseButton button, double x, double y);
    void piccy_Click();
    bool piccy_KeyPress(QKeyEvent *event);
    void cmdprint_Click();
    void cmdsave_Click();
    void command5_Click();

    QWidget *page;  // the controls at their places, scrolled below its own size
    PictureBox *piccy;
    QLabel *Label1;
    QLabel *Label4;
    QGroupBox *Frame1;
    chameleonButton *cmdprint;
    QLineEdit *Text6;
    QLabel *Label8;
    chameleonButton *cmdsave;
    chameleonButton *command5;
    QLabel *lblChampion;
    QLineEdit *Text5;  // hidden: the starting escapement of the name fonts

    std::array<QPointF, kMaxTourNames> m_anchors{};
    int m_focusSlot = 1;  // the cell the keyboard is on
};

// Loads the chart window when needed and shows it maximised inside Main.
void ShowTournamentChart();

} // namespace fixtora
