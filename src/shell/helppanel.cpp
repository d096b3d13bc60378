#include "shell/helppanel.h"

#include "ui/chameleonbutton.h"
#include "ui/controls.h"
#include "ui/programbutton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace fixtora {

namespace {

QVBoxLayout *panelLayout(QWidget *panel)
{
    if (auto *layout = qobject_cast<QVBoxLayout *>(panel->layout()))
        return layout;
    auto *layout = new QVBoxLayout(panel);
    panel->setMinimumWidth(380);
    return layout;
}

} // namespace

void AddHelpText(QWidget *panel, const char *name, const QString &text, bool heading)
{
    QLabel *label = MakeLabel(panel, name, text);
    label->setWordWrap(true);
    if (heading) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    }
    panelLayout(panel)->addWidget(label);
}

chameleonButton *AddHelpButton(QWidget *panel, const QString &caption)
{
    chameleonButton *button = MakeButton(panel, "cmdOK", caption);
    button->setFixedSize(90, 28);
    button->setCancel(true);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button);
    panelLayout(panel)->addLayout(row);
    return button;
}

} // namespace fixtora
