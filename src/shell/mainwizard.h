#pragma once
// MainWizard: the main menu, a window inside Main. Its buttons start every task
// of the program; a "?" beside each opens a help balloon. A 10 ms timer keeps
// the fixtures and table buttons enabled only while a league is in a file and
// rewrites Main's caption when another window asks for it (gFixturesClosed).

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace fixtora {

class chameleonButton;

class MainWizard : public QWidget {
    Q_OBJECT
public:
    MainWizard();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    chameleonButton *AddTaskButton(const char *name, const QString &caption, int row);
    void AddHelpButtons();
    void Form_Load();
    void CentreFrame();
    void Timer1_Timer();
    bool CloseQuestion();
    void CloseTaskWindows();
    void HideMenu();

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
    QPushButton *Wiz2Help;
    QLabel *lblVersion;
    QTimer *Timer1;
};

// Loads the main menu when needed and shows it maximised inside Main.
void ShowMainMenu();

} // namespace fixtora
