#pragma once
// frmLogin: asks for the password kept in "pazz". A correct one opens the main
// window; the third wrong one ends the program. The count of wrong entries
// lives as long as the window stays loaded (Cancel only hides it).

#include <QWidget>

class QLabel;
class QLineEdit;

namespace fixtora {

class chameleonButton;

class frmLogin : public QWidget {
    Q_OBJECT
public:
    frmLogin();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void cmdok_Click();
    void cmdcancel_Click();
    void command4_Click();
    void WrongPassword();

    QLabel *lblLabels;
    QLineEdit *txtPassword;
    chameleonButton *cmdok;
    chameleonButton *cmdcancel;
    chameleonButton *command4;
    int m_wrongEntries = 0;
};

} // namespace fixtora
