#pragma once
// Wizard3: the player names page of the new-league wizard. The user builds
// the list of entries (4 to 32 names of 1 to 16 characters, no two alike);
// gPlayerNames(1..gNumSlots) always holds the list in its order. Next
// completes an odd list with a "bye" entry, sizes the results and opens the
// summary page.

#include "wizard/wizardpage.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace fixtora {

class Wizard3 : public WizardPage {
    Q_OBJECT
public:
    Wizard3();

    // The names listed, which leaving the page would throw away.
    TypedEntries Typed() const;

private:
    void BuildFrame();
    void ConnectHandlers();
    void Form_Load();

    void txtName_Change();
    void lstClient_Click();
    void cmdadd_Click();
    void cmdremove_Click();
    void cmdclear_Click();
    void cmdclose_Click();
    void command1_Click();
    void ShowCount();

    QLabel *lblName;
    QLineEdit *txtName;
    QLabel *lblClients;
    QListWidget *lstClient;
    QLabel *lblDisplay;
    chameleonButton *cmdadd;
    chameleonButton *cmdremove;
    chameleonButton *cmdclear;
    chameleonButton *command1;
    chameleonButton *cmdclose;
};

// Loads the page when needed and shows it maximised inside Main.
void ShowWizard3();

} // namespace fixtora
