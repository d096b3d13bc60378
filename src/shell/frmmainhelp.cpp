#include "shell/frmmainhelp.h"

#include "shell/helppanel.h"
#include "ui/centredpage.h"
#include "ui/chameleonbutton.h"

namespace fixtora {

frmmainhelp::frmmainhelp()
{
    setObjectName(QStringLiteral("frmmainhelp"));
    setWindowTitle(QStringLiteral("Fixtora Help"));
    AddHelpText(this, "Label1", QStringLiteral("Create New Table:"), true);
    AddHelpText(this, "Label3",
                QStringLiteral("Use this option to create a new table.  You will be asked to enter all the players "
                               "names.  Follow the prompts."),
                false);
    AddHelpText(this, "Label2", QStringLiteral("Open Table:"), true);
    AddHelpText(this, "Label4", QStringLiteral("Open a previous Table.  You can then print out tables."), false);
    chameleonButton *cmdOK = AddHelpButton(this, QStringLiteral("&Close"));
    connect(cmdOK, &QAbstractButton::clicked, this, &QWidget::hide);
    CentreOnScreen(this);
}

} // namespace fixtora
