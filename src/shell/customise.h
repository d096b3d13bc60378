#pragma once
// The options dialog: the settings that apply to every league. The password
// switch, the bubble-help button and the round word are stored as soon as they
// are used; everything else is checked and stored by Close (also Return).
// Leaving otherwise (Escape, Ctrl+W, the close box, or a command that puts
// every window away) with a setting changed asks whether to store it first.

#include <QList>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;

namespace fixtora {

class chameleonButton;
struct ColumnPick;

class customise : public QWidget
{
    Q_OBJECT

public:
    customise();

    // Asks about a changed setting: Save stores it (the options go unless a
    // check refuses), Don't Save puts the options away. True when they may go
    // or have gone; false when they stay (Cancel, or a refused store).
    [[nodiscard]] bool MayLeave();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildTabs();
    QWidget *BuildLeagueOptions();
    QWidget *BuildColumns();
    QWidget *BuildSortOrder();
    QWidget *BuildPointsAndPassword();
    void ConnectHelpButtons();
    QComboBox *NewColumnBox(const QString &name);
    chameleonButton *NewHelpButton(const char *name);

    void Form_Load();
    void LoadPassword();
    void LoadColumns();

    bool StoreAtOnce(const char *name, const QString &value);
    void Check7_Click(bool ticked);
    void Command14_Click();
    void Text5_Change(const QString &text);
    bool PickStands(QComboBox *picked, const ColumnPick &pick);
    void Combo1_Click(int n);
    void Combo2_Click(int n);
    void command5_Click();
    QStringList ShownSettings() const;
    void CloseAsked();

    bool SettingsPassChecks();
    bool ColumnsPassChecks();
    void CheckDefaultPath();
    bool ApplySettings();
    bool WriteIniChoices();
    void ApplyPoints();

    QTabWidget *tabs;
    QCheckBox *Check1, *Check2, *Check3, *Check4, *Check5, *Check6, *Check7;
    QLineEdit *Text1, *txtpath, *Text5, *Text8, *Text7, *Text6, *Text4;
    chameleonButton *Command14;
    chameleonButton *Command7;
    chameleonButton *Command3_1;
    chameleonButton *command5;
    QList<QComboBox *> Combo1;   // rows 1..8 at indices 0..7
    QList<QLineEdit *> Text3;    // rows 1..8 at indices 0..7
    QList<QComboBox *> Combo2;   // sort keys 1..5 at indices 0..4
    bool m_failureShown = false; // a store made at once failed and was reported
    QStringList m_loaded;        // ShownSettings() as loaded
};

// True when the options are not open, or MayLeave lets them go.
[[nodiscard]] bool MayUnloadOptions();

} // namespace fixtora
