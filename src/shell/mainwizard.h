#pragma once
// MainWizard: the main menu, a window inside Main. Its buttons start every task
// of the program; a "?" beside each opens a help balloon. A 10 ms timer keeps
// the fixtures and table buttons enabled only while a league is in a file and
// rewrites Main's caption when another window asks for it (gFixturesClosed).

#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

namespace fixtora {

class chameleonButton;

class MainWizard : public QWidget {
    Q_OBJECT
public:
    MainWizard();

    // Open League with the file at chosen instead of the one the dialog asks
    // for (a file named on the command line); an empty path asks. A
    // tournament file (".tr") opens in the tournament chart.
    void OpenLeague(const QString &chosen);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildFrame();
    void ConnectHandlers();
    void AddHelpButtons();
    void Form_Load();
    void ShowMainMenuFrame();
    void ShowLeagueButtons();
    void Timer1_Timer();
    bool CloseQuestion();
    void CloseTaskWindows();
    void HideMenu();
    void OpenTournament(const QString &path);

    void createtable_Click();
    void opentable_Click();
    void printtable_Click();
    void printweeklyscores_Click();
    void tournie_Click();
    void Wiz2Help_Click();

    QFrame *FrameMainWizard;
    QLabel *Label1;
    chameleonButton *createtable;
    chameleonButton *opentable;
    chameleonButton *printtable;
    chameleonButton *printweeklyscores;
    chameleonButton *tournie;
    chameleonButton *Wiz2Help;
    QLabel *lblVersion;
    QTimer *Timer1;
};

// Loads the main menu when needed and shows it maximised inside Main, on top
// of the workspace. Every task window that ends brings the menu back this way
// (Main also does it by itself once no other window of the workspace shows).
void ShowMainMenu();

} // namespace fixtora
