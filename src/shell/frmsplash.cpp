#include "shell/frmsplash.h"

#include "platform/appinfo.h"
#include "shell/artwork.h"
#include "shell/forms.h"
#include "shell/linklabel.h"
#include "shell/shellplatform.h"
#include "shell/versiontext.h"
#include "ui/centredpage.h"
#include "ui/chameleonbutton.h"
#include "ui/programbutton.h"

#include <QFrame>
#include <QLabel>

namespace fixtora {

frmSplash::frmSplash()
    : Frame1(new QFrame(this)),
      lblCompanyProduct(new QLabel(QStringLiteral("Fixtora"), Frame1)),
      lblVersion(new QLabel(QStringLiteral("Version 1.0"), Frame1)),
      imgLogo(new QLabel(Frame1)),
      Label5(new LinkLabel(Frame1)),
      command1(MakeButton(Frame1, "command1", QStringLiteral("&Close")))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString());
    setFixedSize(420, 230);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setGeometry(10, 10, 400, 210);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(20, 20, 96, 96);
    imgLogo->setPixmap(LogoPicture(96));
    lblCompanyProduct->setObjectName(QStringLiteral("lblCompanyProduct"));
    lblCompanyProduct->setFont(QFont(QStringLiteral("Arial"), 24, QFont::Bold));
    lblCompanyProduct->setGeometry(140, 30, 240, 40);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(140, 76, 240, 22);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setGeometry(130, 110, 250, 22);
    command1->setGeometry(150, 156, 100, 34);
    connect(command1, &QAbstractButton::clicked, this, [] { UnloadForm<frmSplash>(); });
    connect(Label5, &LinkLabel::clicked, this, [] { StartExplorer(QLatin1String(kWebAddress)); });
    Form_Load();
    CentreOnScreen(this);
}

void frmSplash::Form_Load()
{
    Label5->setText(QStringLiteral("  ") + QLatin1String(kWebAddress));
    lblVersion->setText(QStringLiteral("Version ") + VersionNumber());
}

} // namespace fixtora
