#pragma once
// Tournieform: the tournament chart window. It draws the knock-out chart of
// the tournament sized by the wizard (gTourEntrants first-round slots) as
// large as the window's picture area holds it with its proportions kept; a
// click on a cell selects that slot (gSelectedSlot) and marks the cell with
// "found it" and the slot's number, once, legible along the cell. The marks
// stay while the window is open; a resize draws the chart and its marks
// again. Print prints the bare chart in landscape, starting the print dialog
// at the copies typed beside it, one document per copy; Close brings the
// main menu back.
//
// The chart drawing routines take the surface, so the screen and the printer
// share them: a redraw is render, displaynames, donames, in that order.

#include "model/league.h"
#include "model/tournament.h"

#include <QList>
#include <QPointF>
#include <QWidget>

#include <array>

class QGroupBox;
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
    // Writes the mark of a slot inside its cell.
    void WriteMarker(DrawTarget &surface, int slot);

    // Where donames anchored a slot's name (0..127).
    QPointF Anchor(int slot) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildControls();
    void ConnectHandlers();
    void Form_Load();
    bool PlaceControls();
    void DrawChart();

    void piccy_MouseDown(Qt::MouseButton button, double x, double y);
    void piccy_Click();
    void cmdprint_Click();
    void command5_Click();

    QWidget *page;  // the controls at their places, scrolled below its own size
    PictureBox *piccy;
    QLabel *Label1;
    QLabel *Label4;
    QGroupBox *Frame1;
    chameleonButton *cmdprint;
    QLineEdit *Text6;
    QLabel *Label8;
    chameleonButton *command5;
    QLineEdit *Text5;  // hidden: the starting escapement of the name fonts

    std::array<QPointF, kMaxTourNames> m_anchors{};
    QList<int> m_marks;  // the slots marked, in the order clicked
};

// Loads the chart window when needed and shows it maximised inside Main.
void ShowTournamentChart();

} // namespace fixtora
