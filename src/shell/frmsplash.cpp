#include "shell/frmsplash.h"

#include "platform/appinfo.h"
#include "shell/artwork.h"
#include "shell/forms.h"
#include "shell/linklabel.h"
#include "shell/shellplatform.h"
#include "shell/versiontext.h"
#include "ui/centredpage.h"
#include "ui/chameleonbutton.h"
#include "ui/controls.h"
#include "ui/programbutton.h"
#include "ui/twips.h"

#include <QFrame>
#include <QLabel>

namespace fixtora {

namespace {

// The window and its controls, in twips.
constexpr QSize kWindowSize(6300, 3450);
constexpr QRect kFrame1(150, 150, 6000, 3150);
constexpr QRect kImgLogo(300, 300, 1440, 1440);
constexpr QRect kLblCompanyProduct(2100, 450, 3600, 600);
constexpr QRect kLblVersion(2100, 1140, 3600, 330);
constexpr QRect kLabel5(1950, 1650, 3750, 330);
constexpr QRect kCommand1(2250, 2340, 1500, 510);

} // namespace

frmSplash::frmSplash()
    : Frame1(InTwips(new QFrame(this), kFrame1)),
      lblCompanyProduct(
          InTwips(MakeLabel(Frame1, "lblCompanyProduct", QStringLiteral("Fixtora")), kLblCompanyProduct)),
      lblVersion(InTwips(MakeLabel(Frame1, "lblVersion", QStringLiteral("Version 1.0")), kLblVersion)),
      imgLogo(InTwips(MakeLabel(Frame1, "imgLogo"), kImgLogo)),
      Label5(InTwips(new LinkLabel(Frame1), kLabel5)),
      command1(InTwips(MakeButton(Frame1, "command1", QStringLiteral("&Close")), kCommand1))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Label5->setObjectName(QStringLiteral("Label5"));
    InArial(lblCompanyProduct, 24, true);
    SetFixedSizeInTwips(this, kWindowSize);
    imgLogo->setPixmap(LogoPicture(imgLogo->width()));
    command1->setCancel(true);
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
