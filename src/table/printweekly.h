#pragma once
// PrintWeekly: the league table screen. It computes the table of the open
// league within one tick of opening and again whenever the options dialog
// asks (gTableRefresh), draws it in its picture box, prints it, shows the
// player ranking of a team league in its place, writes the table as an HTML
// page and uploads that page to an FTP site.

#include "model/leaguetable.h"
#include "table/tabledrawing.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTimer;

namespace fixtora {

class chameleonButton;
class DrawTarget;
class PictureBox;

class PrintWeekly : public QWidget {
    Q_OBJECT
public:
    PrintWeekly();

    // Counts, sorts and draws the table on the picture box.
    void calculate_table();
    // Draws the last computed table on target.
    void advanced_display(DrawTarget &target);
    // Draws the player ranking last built on target.
    void displayit(DrawTarget &target);

private:
    QWidget *BuildTopRow();
    QWidget *BuildSidePanel();
    QGroupBox *BuildHtmlFrame();
    void ConnectHandlers();
    void Form_Load();

    QString DateText() const;
    TableDrawing Drawing() const;
    bool WriteHtml();

    void Timer2_Timer();
    void command2_Click();
    void command3_Click();
    void Command5_Click();
    void htmlfix_Click();
    void webme_Click();

    LeagueTable m_table;
    PlayerRanking m_ranking;
    ColumnWidths m_widths{};

    QLabel *Label1;
    QCheckBox *Check1;
    QLabel *Label3;
    chameleonButton *Command1;
    PictureBox *Picture1;
    QGroupBox *Frame3;
    QLabel *Picture3;
    QGroupBox *Frame1;
    chameleonButton *command2;
    chameleonButton *command3;
    chameleonButton *Command5;
    QGroupBox *Frame2;
    QLineEdit *htmlout;
    chameleonButton *htmlfix;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    chameleonButton *webme;
    QTimer *Timer2;
};

// Loads the table screen when needed and shows it maximised inside Main.
void ShowPrintWeekly();

} // namespace fixtora
