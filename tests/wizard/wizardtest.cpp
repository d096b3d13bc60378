#include "wizardtest.h"

#include "model/league.h"
#include "platform/shortdate.h"
#include "shell/forms.h"
#include "shell/mainwizard.h"
#include "ui/chameleonbutton.h"
#include "wizard/customdates.h"
#include "wizard/import.h"
#include "wizard/wizard1.h"
#include "wizard/wizard2.h"
#include "wizard/wizard3.h"
#include "wizard/wizard5.h"
#include "wizard/wizardwindows.h"

#include <QCheckBox>
#include <QComboBox>

namespace fixtora {

void WizardTest::SetUp()
{
    ShellTest::SetUp();
    RegisterWizardWindows();
    ShowMainMenu();
}

namespace {

void unloadWizard()
{
    UnloadForm<customdates>();
    UnloadForm<import>();
    UnloadForm<Wizard5>();
    UnloadForm<Wizard3>();
    UnloadForm<Wizard2>();
    UnloadForm<Wizard1>();
    ProcessUnloads();
}

} // namespace

void WizardTest::TearDown()
{
    unloadWizard();
    ShellTest::TearDown();
}

void WizardTest::StartAgain()
{
    unloadWizard();
    ShowMainMenu();
}

void WizardTest::Click(QWidget *form, const char *button)
{
    ClickOn(form, QLatin1String(button));
}

void WizardTest::Type(QWidget *form, const char *control, const QString &text)
{
    TypeInto(form, QLatin1String(control), text);
}

void WizardTest::Define(const Definition &definition)
{
    Wizard1 *page = LoadedForm<Wizard1>();
    ASSERT_NE(page, nullptr);
    Type(page, "Text1", definition.name);
    Type(page, "text2", definition.games);
    Type(page, "text3",
         definition.start == QLatin1String("today") ? ShortDate(QDate::currentDate()) : definition.start);
    Type(page, "Combo1", definition.count);
    Type(page, "Combo2", definition.unit);
    Find<QCheckBox>(page, "Check1")->setChecked(definition.team);
    Click(page, "command2");
}

void WizardTest::OpenEntriesPage(const Definition &definition)
{
    Click(LoadForm<MainWizard>(), "createtable");
    Define(definition);
}

void WizardTest::OpenEntriesPage(bool team, int games)
{
    Definition definition;
    definition.team = team;
    definition.games = QString::number(games);
    OpenEntriesPage(definition);
}

Wizard5 *WizardTest::OpenSummary(const QStringList &names, const Definition &definition)
{
    OpenEntriesPage(definition);
    AddNames(names);
    Click(LoadedForm<Wizard3>(), "cmdclose");
    return LoadedForm<Wizard5>();
}

void WizardTest::OpenTeamSummary(int count, const QString &scoring)
{
    OpenEntriesPage(true);
    Wizard2 *page = LoadedForm<Wizard2>();
    AddEach(page, "Teamtxt", "TeamAdd", Names(count, QStringLiteral("Team ")));
    Find<QComboBox>(page, "list1")->setCurrentText(scoring);
    Click(page, "Command3");
}

void WizardTest::AddNames(const QStringList &names)
{
    AddEach(LoadedForm<Wizard3>(), "txtName", "cmdadd", names);
}

void WizardTest::AddEach(QWidget *form, const char *box, const char *button, const QStringList &names)
{
    for (const QString &name : names) {
        Type(form, box, name);
        Click(form, button);
    }
}

QStringList Names(int count, const QString &stem)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(stem + QString::number(i));
    return names;
}

} // namespace fixtora
