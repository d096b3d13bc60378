#include "shell/customise.h"

#include "model/league.h"
#include "model/legs.h"
#include "model/settings.h"
#include "model/tablecolumns.h"
#include "platform/registry.h"
#include "platform/systembox.h"
#include "shell/forms.h"
#include "shell/password.h"
#include "shell/savesettings.h"
#include "shell/taskwindows.h"
#include "ui/balloon.h"
#include "ui/centredpage.h"
#include "ui/chameleonbutton.h"
#include "ui/controls.h"
#include "ui/messagebox.h"
#include "ui/programbutton.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QShortcut>
#include <QTabWidget>

#include <algorithm>
#include <type_traits>
#include <utility>

namespace fixtora {

namespace {

constexpr int kMaxScoreWordLength = 6;
constexpr int kMaxWeekNameLength = 5;

// Sizes of the layout, in pixels.
constexpr int kSpacing = 6;
constexpr int kRowSpacing = 2;
constexpr int kPathWidth = 130;
constexpr int kWordWidth = 70;
constexpr int kCaptionWidth = 100;
constexpr int kColumnBoxWidth = 100;

// The windows that show a round's results by the sides the home-and-away rule
// gives them, and store what they show by those sides.
const QLatin1StringView kScoreWindows[] = {QLatin1StringView("Enter_Scores"), QLatin1StringView("TeamScoreentry")};

bool scoreWindowOpen()
{
    for (const QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && std::ranges::find(kScoreWindows, window->objectName()) != std::end(kScoreWindows))
            return true;
    return false;
}

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

// Shows text in an editable box, selecting the list item of that name if any.
void ShowText(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(box->findText(text));
    box->setEditText(text);
}

void ShowSelectWhenEmpty(QComboBox *box)
{
    if (box->currentText().isEmpty())
        ShowText(box, kSelectColumn);
}

// The texts the boxes show, in their order.
template <class Box>
QStringList shownTexts(const QList<Box *> &boxes)
{
    QStringList texts;
    for (const Box *box : boxes) {
        if constexpr (std::is_same_v<Box, QComboBox>)
            texts.append(box->currentText());
        else
            texts.append(box->text());
    }
    return texts;
}

void refuseNotAColumn(QComboBox *box)
{
    SystemMessage(QStringLiteral("Not a valid column name, please change it!"));
    ReturnToRefusedBox(box);
}

QString BoolText(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

// A label that names its control, to a screen reader too; readAs, when
// given, is what a screen reader reads for a caption that several rows share.
QLabel *namingLabel(const QString &caption, QWidget *control, const QString &readAs = QString())
{
    QLabel *label = MakeLabel(nullptr, control->objectName() + QStringLiteral("_label"), caption);
    label->setAccessibleName(readAs);
    NameAfter(control, label);
    return label;
}

QLabel *namingLabel(const char *caption, QWidget *control)
{
    return namingLabel(QString::fromLatin1(caption), control);
}

// The bubble-help button shows the setting as its caption; its label names
// it for a screen reader, which then hears the setting too.
void showBubbleHelp(chameleonButton *button, bool on)
{
    button->setCaption(on ? QStringLiteral("On") : QStringLiteral("Off"));
    button->setAccessibleName(QStringLiteral("Bubble help is ") + button->Caption());
}

} // namespace

customise::customise()
    : tabs(new QTabWidget(this))
{
    setObjectName(QStringLiteral("customise"));
    setWindowTitle(QStringLiteral("options"));
    tabs->setObjectName(QStringLiteral("customise"));
    BuildTabs();
    ConnectHelpButtons();
    Form_Load();
    m_loaded = ShownSettings();
    Check1->setFocus();
}

// The controls are laid out tightly enough for the whole tab control to fit
// a main window on an 800x600 screen.
void customise::BuildTabs()
{
    auto *general = new QWidget;
    auto *grid = new QGridLayout(general);
    grid->setSpacing(kSpacing);
    grid->setContentsMargins(kSpacing, kSpacing, kSpacing, kSpacing);
    grid->addWidget(BuildLeagueOptions(), 0, 0);
    grid->addWidget(BuildColumns(), 0, 1, 2, 1);
    grid->addWidget(BuildPointsAndPassword(), 1, 0);
    grid->addWidget(BuildSortOrder(), 2, 0, 1, 2);

    QGroupBox *Frame2 = MakeFrame(nullptr, "Frame2");
    auto *frame2Layout = new QHBoxLayout(Frame2);
    frame2Layout->addWidget(new QLabel(QStringLiteral("These settings apply to all Leagues"), Frame2));
    grid->addWidget(Frame2, 3, 0);

    command5 = MakeButton(general, "command5", QStringLiteral("Close"));
    command5->setFixedSize(90, 30);
    grid->addWidget(command5, 3, 1, Qt::AlignRight | Qt::AlignVCenter);
    connect(command5, &QAbstractButton::clicked, this, &customise::command5_Click);
    // Return is Close; Escape closes as the close box does (and as Ctrl+W,
    // the workspace window's own key, does).
    command5->setDefault(true);
    new QShortcut(Qt::Key_Escape, this, this, &customise::CloseAsked, Qt::WidgetWithChildrenShortcut);

    tabs->addTab(general, QStringLiteral("General"));
    tabs->resize(tabs->sizeHint());
    CentreInPage(this, tabs);
}

QWidget *customise::BuildLeagueOptions()
{
    QGroupBox *Frame3 = MakeFrame(nullptr, "Frame3", QStringLiteral("League options"));
    auto *grid = new QGridLayout(Frame3);
    grid->setVerticalSpacing(kRowSpacing);

    // Each control is followed by its help button, for Tab as on screen.
    auto check = [&](QCheckBox *&box, const char *name, const char *caption, const char *help, int row) {
        box = MakeCheckBox(Frame3, name, QString::fromLatin1(caption));
        grid->addWidget(box, row, 0, 1, 2);
        chameleonButton *button = NewHelpButton(help);
        grid->addWidget(button, row, 2);
        return button;
    };
    check(Check1, "Check1", "Date is visible", "chameleonButton5", 0);
    check(Check2, "Check2", "Week is visible", "chameleonButton6", 1);
    check(Check3, "Check3", "Table Name is visible", "chameleonButton7", 2);
    check(Check4, "Check4", "Start/End Date Summary", "chameleonButton3", 3);
    Command7 = check(Check5, "Check5", "Add Games per match", "Command7", 4);
    Command7->setAccessibleName(HelpButtonName(Check5->text()));
    check(Check6, "Check6", "Enable Home/Away Rule", "chameleonButton4", 5);

    auto text = [&](QLineEdit *&box, const char *name, const char *label, const char *help, int row) {
        box = MakeTextBox(nullptr, name);
        grid->addWidget(namingLabel(label, box), row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(NewHelpButton(help), row, 2);
    };
    text(Text1, "Text1", "Scores are known as:-", "chameleonButton2", 6);
    text(txtpath, "txtpath", "Default Path:-", "chameleonButton8", 7);
    text(Text5, "Text5", "Each group of games is called a:", "chameleonButton1", 8);
    txtpath->setMinimumWidth(kPathWidth);
    Text1->setFixedWidth(kWordWidth);
    Text5->setFixedWidth(kWordWidth);
    connect(Text5, &QLineEdit::textChanged, this, &customise::Text5_Change);
    return Frame3;
}

QWidget *customise::BuildColumns()
{
    QGroupBox *Frame5 =
        MakeFrame(nullptr, "Frame5", QStringLiteral("Choose Columns to display for League Tables(in this order)"));
    auto *grid = new QGridLayout(Frame5);
    grid->setVerticalSpacing(kRowSpacing);
    for (int i = 1; i <= kTableColumnRows; ++i) {
        QComboBox *column = NewColumnBox(ElementName("Combo1", i));
        QLineEdit *caption = MakeTextBox(nullptr, ElementName("Text3", i));
        caption->setFixedWidth(kCaptionWidth);
        const QString place = QStringLiteral("Column %1").arg(i);
        grid->addWidget(namingLabel(place, column), i, 0);
        grid->addWidget(column, i, 1);
        grid->addWidget(namingLabel(QStringLiteral("show as:-"), caption, place + QStringLiteral(" shown as")), i, 2);
        grid->addWidget(caption, i, 3);
        if (i == 1) {
            Command3_1 = NewHelpButton("Command3_1");
            Command3_1->setAccessibleName(HelpButtonName(QStringLiteral("date is visible, beside the columns")));
            grid->addWidget(Command3_1, 1, 4);
        }
        connect(column, &QComboBox::activated, this, [this, i] { Combo1_Click(i); });
        Combo1.append(column);
        Text3.append(caption);
    }
    return Frame5;
}

QWidget *customise::BuildSortOrder()
{
    QGroupBox *Frame4 = MakeFrame(nullptr, "Frame4");
    auto *row = new QHBoxLayout(Frame4);
    row->addWidget(MakeLabel(Frame4, "Label_sortorder", QStringLiteral("Sort order ----->")));
    // Each key is numbered, first key first.
    for (int i = 1; i <= kSortKeyRows; ++i) {
        QComboBox *key = NewColumnBox(ElementName("Combo2", i));
        row->addWidget(namingLabel(QString::number(i), key, QStringLiteral("Sort %1").arg(i)));
        row->addWidget(key);
        connect(key, &QComboBox::activated, this, [this, i] { Combo2_Click(i); });
        Combo2.append(key);
    }
    return Frame4;
}

QWidget *customise::BuildPointsAndPassword()
{
    QGroupBox *Frame6 = MakeFrame(nullptr, "Frame6");
    auto *grid = new QGridLayout(Frame6);
    grid->setVerticalSpacing(kRowSpacing);
    auto points = [&](QLineEdit *&box, const char *name, const char *label, const char *help, int row) {
        box = MakeTextBox(nullptr, name);
        box->setMaximumWidth(60);
        grid->addWidget(namingLabel(label, box), row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(NewHelpButton(help), row, 2);
    };
    points(Text8, "Text8", "Points for Win", "chameleonButton9", 0);
    points(Text7, "Text7", "Points for draw", "chameleonButton10", 1);
    points(Text6, "Text6", "Points for lose", "chameleonButton11", 2);

    Check7 = MakeCheckBox(Frame6, "Check7", QStringLiteral("Enabled password"));
    Text4 = MakeTextBox(nullptr, "Text4");
    Text4->setEchoMode(QLineEdit::Password);
    grid->addWidget(Check7, 3, 0, 1, 3);
    grid->addWidget(namingLabel("Password:", Text4), 4, 0);
    grid->addWidget(Text4, 4, 1, 1, 2);
    connect(Check7, &QCheckBox::clicked, this, &customise::Check7_Click);

    Command14 = MakeButton(Frame6, "Command14", QString());
    Command14->setFixedSize(60, 24);
    grid->addWidget(namingLabel("Bubble help is", Command14), 5, 0);
    grid->addWidget(Command14, 5, 1);
    connect(Command14, &QAbstractButton::clicked, this, &customise::Command14_Click);
    return Frame6;
}

// A typed name stays exactly as typed: the box completes nothing, and leaving
// it never turns the text into a pick from the list (the list's item is kept
// current while the text matches one exactly), so only a real pick runs the
// pick's checks.
QComboBox *customise::NewColumnBox(const QString &name)
{
    QComboBox *box = MakeCombo(nullptr, name, QStringList(), true);
    box->setCompleter(nullptr);
    box->setMinimumWidth(kColumnBoxWidth);
    connect(box->lineEdit(), &QLineEdit::textEdited, box, [box](const QString &typed) {
        const int matching = box->findText(typed, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (matching >= 0 && matching != box->currentIndex()) {
            const int cursor = box->lineEdit()->cursorPosition();
            box->setCurrentIndex(matching);
            box->lineEdit()->setCursorPosition(cursor);
        }
    });
    return box;
}

chameleonButton *customise::NewHelpButton(const char *name)
{
    chameleonButton *button = MakeButton(nullptr, name, QStringLiteral("?"));
    button->setFixedSize(20, 20);
    return button;
}

// Every help button opens a new balloon under the control it explains, owned
// by the main window, whatever the bubble-help setting says; the balloons go
// when the options close.
void customise::ConnectHelpButtons()
{
    for (const HelpButton &help : kHelpBalloons)
        ConnectHelpButton(this, help, true);
}

// ---- Loading -------------------------------------------------------------------------

// The tab control is centred in what the window shows (CentreInPage).
void customise::Form_Load()
{
    txtpath->setText(gSavePath);
    LoadPassword();
    Check1->setChecked(gDateVisible);
    Check2->setChecked(gWeekVisible);
    Check3->setChecked(gTableNameVisible);
    Check4->setChecked(gStartEndSummary);
    Check5->setChecked(gAddGamesPerMatch);
    Check6->setChecked(gHomeAwayRule);
    Check2->setText(Text5->text() + QStringLiteral(" is visible"));
    showBubbleHelp(Command14, gBubbleHelp != 0);
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
        box->addItems(TableColumnNames());
        ShowText(box, kSelectColumn);
    }
    for (int i = 1; i <= kTableColumnRows; ++i) {
        const QString &column = gTableOrder[i];
        const bool filled = !column.isEmpty() && column != kSelectColumn;
        ShowText(Combo1[i - 1], filled ? column : kSelectColumn);
        Text3[i - 1]->setText(filled ? gTableShow[i] : QString());
    }
    for (int i = 1; i <= kSortKeyRows; ++i)
        ShowText(Combo2[i - 1], gSortOrder[i].isEmpty() ? kSelectColumn : gSortOrder[i]);
}

// ---- Settings stored at once -------------------------------------------------------

// A store made at once that fails is reported the first time only (the round
// word is stored at every keystroke) and changes nothing on screen; Close
// stores everything again and reports any failure.
bool customise::StoreAtOnce(const char *name, const QString &value)
{
    if (StorePreference(name, value))
        return true;
    if (!m_failureShown)
        ShowSettingsNotSaved(RegistryFile());
    m_failureShown = true;
    return false;
}

// A switch whose value could not be stored goes back to how it was.
void customise::Check7_Click(bool ticked)
{
    if (!StoreAtOnce(kRegPassword, ticked ? Text4->text() : QString()))
        Check7->setChecked(!ticked);
}

void customise::Command14_Click()
{
    const bool turnOn = Command14->Caption() != QLatin1String("On");
    if (StoreAtOnce(kRegBubbleHelp, BoolText(turnOn)))
        showBubbleHelp(Command14, turnOn);
}

void customise::Text5_Change(const QString &text)
{
    if (text.size() > kMaxWeekNameLength) {
        SystemMessage(QStringLiteral("'week' variable must be 5 or less characters"));
        return;
    }
    if (!StoreAtOnce(kRegWeekName, text))
        return;
    gWeekName = text;
    Check2->setText(text + QStringLiteral(" is visible"));
}

// ---- Picks from the lists ---------------------------------------------------------------

// A pick repeated in another row goes back to "Select"; a pick that is no
// column keeps the keyboard (CheckColumnPick).
bool customise::PickStands(QComboBox *picked, const ColumnPick &pick)
{
    switch (pick.verdict) {
    case ColumnPick::ShownTwice:
        SystemMessage(QStringLiteral("Can't have the same column displayed twice"));
        ShowText(picked, kSelectColumn);
        return false;
    case ColumnPick::NotAColumn:
        refuseNotAColumn(picked);
        return false;
    case ColumnPick::Taken:
        break;
    }
    return true;
}

void customise::Combo1_Click(int n)
{
    Text3[n - 1]->clear();
    if (PickStands(Combo1[n - 1], CheckColumnPick(shownTexts(Combo1), n - 1)))
        Text3[n - 1]->setText(Combo1[n - 1]->currentText());
}

// An empty sort row counts as "Select" and shows it once the check has
// reached it.
void customise::Combo2_Click(int n)
{
    QStringList rows = shownTexts(Combo2);
    for (QString &row : rows)
        if (row.isEmpty())
            row = kSelectColumn;
    const ColumnPick pick = CheckColumnPick(rows, n - 1);
    for (int i = 0; i <= pick.stoppedAt; ++i)
        if (i != n - 1)
            ShowSelectWhenEmpty(Combo2[i]);
    PickStands(Combo2[n - 1], pick);
}

// ---- Close -------------------------------------------------------------------------------

// What the controls show, to tell whether the user changed a setting.
QStringList customise::ShownSettings() const
{
    QStringList shown = shownTexts(QList<QLineEdit *>{Text1, txtpath, Text5, Text8, Text7, Text6, Text4} + Text3)
        + shownTexts(Combo1 + Combo2);
    for (const QCheckBox *box : {Check1, Check2, Check3, Check4, Check5, Check6, Check7})
        shown.append(BoolText(box->isChecked()));
    return shown;
}

void customise::CloseAsked()
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
    else
        close();
}

// Leaving drops no changed setting without a word: Save runs Close, which
// stays open when it refuses.
bool customise::MayLeave()
{
    if (ShownSettings() == m_loaded)
        return true;
    switch (AskToSave(QStringLiteral("Store the changed options?"), windowTitle())) {
    case SaveAnswer::Save:
        command5_Click();
        return LoadedForm<customise>() != this;
    case SaveAnswer::Discard:
        m_loaded = ShownSettings();
        UnloadForm<customise>();
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool MayUnloadOptions()
{
    customise *options = LoadedForm<customise>();
    return !options || options->MayLeave();
}

// The close box, Escape and Ctrl+W.
void customise::closeEvent(QCloseEvent *event)
{
    event->setAccepted(ShownSettings() == m_loaded);
    if (!event->isAccepted() && MayLeave())
        UnloadForm<customise>();
}

// Every check runs before anything is applied, so a refused Close changes no
// setting. A setting that cannot be written is reported and the dialog stays
// open: nothing claims to be saved that is not.
void customise::command5_Click()
{
    if (!SettingsPassChecks() || !ColumnsPassChecks())
        return;
    if (!ApplySettings())
        return;
    gTableRefresh = 50;
    SettingsChanged();
    UnloadForm<customise>();
}

bool customise::SettingsPassChecks()
{
    if (Check6->isChecked() != gHomeAwayRule && scoreWindowOpen()) {
        SystemMessage(QStringLiteral("Close the score entry window before you change the Home/Away rule"));
        return false;
    }
    if (Text1->text().size() > kMaxScoreWordLength) {
        SystemMessage(QStringLiteral("Length of individual score variable  must be 6 or less characters"));
        ReturnToRefusedBox(Text1);
        return false;
    }
    CheckDefaultPath();
    if (Text5->text().size() > kMaxWeekNameLength) {
        SystemMessage(QStringLiteral("'week' variable must be 5 or less characters"));
        ReturnToRefusedBox(Text5);
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
    const QList<QComboBox *> boxes = Combo1 + Combo2;
    for (QComboBox *box : boxes)
        ShowSelectWhenEmpty(box);
    const int invalid = FirstInvalidColumn(shownTexts(boxes));
    if (invalid < 0)
        return true;
    refuseNotAColumn(boxes[invalid]);
    return false;
}

// Every preference is stored, then "config.ini" is written, before anything
// changes: a store that fails is reported and leaves every setting as it was.
bool customise::ApplySettings()
{
    const QString savePath = CleanFolderPath(txtpath->text());
    const ChosenColumns columns = ChooseTableColumns(shownTexts(Combo1), shownTexts(Text3));
    const QStringList sortKeys = ChooseSortKeys(shownTexts(Combo2));
    const std::pair<const char *, QString> preferences[] = {
        {kRegDefaultSavePath, savePath},
        {kRegPassword, Check7->isChecked() ? CleanString(Text4->text()) : QStringLiteral("none")},
        {kRegWeekName, Text5->text()},
        {kRegTableOrder, columns.columns.join(QLatin1Char(','))},
        {kRegTableShow, columns.captions.join(QLatin1Char(','))},
        {kRegSortOrder, sortKeys.join(QLatin1Char(','))},
    };
    for (const auto &[name, value] : preferences) {
        if (!StorePreference(name, value)) {
            ShowSettingsNotSaved(RegistryFile());
            return false;
        }
    }
    const bool storedUnder = gHomeAwayRule;
    if (!WriteIniChoices())
        return false;
    gSavePath = savePath;
    gWeekName = Text5->text();
    FillPlaces(gTableOrder, columns.columns);
    FillPlaces(gTableShow, columns.captions);
    FillPlaces(gSortOrder, sortKeys);
    // Once the rule is stored, the open league's results follow it, each
    // staying with the entry that made it.
    if (ConvertResultsToRule(storedUnder))
        gLeagueChanged = true;
    return true;
}

// The settings of "config.ini" take the dialog's values for the write and go
// back as they were when it fails.
bool customise::WriteIniChoices()
{
    const IniSnapshot before = CurrentIniSettings();
    gDateVisible = Check1->isChecked();
    gWeekVisible = Check2->isChecked();
    gTableNameVisible = Check3->isChecked();
    gStartEndSummary = Check4->isChecked();
    gAddGamesPerMatch = Check5->isChecked();
    gHomeAwayRule = Check6->isChecked();
    gEachGameIs = Text1->text();
    ApplyPoints();
    if (SaveIniSettings())
        return true;
    RestoreIniSettings(before);
    return false;
}

// A points text is taken as typed when the settings file would take it
// (IsPointsValue); otherwise the old value stays.
void customise::ApplyPoints()
{
    const std::pair<QLineEdit *, QString *> points[] = {
        {Text8, &gPointsForWin}, {Text7, &gPointsForDraw}, {Text6, &gPointsForLose}};
    for (const auto &[box, setting] : points) {
        if (IsPointsValue(box->text()))
            *setting = box->text();
    }
}

} // namespace fixtora
