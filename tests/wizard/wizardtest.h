#pragma once
// What the wizard's window tests share: the wizard registered with the shell,
// the main menu shown, and helpers that type into a page and click its
// buttons as a user would.

#include "shelltest.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace fixtora {

class Wizard5;

class WizardTest : public ShellTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A click on the named button of form, then the unloads it asked for.
    static void Click(QWidget *form, const char *button);
    // Text typed into the named line edit or editable combo box of form.
    static void Type(QWidget *form, const char *control, const QString &text);

    // The definition page filled in and Next clicked once.
    struct Definition {
        QString name = QStringLiteral("Tuesday Pool");
        QString games = QStringLiteral("1");
        QString start = QStringLiteral("today"); // "today": today in the short format
        QString count = QStringLiteral("1");
        QString unit = QStringLiteral("week(s)");
        bool team = false;
    };
    void Define(const Definition &definition);
    // From the main menu through the definition page to the names or team page.
    void OpenEntriesPage(const Definition &definition);
    void OpenEntriesPage(bool team, int games = 1);
    // From the main menu to the summary page of a player league of these names.
    Wizard5 *OpenSummary(const QStringList &names, const Definition &definition);
    Wizard5 *OpenSummary(const QStringList &names) { return OpenSummary(names, Definition()); }
    // From the main menu to the summary page of a team league of count teams.
    void OpenTeamSummary(int count, const QString &scoring = QStringLiteral("WinLoseDraw"));

    // Names typed and added one by one on the names page.
    void AddNames(const QStringList &names);
    // Names typed and added with the named add button and text box of form.
    static void AddEach(QWidget *form, const char *box, const char *button, const QStringList &names);

    // The wizard's windows unloaded and the main menu shown, as at the start.
    static void StartAgain();
};

// "Name 1" .. "Name count".
QStringList Names(int count, const QString &stem = QStringLiteral("Name "));

} // namespace fixtora
