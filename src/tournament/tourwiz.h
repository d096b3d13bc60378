#pragma once
// tourwiz: the tournament wizard, a page shown maximised inside Main in place
// of the main menu. It asks for the number of players (4 to 64); Return in
// the number box is Next. A refused number is cleared and the box keeps the
// keyboard for the next. Its second page takes the tournament's title and
// the entrants' names (Add, or Return in the name box; Remove; Help shows
// Addhelp); Next there sizes the chart for the count typed or the names
// added, whichever is more (byes fill the first round up to 4, 8, 16, 32 or
// 64 slots), and opens the chart window; an entrant left unnamed keeps its
// number. Cancel (or Escape) on either page abandons the tournament and
// brings the main menu back; the open league is not touched.

#include <QStringList>
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace fixtora {

class chameleonButton;

class tourwiz : public QWidget {
    Q_OBJECT
public:
    tourwiz();

private:
    void BuildFrame();
    void BuildNamesFrame();
    void ConnectHandlers();
    void Form_Load();
    QStringList Names() const;
    void ShowCount();

    void cmdclose_Click();
    void command1_Click();
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdHelp_Click();
    void cmdStart_Click();

    QWidget *pages;  // holds the page on view
    QGroupBox *frame;  // object name "tourwiz", caption "Number of Players"
    QLabel *Label1;
    QLabel *lblName;
    QLineEdit *txtName;
    chameleonButton *command1;
    chameleonButton *cmdclose;

    QGroupBox *namesFrame;
    QLabel *lblTitle;
    QLineEdit *txtTitle;
    QLabel *lblEntrant;
    QLineEdit *txtEntrant;
    chameleonButton *cmdAdd;
    QListWidget *lstNames;
    chameleonButton *cmdRemove;
    chameleonButton *cmdHelp;
    QLabel *lblCount;
    chameleonButton *cmdNamesCancel;
    chameleonButton *cmdStart;

    int m_players = 0;  // the count typed on the first page
};

// Loads the wizard when needed and shows it maximised inside Main.
void ShowTourWizard();

} // namespace fixtora
