#pragma once
// customdates: the round-date editor of a new league. It shows the round
// dates 22 rounds a page, each in a date picker, stores every change at once,
// and on OK hands the dates to the summary page, which from then on keeps them
// instead of working them out from the start date. The rounds are called
// "Game" here.

#include <QList>
#include <QWidget>

class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace fixtora {

class chameleonButton;

class customdates : public QWidget {
    Q_OBJECT
public:
    customdates();

    static constexpr int kRowsPerPage = 22;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Escape closes the editor other than by OK: the dates already stored
    // stay, and the summary page is in front again. While a calendar is open
    // Escape closes only the calendar (it takes the key first).
    void keyPressEvent(QKeyEvent *event) override;

private:
    void BuildFrames();
    void BuildDateRows();
    void ConnectHandlers();
    void Form_Load();

    void rightclick_Click();
    void leftclick_Click();
    void DTPicker1_Change(int row, const QDate &date);
    void ReportDate(int row);
    void Command3_Click();
    void showhelp_Click();
    void helpclose_Click();

    // Stores the dates of the shown page's rounds.
    void StorePage();
    // Rounds of page m_page into the rows; rows after the last round show
    // afterLast with date, disabled.
    void FillPage(const QString &afterLast, const QDate &date);
    void ShowNextPageRange();

    int m_page = 1;
    int m_rounds = 0; // W
    int m_unreportedRow = -1; // a date picked in a calendar still open

    QGroupBox *Frame1;
    QList<QLabel *> weekno;
    QList<QDateEdit *> DTPicker1;
    chameleonButton *leftclick;
    chameleonButton *rightclick;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QGroupBox *Frame2;
    QPlainTextEdit *Text1;
    chameleonButton *Command3;
    QGroupBox *HelpFrame;
    QPlainTextEdit *helptext;
    chameleonButton *showhelp;
    chameleonButton *helpclose;
};

// Loads the editor when needed and shows it maximised inside Main.
void ShowRoundDateEditor();

} // namespace fixtora
