#include "tournament/tourwiz.h"

#include "model/league.h"
#include "model/tournament.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "tournament/tournieform.h"
#include "ui/chameleonbutton.h"
#include "ui/messagebox.h"
#include "ui/programbutton.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace fixtora {

namespace {

// Places inside the frame, in twips.
constexpr QRect kFrame(0, 0, 5655, 3435);
constexpr QRect kLabel1(1080, 720, 3735, 495);
constexpr QRect kLblName(600, 1680, 2415, 255);
constexpr QRect kTxtName(3000, 1680, 735, 408);
constexpr QRect kCommand1(3240, 2880, 1095, 495);
constexpr QRect kCmdclose(4440, 2880, 1095, 495);

QLabel *whiteLabel(QWidget *parent, const char *name, const QString &caption, const QRect &place)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, Qt::white);
    label->setPalette(colours);
    PlaceInTwips(label, place);
    return label;
}

} // namespace

void ShowTourWizard()
{
    LoadForm<Main>()->ShowMdiChild(LoadForm<tourwiz>(), true);
}

tourwiz::tourwiz()
    : frame(new QGroupBox(QStringLiteral("Number of Players"), this)),
      Label1(whiteLabel(frame, "Label1", QStringLiteral("Enter a value from 4 to 64"), kLabel1)),
      lblName(whiteLabel(frame, "lblName", QStringLiteral("Number of &players:"), kLblName)),
      txtName(new QLineEdit(frame)),
      command1(MakeButton(frame, "command1", QStringLiteral("&Cancel"))),
      cmdclose(MakeButton(frame, "cmdclose", QStringLiteral("&Next")))
{
    setObjectName(QStringLiteral("tourwiz"));
    setWindowTitle(QStringLiteral("Tournament"));
    BuildFrame();
    ConnectHandlers();
    Form_Load();
}

void tourwiz::BuildFrame()
{
    frame->setObjectName(QStringLiteral("tourwiz"));
    frame->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
    PlaceInTwips(frame, kFrame);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    PlaceInTwips(txtName, kTxtName);
    lblName->setBuddy(txtName);
    PlaceInTwips(command1, kCommand1);
    PlaceInTwips(cmdclose, kCmdclose);
    command1->setCancel(true);
    setTabOrder(txtName, command1);
    setTabOrder(command1, cmdclose);
    setFocusProxy(txtName);
}

void tourwiz::ConnectHandlers()
{
    connect(cmdclose, &QAbstractButton::clicked, this, &tourwiz::cmdclose_Click);
    connect(txtName, &QLineEdit::returnPressed, this, &tourwiz::cmdclose_Click);
    connect(command1, &QAbstractButton::clicked, this, &tourwiz::command1_Click);
}

// The main menu gives way to the wizard.
void tourwiz::Form_Load()
{
    gTourEntrants = 0;
    UnloadForm<MainWizard>();
    CentreFrame();
}

void tourwiz::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    CentreFrame();
}

// Centred in what the page shows, never off its top-left corner.
void tourwiz::CentreFrame()
{
    frame->move(std::max(0, width() / 2 - frame->width() / 2), std::max(0, height() / 2 - frame->height() / 2));
}

void tourwiz::cmdclose_Click()
{
    const std::optional<int> players = TypedPlayers(txtName->text());
    if (!players) {
        MessageArgs refusal;
        refusal.Caption = QStringLiteral("Error!");
        refusal.Title = QStringLiteral("Invalid number entered");
        refusal.Subtitle = QStringLiteral("Invalid number entered");
        refusal.Text = QStringLiteral("\r\nPlease enter a value from 4 to 64");
        ShowMessage(refusal);
        txtName->clear();
        txtName->setFocus();
        return;
    }
    SetUpTournament(*players);
    UnloadForm<Tournieform>();
    ShowTournamentChart();
}

// Only the tournament is abandoned; the open league stays as it was.
void tourwiz::command1_Click()
{
    ResetTournament();
    UnloadForm<tourwiz>();
    UnloadForm<MainWizard>();
    ShowMainMenu();
}

} // namespace fixtora
