#pragma once
// import: the custom fixture import, opened from the summary page. The user
// pastes one cycle of two-digit entry codes (home, away, fixture after
// fixture, round after round); Check accepts it only when the league file
// would accept it, then makes it the league's fixture order: "&View Fixtures"
// builds the fixture list from it and the first save stores it.

#include "wizard/wizardpage.h"

class QLabel;
class QLineEdit;

namespace fixtora {

class import : public WizardPage {
    Q_OBJECT
public:
    import();

private:
    void BuildFrame();
    void ConnectHandlers();
    void Form_Load();

    void command1_Click();
    void Command2_Click();

    QLabel *Label1;
    QLineEdit *Text1;
    QLabel *Label2;
    QLineEdit *Text2;
    chameleonButton *command1;
    chameleonButton *Command2;
};

// Loads the window when needed and shows it inside Main; the summary page
// stays loaded behind it.
void ShowImport();

} // namespace fixtora
