#include "shell/mainwindow.h"

#include "model/league.h"
#include "model/leaguefile.h"
#include "model/settings.h"
#include "platform/registry.h"
#include "shell/addhelp.h"
#include "shell/customise.h"
#include "shell/forms.h"
#include "shell/frmsplash.h"
#include "shell/introscreen.h"
#include "shell/mainwizard.h"
#include "shell/savesettings.h"
#include "shell/shellplatform.h"
#include "shell/taskwindows.h"
#include "shell/versiontext.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

namespace fixtora {

namespace {

constexpr int kRoundWordLength = 5;

// The window of the workspace that holds form, if any.
QMdiSubWindow *frameOf(const QWidget *form)
{
    return form ? qobject_cast<QMdiSubWindow *>(form->parentWidget()) : nullptr;
}

// The first control of form that takes the keyboard by Tab.
void focusFirstControl(QWidget *form)
{
    for (QWidget *next = form->nextInFocusChain(); next != form; next = next->nextInFocusChain()) {
        if (form->isAncestorOf(next) && next->isEnabled() && next->isVisible() && (next->focusPolicy() & Qt::TabFocus)) {
            next->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

} // namespace

QString HelpFile()
{
    return ProgramPage(QStringLiteral("help.html"));
}

QString WhatsNewFile()
{
    return ProgramPage(QStringLiteral("whatsnew.htm"));
}

Main::Main() : m_area(new QMdiArea(this))
{
    setObjectName(QStringLiteral("Main"));
    m_area->setObjectName(QStringLiteral("MDIArea"));
    setCentralWidget(m_area);
    // Each window keeps its own state: a maximised window stays maximised
    // while another is in front of it and is found so when that one goes.
    // The window that had the keyboard before the one that goes gets it back
    // (not the next one in the order they were made).
    m_area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    m_area->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    CreateMenus();
    SetCaption(QStringLiteral("Fixtora"));
    SetLeagueFileHooks({nullptr, [](const QString &caption) {
                            if (Main *main = LoadedForm<Main>())
                                main->SetCaption(caption);
                        }});
    Form_Load();
}

// The menus' access keys are free in every window the menu bar stands over
// (the main menu's Help button has Alt+H). Every letter of Help answers a
// control of some window, so that menu is reached by F10, which opens the
// first menu, and the arrow keys.
void Main::CreateMenus()
{
    const auto addMenu = [this](const char *name, const QString &caption) {
        QMenu *menu = menuBar()->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        return menu;
    };
    const auto addItem = [this](QMenu *menu, const char *name, const QString &caption, void (Main::*handler)(),
                                const QKeySequence &key = {}) {
        QAction *item = menu->addAction(caption);
        item->setObjectName(QLatin1String(name));
        item->setShortcut(key);
        connect(item, &QAction::triggered, this, handler);
    };
    addItem(addMenu("File", QStringLiteral("&File")), "Exit", QStringLiteral("E&xit"), &Main::Exit_Click,
            Qt::CTRL | Qt::Key_Q);
    addItem(addMenu("Edit", QStringLiteral("E&dit")), "Customize", QStringLiteral("&Customise"),
            &Main::Customize_Click);
    QMenu *help = addMenu("Help", QStringLiteral("Help"));
    addItem(help, "Contents", QStringLiteral("&Contents"), &Main::Contents_Click, Qt::Key_F1);
    addItem(help, "InternetHelp", QStringLiteral("&Internet Help"), &Main::InternetHelp_Click);
    addItem(help, "whatnew", QStringLiteral("&What's New"), &Main::whatnew_Click);
    help->addSeparator();
    addItem(help, "About", QStringLiteral("&About Fixtora"), &Main::About_Click);
    new QShortcut(Qt::Key_F10, this, this, [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
}

// The start-up work of the program.
void Main::Form_Load()
{
    gRegValue.clear();
    CheckVersion();
    gTableRefresh = 0;
    ReadDefaultFolder();
    gBubbleHelp = 0;
    ReadWeekName();
    m_preferencesStored = ReadRegList(kRegTableOrder, gTableOrder, kDefaultTableColumns) && m_preferencesStored;
    m_preferencesStored = ReadRegList(kRegSortOrder, gSortOrder, kDefaultSortOrder) && m_preferencesStored;
    m_preferencesStored = ReadRegList(kRegTableShow, gTableShow, kDefaultTableColumns) && m_preferencesStored;
    ReportUnstoredPreferences();
    InitialiseGlobals();
    gTableName = QStringLiteral("none");
    gLeagueOnDisk = false;
    gLeagueFile.clear();
    gMaxFrames = QStringLiteral("5");
    gFixturesClosed = false;
}

// A new version stores itself and shows its release notes once.
void Main::CheckVersion()
{
    ReadPreference(kRegVersion);
    if (CleanString(gRegValue) == StoredVersionText())
        return;
    StoreDefault(kRegVersion, StoredVersionText());
    StartExplorer(WhatsNewFile());
}

void Main::ReadDefaultFolder()
{
    ReadPreference(kRegDefaultSavePath);
    if (!gRegValue.isEmpty()) {
        gSavePath = gRegValue;
    } else {
        gSavePath = DefaultSavePath();
        StoreDefault(kRegDefaultSavePath, gSavePath);
    }
    gSavePath = CleanFolderPath(gSavePath);
}

// The stored word is cut to five characters before it is cleaned.
void Main::ReadWeekName()
{
    ReadPreference(kRegWeekName);
    if (!gRegValue.isEmpty()) {
        gWeekName = gRegValue.left(kRoundWordLength);
    } else {
        gWeekName = QLatin1String(kDefaultWeekName);
        StoreDefault(kRegWeekName, gWeekName);
    }
    gWeekName = CleanString(gWeekName);
}

// A value the start-up writes; one that is not stored is reported later, once.
void Main::StoreDefault(const char *name, const QString &value)
{
    if (!StorePreference(name, value))
        m_preferencesStored = false;
}

// The start-up itself shows nothing; a preference it could not store is
// reported once the main window is up, so the user knows why it will be asked
// or reset again next time.
void Main::ReportUnstoredPreferences()
{
    if (!m_preferencesStored)
        QTimer::singleShot(0, this, [] { ShowSettingsNotSaved(RegistryFile()); });
}

QMdiSubWindow *Main::AddMdiChild(QWidget *form)
{
    auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget());
    if (!frame || frame->mdiArea() != m_area) {
        frame = m_area->addSubWindow(form);
        frame->installEventFilter(this);
        form->installEventFilter(this);
    }
    return frame;
}

void Main::ShowMdiChild(QWidget *form, bool maximised)
{
    QMdiSubWindow *frame = AddMdiChild(form);
    ShowMaximisedOnScreen();
    form->show();
    if (maximised)
        frame->showMaximized();
    else
        frame->show();
    m_area->setActiveSubWindow(frame);
    KeepMenuBehind();
}

// The main window is the program's desktop: it fills the screen's available
// area, also where no window manager maximises it.
void Main::ShowMaximisedOnScreen()
{
    if (isVisible())
        return;
    setGeometry(screen()->availableGeometry());
    showMaximized();
}

// The windows of the workspace and their forms are watched: whatever hides,
// closes or minimises a window, the workspace is looked after once the events
// it caused have run.
bool Main::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Hide)
        ReleaseKeyboard(static_cast<QWidget *>(watched));
    auto *frame = qobject_cast<QMdiSubWindow *>(watched);
    if (frame && (type == QEvent::Hide || type == QEvent::Close ||
                  (type == QEvent::WindowStateChange && frame->isMinimized())))
        QueueWorkspaceCheck();
    if (frame && type == QEvent::ZOrderChange)
        KeepMenuBehind();
    return QMainWindow::eventFilter(watched, event);
}

// The menu is the workspace's background: whenever the windows' order
// changes (the menu is shown, or clicked to take the keyboard; a window is
// minimised, which sends it to the back) the menu goes behind every other
// window again, so that a window smaller than the workspace, or minimised,
// is never hidden behind it.
void Main::KeepMenuBehind()
{
    QMdiSubWindow *menu = frameOf(LoadedForm<MainWizard>());
    const QList<QMdiSubWindow *> stacked = m_area->subWindowList(QMdiArea::StackingOrder);
    if (menu && !stacked.isEmpty() && stacked.first() != menu)
        menu->lower();
}

void Main::QueueWorkspaceCheck()
{
    if (m_workspaceCheckQueued)
        return;
    m_workspaceCheckQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_workspaceCheckQueued = false;
            KeepWorkspaceInUse();
        },
        Qt::QueuedConnection);
}

// A window of the workspace (or its form) that goes away lets go of the
// keyboard, so that Qt does not hand it to whatever control of the workspace
// follows the hidden one, bringing that control's window to the front.
void Main::ReleaseKeyboard(QWidget *window)
{
    QWidget *focus = QApplication::focusWidget();
    if (focus && window->isAncestorOf(focus))
        focus->clearFocus();
}

// Runs once the window that went away (or was minimised) has had its chance
// to show the next one (a wizard page its successor). The window in front of
// those left showing gets the keyboard, in the state it had. When no task is
// left showing (the options dialog is none: it opens over whatever is there),
// the menu is shown maximised behind what is left; the keyboard goes to the
// options when they show, else to the menu's first control rather than to the
// one it had before it was covered.
void Main::KeepWorkspaceInUse()
{
    if (m_ending || LoadedForm<Main>() != this)
        return;
    const QMdiSubWindow *menu = frameOf(LoadedForm<MainWizard>());
    QMdiSubWindow *options = frameOf(LoadedForm<customise>());
    QList<QMdiSubWindow *> shown = m_area->subWindowList(QMdiArea::StackingOrder);
    shown.removeIf([](const QMdiSubWindow *frame) { return !frame->isVisible() || frame->isMinimized(); });
    const bool taskShown = std::any_of(shown.begin(), shown.end(), [menu, options](const QMdiSubWindow *frame) {
        return frame != menu && frame != options;
    });
    if (!taskShown) {
        ShowMainMenu();
        if (options && shown.contains(options))
            m_area->setActiveSubWindow(options);
        else
            focusFirstControl(LoadedForm<MainWizard>());
        return;
    }
    if (!shown.contains(m_area->activeSubWindow()))
        m_area->setActiveSubWindow(shown.last());
}

void Main::HideMdiChild(QWidget *form)
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget()))
        frame->hide();
    else
        form->hide();
}

void Main::SetCaption(const QString &caption)
{
    m_caption = caption;
    setWindowTitle(caption);
}

void Main::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange && windowTitle() != m_caption)
        setWindowTitle(m_caption);
}

// Closing the main window is Exit; it stays open when the user keeps an
// unsaved league.
void Main::closeEvent(QCloseEvent *event)
{
    Exit_Click();
    if (m_ending)
        event->accept();
    else
        event->ignore();
}

// Ends the program; unsaved changes of the open league are asked about first.
// Not while a box is up: its caller goes on with its own window once the box
// is answered, so that window must not be taken from under it. (The boxes
// are modal, so the user's Exit waits for them; this holds Exit reached by
// other means too.)
void Main::Exit_Click()
{
    if (QWidget *box = QApplication::activeModalWidget()) {
        box->activateWindow();
        return;
    }
    if (!MayDiscardOpenWork())
        return;
    m_ending = true;
    UnloadForm<MainWizard>();
    UnloadForm<IntroScreen>();
    UnloadTaskWindow(TaskWindow::Wizard3);
    UnloadTaskWindow(TaskWindow::Wizard5);
    UnloadForm<Addhelp>();
    UnloadTaskWindow(TaskWindow::Tableform);
    UnloadTaskWindow(TaskWindow::PrintWeekly);
    UnloadForm<customise>();
    UnloadTaskWindow(TaskWindow::tourwiz);
    EndProgram();
}

void Main::Customize_Click()
{
    ShowMdiChild(LoadForm<customise>(), true);
}

void Main::Contents_Click()
{
    StartExplorer(HelpFile());
}

void Main::InternetHelp_Click()
{
    StartExplorer(QLatin1String(kWebAddress));
}

void Main::whatnew_Click()
{
    StartExplorer(WhatsNewFile());
}

void Main::About_Click()
{
    frmSplash *about = LoadForm<frmSplash>();
    about->show();
    about->raise();
}

} // namespace fixtora
