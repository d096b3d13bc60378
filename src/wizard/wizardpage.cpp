#include "wizard/wizardpage.h"

#include "model/league.h"
#include "platform/systembox.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "ui/centredpage.h"
#include "ui/chameleonbutton.h"
#include "ui/controls.h"
#include "ui/messagebox.h"
#include "ui/programbutton.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>

namespace fixtora {

namespace {

constexpr QSize kButtonSize(96, 30);
constexpr QSize kQuestionSize(26, 26);

PageRefusal entryCountRefusal()
{
    return {QStringLiteral("Invalid entry"), QStringLiteral("number of names/players"),
            QStringLiteral("You have entered an incorrect value for the number of players/names.  This value should "
                           "be between 4 & 32"),
            QString()};
}

// The league's entries: a blank, too long or unstorable name is one refusal.
PageRefusal entryRefusal(NameVerdict verdict, const QString &kind, const QString &listedKind)
{
    if (verdict == NameVerdict::Full)
        return entryCountRefusal();
    if (verdict == NameVerdict::Duplicate)
        return {QStringLiteral("Invalid ") + listedKind, QStringLiteral("Invalid ") + listedKind,
                QStringLiteral("The %1 you entered alreadt exists, please try another.").arg(listedKind), QString()};
    return {QStringLiteral("Invalid ") + kind, QStringLiteral("Invalid ") + kind,
            QStringLiteral("The %1 you entered is invalid.  It must be between 1 & 16 characters in length.").arg(kind),
            QString()};
}

// A team's players: a position entry is stored as "name//score\\total", so a
// name holding a separator could not be read back.
PageRefusal squadRefusal(NameVerdict verdict)
{
    const QString error = QStringLiteral("Error!");
    switch (verdict) {
    case NameVerdict::TooLong:
        return {QStringLiteral("Invalid Length"), QStringLiteral("Player/Team length"),
                QStringLiteral("Maximum length of name is 16 characters\r\n"), error};
    case NameVerdict::Full:
        return {QStringLiteral("Team full"), QStringLiteral("Names in Team"),
                QStringLiteral("A team can have at most 16 players\r\n"), error};
    case NameVerdict::Duplicate:
        return {QStringLiteral("Duplicate name"), QStringLiteral("Name"),
                QStringLiteral("Player already exists! Please select another name\r\n"), error};
    default:
        return {QStringLiteral("Invalid Name"), QStringLiteral("Player/Team name"),
                QStringLiteral("The Name you entered is invalid.  It cannot contain // or \\\\ or end with /.\r\n"),
                error};
    }
}

PageRefusal nameRefusal(NameList list, NameVerdict verdict)
{
    switch (list) {
    case NameList::Players:
        return entryRefusal(verdict, QStringLiteral("Name"), QStringLiteral("Player Name"));
    case NameList::Teams:
        return entryRefusal(verdict, QStringLiteral("Team Name"), QStringLiteral("Team Name"));
    case NameList::Squad:
        break;
    }
    return squadRefusal(verdict);
}

} // namespace

QLabel *CountLabel(QWidget *parent, const char *name)
{
    QLabel *label = MakeLabel(parent, name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(48);
    return label;
}

chameleonButton *PageButton(QWidget *parent, const char *name, const QString &caption)
{
    chameleonButton *button = MakeButton(parent, name, caption);
    button->setFixedSize(kButtonSize);
    return button;
}

chameleonButton *QuestionButton(QWidget *parent, const char *name)
{
    chameleonButton *button = MakeButton(parent, name, QStringLiteral("?"));
    button->setFixedSize(kQuestionSize);
    return button;
}

WizardPage::WizardPage(const char *name, const char *frameName, const QString &frameCaption)
    : frame(InArial(MakeFrame(this, frameName, frameCaption), 9, true))
{
    setObjectName(QLatin1String(name));
}

void WizardPage::CentreFrameInPage()
{
    frame->layout()->setSizeConstraint(QLayout::SetFixedSize);
    CentreInPage(this, frame);
}

void WizardPage::UsePlainFont()
{
    for (QWidget *control : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<chameleonButton *>(control))
            SetArialFont(control, 9, false);
}

void WizardPage::SetCancelButton(chameleonButton *cancel)
{
    m_cancel = cancel;
}

void WizardPage::keyPressEvent(QKeyEvent *event)
{
    if (m_cancel && m_cancel->isEnabled() && event->matches(QKeySequence::Cancel))
        m_cancel->click();
    else
        QWidget::keyPressEvent(event);
}

void WizardPage::closeEvent(QCloseEvent *event)
{
    if (!m_cancel) {
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    m_cancel->click();
}

QString CaptionText(const QString &name)
{
    return QString(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void TakeListRow(QListWidget *list, int row)
{
    const QSignalBlocker quiet(list);
    delete list->takeItem(row);
    list->setCurrentItem(nullptr);
    list->clearSelection();
}

void ShowWizardPage(QWidget *page)
{
    LoadForm<Main>()->ShowMdiChild(page, true);
}

void ShowRefusal(const PageRefusal &refusal, QWidget *box)
{
    Refuse(refusal.title, refusal.subtitle, refusal.text, box, refusal.caption);
}

void RefuseEntryCount(QWidget *box)
{
    ShowRefusal(entryCountRefusal(), box);
}

void RefuseNewName(NameList list, NameVerdict verdict, QLineEdit *box)
{
    if (verdict == NameVerdict::Accepted || (verdict == NameVerdict::Blank && list == NameList::Squad))
        return;
    if (verdict != NameVerdict::Duplicate) {
        ShowRefusal(nameRefusal(list, verdict), box);
        return;
    }
    ShowRefusal(nameRefusal(list, verdict));
    box->clear();
    box->setFocus();
}

bool MayLeavePage(const TypedEntries &typed)
{
    const QString question = DiscardTypedQuestion(typed);
    return question.isEmpty() || SystemConfirm(question, QStringLiteral("Discard"));
}

void AbandonNewLeague()
{
    InitialiseGlobals();
    UnloadForm<MainWizard>();
    ShowMainMenu();
}

} // namespace fixtora
