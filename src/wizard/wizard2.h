#pragma once
// Wizard2: the team page of the new-league wizard ("Create Teams"). The user
// names the teams, gives each a squad of up to 16 players and chooses the
// scoring system of team matches. Row t of gTeamSquads always holds the team
// shown as entry t of the team list, its players in list order. Next makes
// the teams the league's entries and opens the summary page.
//
// The player controls work on the chosen team only: until a team is clicked
// (and again after a team is deleted) they are disabled.

#include "wizard/wizardpage.h"

class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;

namespace fixtora {

class Wizard2 : public WizardPage {
    Q_OBJECT
public:
    Wizard2();

    // The teams listed and their players, which leaving the page would throw
    // away.
    TypedEntries Typed() const;

private:
    void BuildFrame();
    QLayout *TeamColumn();
    QLayout *PlayerColumn();
    QLayout *ScoringRow();
    void ConnectHandlers();
    void Form_Load();

    void Teamtxt_Change();
    void TeamAdd_Click();
    void teamlist_Click();
    void TeamDelete_Click();
    void txtName_Change();
    void cmdadd_Click();
    void lstClient_Click();
    void cmdremove_Click();
    void cmdclear_Click();
    void Command3_Click();
    void command1_Click();

    void ChooseNoTeam();
    void ShowChosenTeam(const QString &heading);
    void EnablePlayerEntry(bool on);
    int PlayerCount() const;

    int m_teamCount = 0;
    int m_chosenTeam = 0; // row of gTeamSquads; 0 when no team is chosen

    QLabel *Label10;
    QLabel *lblteam;
    QLabel *Label13;
    QLineEdit *Teamtxt;
    chameleonButton *TeamAdd;
    chameleonButton *TeamDelete;
    chameleonButton *teamEdit;
    QListWidget *teamlist;
    QLabel *Label11;
    QLabel *Label12;
    QLabel *Label16;
    QLineEdit *txtName;
    chameleonButton *cmdadd;
    chameleonButton *cmdremove;
    chameleonButton *cmdclear;
    QListWidget *lstClient;
    QLabel *Label15;
    QLabel *lblDisplay;
    QLabel *Label1;
    QComboBox *list1;
    chameleonButton *Command3;
    chameleonButton *command1;
    chameleonButton *command7 = nullptr;  // help on the scoring systems
};

// Loads the page when needed and shows it maximised inside Main.
void ShowWizard2();

} // namespace fixtora
