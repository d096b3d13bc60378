#include "shell/customise.h"

#include "model/league.h"
#include "model/settings.h"
#include "platform/numbers.h"
#include "platform/systembox.h"
#include "shell/forms.h"
#include "shell/password.h"
#include "shell/shellplatform.h"
#include "ui/balloon.h"
#include "ui/chameleonbutton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>

namespace fixtora {

namespace {

constexpr int kColumnRows = 8;
constexpr int kSortRows = 5;
constexpr int kMaxScoreWordLength = 6;
constexpr int kMaxWeekNameLength = 5;
constexpr int kMaxPoints = 99;

const QString kSelect = QStringLiteral("Select");
const QString kNone = QStringLiteral("None");

// The help buttons: the control each one explains, and its balloon.
const HelpButton kHelpBalloons[] = {
    {"chameleonButton1", "Text5", "Each Group of Games is",
     "The collective name for a set of Fixtures played at the same time is normally listed as a 'Week' "
     "but your League may be played every day or as set Matches.  In this case you could change the "
     "'Week' to 'Games' so that each group of games is listed as Games 1, then Game 2 etc on the League "
     "Fixtures"},
    {"chameleonButton2", "Text1", "Scores are known as",
     "This is the variable name used for entering points & is also displayed in the League Table.  For "
     "example, in Football (Soccer) it would be goals, in Snooker it would be Frames."},
    {"chameleonButton3", "Check4", "Start/End date visible",
     "Displays the start/end date in the League Fixtures screen but doesn't actually affect the League "
     "Fixture output."},
    {"chameleonButton4", "Check6", "Home/Away rule",
     "Enabling this rule will swap the League Fixture names in the second half of a league.  You can then "
     "use the League Fixtures to represent whether a Player/Team is at home or is at another venue (away).  "
     "This is normally enabled."},
    {"chameleonButton5", "Check1", "date is visible",
     "You can display/hide the date in your League Fixtures.  This option affects all leagues."},
    {"chameleonButton6", "Check2", "Week is visible",
     "You can display/hide the week number in your League Fixtures. You may wish to do this if your league "
     "doesn't run on a set day every week.  This option affects all leagues."},
    {"chameleonButton7", "Check3", "Table name is visible",
     "You can display/hide the title of your League Fixtures when displayed/printed.  This option affects "
     "all leagues."},
    {"chameleonButton8", "txtpath", "default save path",
     "This is the default path that is shown when you open/save a League"},
    {"chameleonButton9", "Text8", "Points for a win",
     "Enter the number of Points assigned to a League Fixture Win.  If Player A vs Player B is  4 vs 1 then "
     "since Player A has won then he(or she) gets 3 points. (Default = 3)"},
    {"chameleonButton10", "Text7", "Points for a draw",
     "Enter the number of Points assigned to a League Fixture Draw.  If Player A vs Player B is  3 vs 3 "
     "then since it's a draw then they both get 1 point. (default=1)."},
    {"chameleonButton11", "Text6", "Points for Lose",
     "Enter the number of Points assigned to a League Fixture Win.  If Player A vs Player B is  4 vs 1 then "
     "Player B has lost and gets 0 points. (Default = 0)"},
    {"Command3_1", "Check1", "date is visible",
     "You can display/hide the date in your League Fixtures.  This option affects all leagues."},
};

bool SaveSetting(const char *name, const QString &value)
{
    return SaveRegString(kHKeyLocalMachine, kSoftwareKey, name, value);
}

// Shows text in an editable box, selecting the list item of that name if any.
void ShowText(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(box->findText(text));
    box->setEditText(text);
}

void ShowSelectWhenEmpty(QComboBox *box)
{
    if (box->currentText().isEmpty())
        ShowText(box, kSelect);
}

bool IsPlaceholder(const QString &text)
{
    return text.isEmpty() || text == kSelect || text == kNone;
}

QString BoolText(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

} // namespace

const QStringList &customise::ColumnNames()
{
    static const QStringList names{"Index", "Name",  "Wins",   "Lost",     "Draw",     "Difference", "+",
                                   "-",     "Points", "Played", "Points +", "Points -", "Points +/-"};
    return names;
}

customise::customise()
    : tabs(new QTabWidget(this))
{
    setObjectName(QStringLiteral("customise"));
    setWindowTitle(QStringLiteral("options"));
    tabs->setObjectName(QStringLiteral("customise"));

    auto *general = new QWidget;
    auto *grid = new QGridLayout(general);
    grid->addWidget(BuildLeagueOptions(), 0, 0);
    grid->addWidget(BuildColumns(), 0, 1, 2, 1);
    grid->addWidget(BuildPointsAndPassword(), 1, 0);
    grid->addWidget(BuildSortOrder(), 2, 0, 1, 2);

    auto *Frame2 = new QGroupBox;
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto *frame2Layout = new QHBoxLayout(Frame2);
    frame2Layout->addWidget(new QLabel(QStringLiteral("These settings apply to all Leagues"), Frame2));
    grid->addWidget(Frame2, 3, 0);

    command5 = new chameleonButton;
    command5->setObjectName(QStringLiteral("command5"));
    command5->setCaption(QStringLiteral("Close"));
    command5->setFixedSize(90, 30);
    grid->addWidget(command5, 3, 1, Qt::AlignRight | Qt::AlignVCenter);
    connect(command5, &QAbstractButton::clicked, this, &customise::command5_Click);

    tabs->addTab(general, QStringLiteral("General"));
    tabs->resize(tabs->sizeHint());
    resize(tabs->size() + QSize(40, 40));

    ConnectHelpButtons();
    Form_Load();
}

QWidget *customise::BuildLeagueOptions()
{
    auto *Frame3 = new QGroupBox(QStringLiteral("League options"));
    Frame3->setObjectName(QStringLiteral("Frame3"));
    auto *grid = new QGridLayout(Frame3);

    auto check = [&](QCheckBox *&box, const char *name, const char *caption, int row) {
        box = new QCheckBox(QString::fromLatin1(caption), Frame3);
        box->setObjectName(QString::fromLatin1(name));
        grid->addWidget(box, row, 0, 1, 2);
    };
    check(Check1, "Check1", "Date is visible", 0);
    check(Check2, "Check2", "Week is visible", 1);
    check(Check3, "Check3", "Table Name is visible", 2);
    check(Check4, "Check4", "Start/End Date Summary", 3);
    check(Check5, "Check5", "Add Games per match", 4);
    check(Check6, "Check6", "Enable Home/Away Rule", 5);
    grid->addWidget(NewHelpButton(QStringLiteral("chameleonButton5")), 0, 2);
    grid->addWidget(NewHelpButton(QStringLiteral("chameleonButton6")), 1, 2);
    grid->addWidget(NewHelpButton(QStringLiteral("chameleonButton7")), 2, 2);
    grid->addWidget(NewHelpButton(QStringLiteral("chameleonButton3")), 3, 2);
    Command7 = new QPushButton(QStringLiteral("?"), Frame3);
    Command7->setObjectName(QStringLiteral("Command7"));
    Command7->setFixedSize(20, 20);
    grid->addWidget(Command7, 4, 2);
    grid->addWidget(NewHelpButton(QStringLiteral("chameleonButton4")), 5, 2);

    auto text = [&](QLineEdit *&box, const char *name, const char *label, const char *help, int row) {
        box = NewTextBox(QString::fromLatin1(name));
        grid->addWidget(new QLabel(QString::fromLatin1(label), Frame3), row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(NewHelpButton(QString::fromLatin1(help)), row, 2);
    };
    text(Text1, "Text1", "Scores are known as:-", "chameleonButton2", 6);
    text(txtpath, "txtpath", "Default Path:-", "chameleonButton8", 7);
    text(Text5, "Text5", "Each group of games is called a:", "chameleonButton1", 8);
    txtpath->setMinimumWidth(200);
    connect(Text5, &QLineEdit::textChanged, this, &customise::Text5_Change);
    return Frame3;
}

QWidget *customise::BuildColumns()
{
    auto *Frame5 = new QGroupBox(QStringLiteral("Choose Columns to display for League Tables(in this order)"));
    Frame5->setObjectName(QStringLiteral("Frame5"));
    auto *grid = new QGridLayout(Frame5);
    Command3_1 = new QPushButton(QStringLiteral("?"), Frame5);
    Command3_1->setObjectName(QStringLiteral("Command3_1"));
    Command3_1->setFixedSize(20, 20);
    grid->addWidget(Command3_1, 0, 3);
    for (int i = 1; i <= kColumnRows; ++i) {
        QComboBox *column = NewColumnBox(QStringLiteral("Combo1_%1").arg(i));
        QLineEdit *caption = NewTextBox(QStringLiteral("Text3_%1").arg(i));
        grid->addWidget(column, i, 0);
        grid->addWidget(new QLabel(QStringLiteral("show as:-"), Frame5), i, 1);
        grid->addWidget(caption, i, 2, 1, 2);
        connect(column, &QComboBox::activated, this, [this, i] { Combo1_Click(i); });
        Combo1.append(column);
        Text3.append(caption);
    }
    return Frame5;
}

QWidget *customise::BuildSortOrder()
{
    auto *Frame4 = new QGroupBox;
    Frame4->setObjectName(QStringLiteral("Frame4"));
    auto *row = new QHBoxLayout(Frame4);
    row->addWidget(new QLabel(QStringLiteral("Sort order ----->"), Frame4));
    for (int i = 1; i <= kSortRows; ++i) {
        QComboBox *key = NewColumnBox(QStringLiteral("Combo2_%1").arg(i));
        row->addWidget(key);
        connect(key, &QComboBox::activated, this, [this, i] { Combo2_Click(i); });
        Combo2.append(key);
    }
    return Frame4;
}

QWidget *customise::BuildPointsAndPassword()
{
    auto *Frame6 = new QGroupBox;
    Frame6->setObjectName(QStringLiteral("Frame6"));
    auto *grid = new QGridLayout(Frame6);
    auto points = [&](QLineEdit *&box, const char *name, const char *label, const char *help, int row) {
        box = NewTextBox(QString::fromLatin1(name));
        box->setMaximumWidth(60);
        grid->addWidget(new QLabel(QString::fromLatin1(label), Frame6), row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(NewHelpButton(QString::fromLatin1(help)), row, 2);
    };
    points(Text8, "Text8", "Points for Win", "chameleonButton9", 0);
    points(Text7, "Text7", "Points for draw", "chameleonButton10", 1);
    points(Text6, "Text6", "Points for lose", "chameleonButton11", 2);

    Check7 = new QCheckBox(QStringLiteral("Enabled password"), Frame6);
    Check7->setObjectName(QStringLiteral("Check7"));
    Text4 = NewTextBox(QStringLiteral("Text4"));
    Text4->setEchoMode(QLineEdit::Password);
    grid->addWidget(Check7, 3, 0);
    grid->addWidget(Text4, 3, 1, 1, 2);
    connect(Check7, &QCheckBox::clicked, this, &customise::Check7_Click);

    Command14 = new QPushButton(Frame6);
    Command14->setObjectName(QStringLiteral("Command14"));
    grid->addWidget(new QLabel(QStringLiteral("Bubble help is"), Frame6), 4, 0);
    grid->addWidget(Command14, 4, 1);
    connect(Command14, &QPushButton::clicked, this, &customise::Command14_Click);
    return Frame6;
}

QComboBox *customise::NewColumnBox(const QString &name)
{
    auto *box = new QComboBox;
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumWidth(110);
    return box;
}

QLineEdit *customise::NewTextBox(const QString &name)
{
    auto *box = new QLineEdit;
    box->setObjectName(name);
    return box;
}

chameleonButton *customise::NewHelpButton(const QString &name)
{
    auto *button = new chameleonButton;
    button->setObjectName(name);
    button->setCaption(QStringLiteral("?"));
    button->setFixedSize(20, 20);
    return button;
}

// Every help button opens a new balloon under the control it explains, owned
// by the main window, whatever the bubble-help setting says.
void customise::ConnectHelpButtons()
{
    for (const HelpButton &help : kHelpBalloons)
        ConnectHelpButton(this, help);
}

// ---- Loading -------------------------------------------------------------------------

void customise::Form_Load()
{
    CentreTabs();
    txtpath->setText(gSavePath);
    LoadPassword();
    Check1->setChecked(gDateVisible);
    Check2->setChecked(gWeekVisible);
    Check3->setChecked(gTableNameVisible);
    Check4->setChecked(gStartEndSummary);
    Check5->setChecked(gAddGamesPerMatch);
    Check6->setChecked(gHomeAwayRule);
    Check2->setText(Text5->text() + QStringLiteral(" is visible"));
    Command14->setText(gBubbleHelp == 0 ? QStringLiteral("Off") : QStringLiteral("On"));
    Text1->setText(gEachGameIs);
    Text8->setText(gPointsForWin);
    Text7->setText(gPointsForDraw);
    Text6->setText(gPointsForLose);
    Text5->setText(gWeekName);
    LoadColumns();
}

void customise::LoadPassword()
{
    const bool set = PasswordIsSet();
    Check7->setChecked(set);
    Text4->setText(set ? StoredPassword() : QString());
}

// Each row shows its column with the caption stored for the same place; all
// five sort keys are shown.
void customise::LoadColumns()
{
    for (QComboBox *box : Combo1 + Combo2) {
        box->addItems(ColumnNames());
        ShowText(box, kSelect);
    }
    for (int i = 1; i <= kColumnRows; ++i) {
        const QString &column = gTableOrder[i];
        const bool filled = !column.isEmpty() && column != kSelect;
        ShowText(Combo1[i - 1], filled ? column : kSelect);
        Text3[i - 1]->setText(filled ? gTableShow[i] : QString());
    }
    for (int i = 1; i <= kSortRows; ++i)
        ShowText(Combo2[i - 1], gSortOrder[i].isEmpty() ? kSelect : gSortOrder[i]);
}

// The tab control is centred on the whole screen, not on the window; on a
// screen smaller than the tab control it starts at the window's corner, so
// that every setting stays in reach.
void customise::CentreTabs()
{
    const ScreenInfo screen = CurrentScreen();
    const float left = screen.width / 2.0f - tabs->width() / 2.0f;
    const float top = screen.height / 2.0f - tabs->height() / 2.0f;
    tabs->move(std::max(qRound(left), 0), std::max(qRound(top), 0));
}

void customise::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    CentreTabs();
}

// ---- Settings stored at once -------------------------------------------------------

void customise::Check7_Click(bool ticked)
{
    SaveSetting(kRegPassword, ticked ? Text4->text() : QString());
}

void customise::Command14_Click()
{
    const bool turnOn = Command14->text() != QLatin1String("On");
    Command14->setText(turnOn ? QStringLiteral("On") : QStringLiteral("Off"));
    SaveSetting(kRegBubbleHelp, BoolText(turnOn));
}

void customise::Text5_Change(const QString &text)
{
    if (text.size() > kMaxWeekNameLength) {
        SystemMessage(QStringLiteral("'week' variable must be 5 or less characters"));
        return;
    }
    gWeekName = text;
    SaveSetting(kRegWeekName, text);
    Check2->setText(text + QStringLiteral(" is visible"));
}

// ---- Picks from the lists ---------------------------------------------------------------

void customise::Combo1_Click(int n)
{
    QComboBox *picked = Combo1[n - 1];
    Text3[n - 1]->clear();
    for (int i = 1; i <= kColumnRows; ++i) {
        if (i == n)
            continue;
        if (Combo1[i - 1]->currentText() == picked->currentText()) {
            SystemMessage(QStringLiteral("Can't have the same column displayed twice"));
            ShowText(picked, kSelect);
            return;
        }
        if (!IsValidColumn(picked)) {
            SystemMessage(QStringLiteral("Not a valid column name, please change it!"));
            return;
        }
    }
    Text3[n - 1]->setText(picked->currentText());
}

void customise::Combo2_Click(int n)
{
    QComboBox *picked = Combo2[n - 1];
    for (int i = 1; i <= kSortRows; ++i) {
        if (i == n)
            continue;
        QComboBox *other = Combo2[i - 1];
        ShowSelectWhenEmpty(other);
        if (other->currentText() == picked->currentText()) {
            SystemMessage(QStringLiteral("Can't have the same column displayed twice"));
            ShowText(picked, kSelect);
            return;
        }
        if (!IsValidColumn(picked)) {
            SystemMessage(QStringLiteral("Not a valid column name, please change it!"));
            return;
        }
    }
}

bool customise::IsValidColumn(const QComboBox *box) const
{
    const QString text = box->currentText();
    return text == kSelect || ColumnNames().contains(text);
}

// ---- Close -------------------------------------------------------------------------------

// Every check runs before anything is applied, so a refused Close changes no
// setting.
void customise::command5_Click()
{
    if (!SettingsPassChecks() || !ColumnsPassChecks())
        return;
    ApplySettings();
    gTableRefresh = 50;
    UnloadForm<customise>();
}

bool customise::SettingsPassChecks()
{
    if (Text1->text().size() > kMaxScoreWordLength) {
        SystemMessage(QStringLiteral("Length of individual score variable  must be 6 or less characters"));
        return false;
    }
    CheckDefaultPath();
    if (Text5->text().size() > kMaxWeekNameLength) {
        SystemMessage(QStringLiteral("'week' variable must be 5 or less characters"));
        return false;
    }
    return true;
}

// A folder or a file of that name passes; anything else is replaced by the
// default folder.
void customise::CheckDefaultPath()
{
    if (QFileInfo::exists(txtpath->text()))
        return;
    txtpath->setText(DefaultSavePath());
    SystemMessage(QStringLiteral("Invalid directory, setting to ") + DefaultSavePath());
}

bool customise::ColumnsPassChecks()
{
    for (QComboBox *box : Combo1)
        ShowSelectWhenEmpty(box);
    for (QComboBox *box : Combo1 + Combo2) {
        ShowSelectWhenEmpty(box);
        if (!IsValidColumn(box)) {
            SystemMessage(QStringLiteral("Not a valid column name, please change it!"));
            return false;
        }
    }
    return true;
}

void customise::ApplySettings()
{
    gSavePath = CleanFolderPath(txtpath->text());
    SaveSetting(kRegDefaultSavePath, gSavePath);
    SaveSetting(kRegPassword, Check7->isChecked() ? CleanString(Text4->text()) : QStringLiteral("none"));
    gDateVisible = Check1->isChecked();
    gWeekVisible = Check2->isChecked();
    gTableNameVisible = Check3->isChecked();
    gStartEndSummary = Check4->isChecked();
    gAddGamesPerMatch = Check5->isChecked();
    gHomeAwayRule = Check6->isChecked();
    gWeekName = Text5->text();
    SaveSetting(kRegWeekName, gWeekName);
    ApplyTableColumns();
    ApplySortOrder();
    ApplyPoints();
    gEachGameIs = Text1->text();
    WriteIniSettings();
}

// The columns and their captions come from the same rows, so each heading
// stays at the place of its column; a "," in a caption would split it in the
// stored list and is dropped.
void customise::ApplyTableColumns()
{
    QStringList columns;
    QStringList captions;
    gTableOrder.fill(QString());
    gTableShow.fill(QString());
    for (int i = 0; i < kColumnRows; ++i) {
        const QString column = Combo1[i]->currentText();
        if (IsPlaceholder(column))
            continue;
        QString caption = Text3[i]->text();
        if (IsPlaceholder(caption))
            caption.clear();
        caption.remove(QLatin1Char(','));
        columns.append(column);
        captions.append(caption);
        gTableOrder[columns.size()] = column;
        gTableShow[captions.size()] = caption;
    }
    SaveSetting(kRegTableOrder, columns.join(QLatin1Char(',')));
    SaveSetting(kRegTableShow, captions.join(QLatin1Char(',')));
}

void customise::ApplySortOrder()
{
    QStringList keys;
    gSortOrder.fill(QString());
    for (QComboBox *box : Combo2) {
        const QString key = box->currentText();
        if (IsPlaceholder(key))
            continue;
        keys.append(key);
        gSortOrder[keys.size()] = key;
    }
    SaveSetting(kRegSortOrder, keys.join(QLatin1Char(',')));
}

// A points text is taken as typed when its leading number lies in 0..99;
// otherwise the old value stays.
void customise::ApplyPoints()
{
    const std::pair<QLineEdit *, QString *> points[] = {
        {Text8, &gPointsForWin}, {Text7, &gPointsForDraw}, {Text6, &gPointsForLose}};
    for (const auto &[box, setting] : points) {
        const double value = Val(box->text());
        if (value >= 0 && value <= kMaxPoints)
            *setting = box->text();
    }
}

} // namespace fixtora
