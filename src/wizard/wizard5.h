#pragma once
// Wizard5: the summary page, the last page of the new-league wizard. Its load
// turns the entries into a league ready for the fixtures screen: every round
// dated (unless the round-date editor set the dates), every score marked not
// entered, and a summary shown. "&View Fixtures" builds the fixture slot list
// and opens the fixtures screen; "&Import Names" opens the custom fixture
// import; "&Edit Dates" opens the round-date editor; "&Back" goes back to the
// page of names or teams, which waits hidden with its entries. A 30 ms timer
// shows the first and last round dates again after the editor changed them.

#include "wizard/wizardpage.h"

class QLabel;
class QTimer;

namespace fixtora {

class Wizard5 : public WizardPage {
    Q_OBJECT
public:
    Wizard5();

private:
    void BuildFrame();
    void ConnectHandlers();
    void Form_Load();

    void Timer1_Timer();
    void command1_Click();
    void command2_Click();
    void command3_Click();
    void command4_Click();

    QLabel *Label6;
    QLabel *lb1;
    QLabel *Label4;
    QLabel *lb2;
    QLabel *Label5;
    QLabel *Label3;
    QLabel *lb3;
    QLabel *Label1;
    QLabel *lb4;
    QLabel *Label8;
    QLabel *lb6;
    QLabel *Label10;
    chameleonButton *command1;
    chameleonButton *command2;
    chameleonButton *command3;
    chameleonButton *command4;
    QTimer *Timer1;
};

// Loads the page when needed and shows it maximised inside Main; its load
// closes the page that showed it.
void ShowSummaryPage();

// Unloads the page with the import window it opened and the page of names
// or teams waiting behind it.
void UnloadSummaryPage();

} // namespace fixtora
