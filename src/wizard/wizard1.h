#pragma once
// Wizard1: the league definition page, the first page of the new-league
// wizard. It collects the league's name, games to play, start date (today
// when left blank), the interval between rounds and whether the league is a
// team league; Next checks and stores them one at a time and opens the
// player names page or the team page.

#include "wizard/wizardpage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace fixtora {

class Wizard1 : public WizardPage {
    Q_OBJECT
public:
    Wizard1();

private:
    void BuildFrame();
    void ConnectHandlers();
    void Form_Load();

    void command2_Click();
    void command1_Click();
    bool StoreInterval();

    QLabel *Label1;
    QLineEdit *Text1;
    QLabel *Label5;
    QComboBox *text2;
    QLabel *Label3;
    QLineEdit *text3;
    QLabel *Label4;
    QLabel *Label2;
    QComboBox *Combo1;
    QComboBox *Combo2;
    QCheckBox *Check1;
    chameleonButton *command1;
    chameleonButton *command2;
};

// Loads the page when needed and shows it maximised inside Main.
void ShowWizard1();

} // namespace fixtora
