#pragma once
// tourwiz: the tournament wizard, a page shown maximised inside Main in place
// of the main menu. It asks for the number of players (4 to 64), sizes the
// chart for them (byes fill the first round up to 4, 8, 16, 32 or 64 slots)
// and opens the chart window; Return in the number box is Next. Cancel (or
// Escape) abandons the tournament and brings the main menu back; the open
// league is not touched. A refused number is cleared and the box keeps the
// keyboard for the next.

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;

namespace fixtora {

class chameleonButton;

class tourwiz : public QWidget {
    Q_OBJECT
public:
    tourwiz();

private:
    void BuildFrame();
    void ConnectHandlers();
    void Form_Load();

    void cmdclose_Click();
    void command1_Click();

    QGroupBox *frame;  // object name "tourwiz", caption "Number of Players"
    QLabel *Label1;
    QLabel *lblName;
    QLineEdit *txtName;
    chameleonButton *command1;
    chameleonButton *cmdclose;
};

// Loads the wizard when needed and shows it maximised inside Main.
void ShowTourWizard();

} // namespace fixtora
