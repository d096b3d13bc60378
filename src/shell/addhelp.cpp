#include "shell/addhelp.h"

#include "model/tournament.h"
#include "shell/forms.h"
#include "shell/helppanel.h"
#include "ui/centredpage.h"
#include "ui/chameleonbutton.h"

namespace fixtora {

Addhelp::Addhelp()
{
    setObjectName(QStringLiteral("Addhelp"));
    setWindowTitle(QStringLiteral("Add Names Help"));
    AddHelpText(this, "lblTitle",
                QStringLiteral("Enter each name and click on Add or press Enter on the keyboard.  Once you have "
                               "finished click on Next."),
                false);
    AddHelpText(this, "lblDescription",
                QStringLiteral("You can have a maximum of %1 Names.").arg(kMaxTourEntrants), false);
    chameleonButton *cmdOK = AddHelpButton(this, QStringLiteral("OK"));
    connect(cmdOK, &QAbstractButton::clicked, this, [] { UnloadForm<Addhelp>(); });
    CentreOnScreen(this);
}

} // namespace fixtora
