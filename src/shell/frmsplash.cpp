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
constexpr TwipsPlace kPlaces[] = {
    {"Frame1", {150, 150, 6000, 3150}},
    {"imgLogo", {300, 300, 1440, 1440}},
    {"lblCompanyProduct", {2100, 450, 3600, 600}},
    {"lblVersion", {2100, 1140, 3600, 330}},
    {"Label5", {1950, 1650, 3750, 330}},
    {"command1", {2250, 2340, 1500, 510}},
};

} // namespace

frmSplash::frmSplash()
    : Frame1(new QFrame(this)),
      lblCompanyProduct(MakeLabel(Frame1, "lblCompanyProduct", QStringLiteral("Fixtora"))),
      lblVersion(MakeLabel(Frame1, "lblVersion", QStringLiteral("Version 1.0"))),
      imgLogo(MakeLabel(Frame1, "imgLogo")),
      Label5(new LinkLabel(Frame1)),
      command1(MakeButton(Frame1, "command1", QStringLiteral("&Close")))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Label5->setObjectName(QStringLiteral("Label5"));
    InArial(lblCompanyProduct, 24, true);
    SetFixedSizeInTwips(this, kWindowSize);
    PlaceInTwips(this, kPlaces);
    imgLogo->setPixmap(LogoPicture(imgLogo->width()));
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
