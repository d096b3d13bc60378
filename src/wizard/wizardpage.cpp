#include "wizard/wizardpage.h"

#include "model/league.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "ui/chameleonbutton.h"
#include "ui/messagebox.h"
#include "ui/programbutton.h"
#include "ui/controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

#include <algorithm>

namespace fixtora {

namespace {

constexpr QSize kButtonSize(96, 30);
constexpr QSize kQuestionSize(26, 26);

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
    : frame(new QGroupBox(frameCaption, this))
{
    setObjectName(QLatin1String(name));
    frame->setObjectName(QLatin1String(frameName));
    frame->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
}

void WizardPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    CentreFrame();
}

void WizardPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    CentreFrame();
}

void WizardPage::CentreFrame()
{
    frame->adjustSize();
    frame->move(std::max(0, width() / 2 - frame->width() / 2), std::max(0, height() / 2 - frame->height() / 2));
}

void WizardPage::UsePlainFont()
{
    for (QWidget *control : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<chameleonButton *>(control))
            control->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Normal));
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

void ChainTabOrder(std::initializer_list<QWidget *> controls)
{
    QWidget *previous = nullptr;
    for (QWidget *control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void ShowWizardPage(QWidget *page)
{
    LoadForm<Main>()->ShowMdiChild(page, true);
}

void PageMessage(const QString &title, const QString &subtitle, const QString &text, const QString &caption)
{
    MessageArgs refusal;
    refusal.Title = title;
    refusal.Subtitle = subtitle;
    refusal.Text = text;
    refusal.Caption = caption;
    ShowMessage(refusal);
}

void RefuseEntryCount()
{
    PageMessage(
        QStringLiteral("Invalid entry"), QStringLiteral("number of names/players"),
        QStringLiteral("You have entered an incorrect value for the number of players/names.  This value should "
                       "be between 4 & 32"));
}

void AbandonNewLeague()
{
    InitialiseGlobals();
    UnloadForm<MainWizard>();
    ShowMainMenu();
}

} // namespace fixtora
