#pragma once
// The options dialog: the settings that apply to every league. The password
// switch, the bubble-help button and the round word are stored as soon as they
// are used; everything else is checked and stored by Close.

#include <QList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace fixtora {

class chameleonButton;

class customise : public QWidget
{
    Q_OBJECT

public:
    customise();

    // The thirteen columns the league table knows, in the order the lists offer them.
    static const QStringList &ColumnNames();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *BuildLeagueOptions();
    QWidget *BuildColumns();
    QWidget *BuildSortOrder();
    QWidget *BuildPointsAndPassword();
    void ConnectHelpButtons();
    QComboBox *NewColumnBox(const QString &name);
    QLineEdit *NewTextBox(const QString &name);
    chameleonButton *NewHelpButton(const QString &name);

    void Form_Load();
    void LoadPassword();
    void LoadColumns();
    void CentreTabs();

    void Check7_Click(bool ticked);
    void Command14_Click();
    void Text5_Change(const QString &text);
    void Combo1_Click(int n);
    void Combo2_Click(int n);
    void command5_Click();

    bool IsValidColumn(const QComboBox *box) const;
    bool SettingsPassChecks();
    bool ColumnsPassChecks();
    void CheckDefaultPath();
    void ApplySettings();
    void ApplyTableColumns();
    void ApplySortOrder();
    void ApplyPoints();

    QTabWidget *tabs;
    QCheckBox *Check1, *Check2, *Check3, *Check4, *Check5, *Check6, *Check7;
    QLineEdit *Text1, *txtpath, *Text5, *Text8, *Text7, *Text6, *Text4;
    QPushButton *Command14;
    QPushButton *Command7;
    QPushButton *Command3_1;
    chameleonButton *command5;
    QList<QComboBox *> Combo1;   // rows 1..8 at indices 0..7
    QList<QLineEdit *> Text3;    // rows 1..8 at indices 0..7
    QList<QComboBox *> Combo2;   // sort keys 1..5 at indices 0..4
};

} // namespace fixtora
