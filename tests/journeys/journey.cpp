#include "journey.h"

#include "testfiles.h"

#include "app/windows.h"
#include "platform/drawtarget.h"
#include "platform/printing.h"
#include "shell/artwork.h"
#include "shell/forms.h"
#include "shell/introscreen.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "table/printweekly.h"

#include <QAbstractItemView>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDateEdit>
#include <QFileDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <map>

namespace fixtora {

namespace {

constexpr int kPatienceMs = 10000;  // the machine may be busy: a window gets this long to respond
constexpr int kPollMs = 10;

// The outermost visible widget named name, looking at the top-level windows
// first and then into each, parents before children.
QWidget *visibleNamed(const QString &name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        if (window->objectName() == name)
            return window;
        for (QWidget *child : window->findChildren<QWidget *>(name))
            if (child->isVisible())
                return child;
    }
    return nullptr;
}

std::string describe(const QWidget *widget)
{
    if (!widget)
        return "nothing";
    return std::string(widget->metaObject()->className()) + " \"" + widget->objectName().toStdString() + "\"";
}

// The texts of the cells of one table row of HTML, tags removed.
QStringList htmlCells(const QString &row)
{
    static const QRegularExpression cell(QStringLiteral("<td[^>]*>(.*?)</td>"),
                                         QRegularExpression::DotMatchesEverythingOption |
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QStringList cells;
    for (const QRegularExpressionMatch &match : cell.globalMatch(row)) {
        QString text = match.captured(1);
        text.remove(tag);
        text.replace(QStringLiteral("&nbsp;"), QString());
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
        text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        cells.append(text.trimmed());
    }
    return cells;
}

// What a desktop's window manager does that a bare X display does not: a
// window newly shown gets the keyboard, and so does a window clicked into
// (lists, menus, tips and help balloons are left without it, as the program
// gives the keyboard back to the page under a balloon). It also checks what
// the user would see: every window the program shows, lists and menus
// included, lies wholly on the screen.
class WindowManager : public QObject {
public:
    static bool Manages(const QWidget *window)
    {
        const Qt::WindowType type = window->windowType();
        return window->isWindow() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen &&
               type != Qt::Tool;
    }

    static void Activate(QWidget *window)
    {
        if (Manages(window) && QApplication::activeWindow() != window)
            window->activateWindow();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()) {
            auto *window = static_cast<QWidget *>(watched);
            QTimer::singleShot(0, window, [window] {
                if (!window->isVisible())
                    return;
                // A maximised window is the window system's to place.
                const QRect screen = window->screen()->availableGeometry();
                EXPECT_TRUE(window->isMaximized() || screen.contains(window->frameGeometry()))
                    << describe(window) << " \"" << window->windowTitle().toStdString() << "\" at "
                    << window->frameGeometry().x() << "," << window->frameGeometry().y() << " size "
                    << window->frameGeometry().width() << "x" << window->frameGeometry().height()
                    << " does not fit the screen";
                Activate(window);
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void Journey::SetUp()
{
    ShellTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    m_windowManager = std::make_unique<WindowManager>();
    qApp->installEventFilter(m_windowManager.get());
    // The program measures the screen it runs on, as it does outside the tests.
    SetScreenForTests(std::nullopt);
    // The task windows, registered as main() registers them.
    RegisterWindows();
}

void Journey::TearDown()
{
    m_windowManager.reset();
    SetPrintDialogForTests({});
    ShellTest::TearDown();
}

void Journey::StartProgram()
{
    QApplication::setWindowIcon(QIcon(LogoPicture(64)));
    ASSERT_TRUE(LoadForm<IntroScreen>()->Load()) << "the intro screen ended the program";
    ASSERT_TRUE(Shows("IntroScreen"));
    Snapshot("intro");
    Press(Qt::Key_C, Qt::AltModifier);  // "&Continue"
    ASSERT_TRUE(Shows("MainWizard"));
    // A user waits for the menu to take the keyboard before typing to it.
    ASSERT_TRUE(WaitFor([this] { return Form("MainWizard")->isAncestorOf(QApplication::focusWidget()); },
                        "the main menu to take the keyboard"));
    Snapshot("main-menu");
    ASSERT_TRUE(Gone("IntroScreen"));
}

// What a new run finds: no window of the last one. The league model is the
// program's own memory, which a new run starts without.
void Journey::RestartProgram()
{
    UnloadForm<MainWizard>();
    UnloadForm<IntroScreen>();
    UnloadForm<Main>();
    ProcessUnloads();
    StartProgram();
}

void Journey::WithoutWindowManager()
{
    m_windowManager.reset();
}

void Journey::DefineLeague(const QString &name, const QString &games, const QDate &start, bool team)
{
    Click("MainWizard", "createtable");
    ASSERT_TRUE(Shows("Wizard1"));
    Fill("Wizard1", "Text1", name);
    Fill("Wizard1", "text2", games);
    Fill("Wizard1", "text3", ShortForm(start));
    EXPECT_EQ(Text("Wizard1", "Combo1"), "1");
    EXPECT_EQ(Text("Wizard1", "Combo2"), "week(s)");
    if (team)
        Click("Wizard1", "Check1");  // "This is a Team League"
    Snapshot("definition");
    Press(Qt::Key_Return);  // "&Next", the page's default button
    ASSERT_TRUE(Shows(team ? "Wizard2" : "Wizard3"));
    EXPECT_TRUE(Gone("Wizard1"));
    EXPECT_EQ(LoadedForm<Main>()->Caption(), "League Wizard          Current League :" + name);
}

// Return in the name box is Add, which gives the keyboard back to the box,
// so the names are typed one after the other; the last one is added with
// "&Add". The box is reached from elsewhere by its label, "Na&me to add:".
void Journey::AddNames(const QStringList &names)
{
    if (names.isEmpty())
        return;
    Fill("Wizard3", "txtName", names.first());
    for (const QString &name : names.mid(1)) {
        Press(Qt::Key_Return);
        Type(name);
    }
    Press(Qt::Key_A, Qt::AltModifier);  // "&Add"
    EXPECT_EQ(Text("Wizard3", "lblDisplay"), QString::number(names.size()));
    Press(Qt::Key_Tab);
    Press(Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>("Wizard3", "txtName"));
    Snapshot("names");
    Press(Qt::Key_N, Qt::AltModifier);  // "&Next>"
    ASSERT_TRUE(Shows("Wizard5"));
    Snapshot("summary");
}

int Journey::PageThrough()
{
    const QString pages = Text("Tableform", "Label15");
    const int last = pages.toInt();
    const auto shown = [this] { return Text("Tableform", "Label6"); };
    const auto page = [&pages](int p) { return QStringLiteral("page %1/%2").arg(p).arg(pages); };
    QWidget *picture = Control<QWidget>("Tableform", "piccy");
    const int firstPage = Ink(picture);
    EXPECT_EQ(shown(), page(1));
    Click("Tableform", "Picture1");  // "<"
    EXPECT_EQ(shown(), page(1)) << "no page before the first";
    for (int p = 2; p <= last; ++p) {
        Click("Tableform", "Picture3");  // ">"
        EXPECT_EQ(shown(), page(p));
    }
    if (last > 1) {
        EXPECT_NE(Ink(picture), firstPage) << "the last page shows other rounds";
    }
    Click("Tableform", "Picture3");
    EXPECT_EQ(shown(), page(last)) << "no page after the last";
    for (int p = last - 1; p >= 1; --p) {
        Click("Tableform", "Picture1");
        EXPECT_EQ(shown(), page(p));
    }
    EXPECT_EQ(Ink(picture), firstPage) << "page 1 again";
    return last;
}

void Journey::OpenTable()
{
    Click("MainWizard", "printweeklyscores");
    ASSERT_TRUE(Shows("PrintWeekly"));
    EXPECT_TRUE(Gone("MainWizard"));
    QWidget *picture = Control<QWidget>("PrintWeekly", "Picture1");
    WaitFor([picture] { return Ink(picture) > 0; }, "the table to be drawn");
    Snapshot("table");
}

void Journey::CloseTable()
{
    Click("PrintWeekly", "command3");  // "&Close"
    ASSERT_TRUE(Shows("MainWizard"));
    EXPECT_TRUE(Gone("PrintWeekly"));
}

// The last lines a drawing of the open table screen puts on its picture.
QList<QStringList> Journey::LastLinesOnScreen(void (PrintWeekly::*drawing)(DrawTarget &), int rows)
{
    PrintWeekly *screen = LoadedForm<PrintWeekly>();
    if (!screen)
        return {};
    const QList<QStringList> lines = DrawnLines([screen, drawing](DrawTarget &target) { (screen->*drawing)(target); });
    return lines.mid(std::max<qsizetype>(0, lines.size() - rows));
}

QList<QStringList> Journey::TableOnScreen(int rows)
{
    return LastLinesOnScreen(&PrintWeekly::advanced_display, rows);
}

QList<QStringList> Journey::RankingOnScreen(int rows)
{
    return LastLinesOnScreen(&PrintWeekly::displayit, rows);
}

QWidget *Journey::Form(const char *form)
{
    if (Stopped())
        return nullptr;
    QWidget *found = nullptr;
    WaitFor([&] { return (found = visibleNamed(QLatin1String(form))) != nullptr; }, form);
    return found;
}

bool Journey::Shows(const char *form)
{
    return Form(form) != nullptr;
}

bool Journey::Gone(const char *form)
{
    return visibleNamed(QLatin1String(form)) == nullptr;
}

QWidget *Journey::FindControl(const char *form, const char *name)
{
    QWidget *window = Form(form);
    if (!window)
        return nullptr;
    const QList<QWidget *> named = window->findChildren<QWidget *>(QLatin1String(name));
    const auto visible = std::find_if(named.begin(), named.end(), [](QWidget *w) { return w->isVisible(); });
    if (visible != named.end())
        return *visible;
    if (named.isEmpty())
        ADD_FAILURE() << form << " has no control " << name;
    return named.isEmpty() ? nullptr : named.first();
}

QString Journey::Text(const char *form, const char *name)
{
    QWidget *control = Stopped() ? nullptr : FindControl(form, name);
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    if (auto *date = qobject_cast<QDateEdit *>(control))
        return ShortForm(date->date());
    if (auto *box = qobject_cast<QLineEdit *>(control))
        return box->text();
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->currentText();
    return QString();
}

bool Journey::WaitFor(const std::function<bool()> &done, const char *what)
{
    if (done() || QTest::qWaitFor(done, kPatienceMs))
        return true;
    ADD_FAILURE() << "still waiting for " << what;
    return false;
}

void Journey::Click(QWidget *control)
{
    if (control)
        ClickAt(control, control->rect().center());
}

// The press goes to the window, which hands it to whatever shows at that
// point, as the window system does.
void Journey::ClickAt(QWidget *control, QPoint at)
{
    if (Stopped())
        return;
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(control->isVisible()) << describe(control) << " is not on view";
    ASSERT_TRUE(control->isEnabled()) << describe(control) << " is disabled";
    // The user scrolls a page until the control is in view.
    for (QWidget *outer = control->parentWidget(); outer; outer = outer->parentWidget())
        if (auto *scroll = qobject_cast<QScrollArea *>(outer))
            scroll->ensureWidgetVisible(control);
    QWidget *top = control->window();
    const QPoint inWindow = control->mapTo(top, at);
    QWidget *hit = top->childAt(inWindow);
    if (!hit)
        hit = top;
    ASSERT_TRUE(hit == control || control->isAncestorOf(hit))
        << describe(hit) << " lies over " << describe(control) << " at " << inWindow.x() << "," << inWindow.y();
    ExpectOnScreen(control, top->mapToGlobal(inWindow));
    ASSERT_NE(top->windowHandle(), nullptr);
    // The window system gives the keyboard to a window in its own time.
    if (!QApplication::activePopupWidget() && WindowManager::Manages(top) && QApplication::activeWindow() != top) {
        WindowManager::Activate(top);
        WaitFor([top] { return QApplication::activeWindow() == top; }, "the window clicked to take the keyboard");
    }
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
}

void Journey::ExpectOnScreen(QWidget *control, const QPoint &at)
{
    const QScreen *screen = control->screen();
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->geometry().contains(at))
        << describe(control) << " at " << at.x() << "," << at.y() << " is off the screen";
}

// A window just shown gets the keyboard once the window system has seen it.
QWindow *Journey::KeyboardWindow()
{
    if (Stopped() || !WaitFor([] { return QGuiApplication::focusWindow() != nullptr; }, "a window with the keyboard"))
        return nullptr;
    return QGuiApplication::focusWindow();
}

void Journey::Type(const QString &text)
{
    for (const QChar c : text)
        if (QWindow *window = KeyboardWindow())
            QTest::keyClick(window, c.toLatin1());
}

void Journey::Press(int key, Qt::KeyboardModifiers modifiers)
{
    if (QWindow *window = KeyboardWindow())
        QTest::keyClick(window, static_cast<Qt::Key>(key), modifiers);
}

void Journey::Fill(QWidget *box, const QString &text)
{
    Click(box);
    if (Stopped())
        return;
    QWidget *focus = QApplication::focusWidget();
    ASSERT_TRUE(focus == box || box->isAncestorOf(focus))
        << describe(box) << " did not take the keyboard; " << describe(focus) << " has it";
    Press(Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        Press(Qt::Key_Delete);
    Type(text);
}

void Journey::Pick(const char *form, const char *name, const QString &item)
{
    auto *box = Control<QComboBox>(form, name);
    if (!box || Stopped())
        return;
    const int index = box->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_GE(index, 0) << form << "." << name << " offers no " << item.toStdString();
    QAbstractItemView *list = box->view();
    // A list box opens on a press; a box to type in takes the keyboard and
    // opens its list on F4. On a busy display the press's list may show a
    // moment later (F4 at once would close it), or the late release may pick
    // from it and close it: then F4 opens it again.
    Click(box);
    if (box->isEditable() || !QTest::qWaitFor([list] { return list->isVisible(); }, kPatienceMs / 5))
        Press(Qt::Key_F4);
    if (!WaitFor([list] { return list->isVisible(); }, "the list of a combo box"))
        return;
    const QModelIndex place = list->model()->index(index, box->modelColumn(), box->rootModelIndex());
    list->scrollTo(place);
    ClickAt(list->viewport(), list->visualRect(place).center());
    WaitFor([&] { return !list->isVisible() && box->currentIndex() == index; }, "the pick from a list");
}

void Journey::PickListItem(const char *form, const char *name, const QString &item)
{
    auto *list = Control<QListWidget>(form, name);
    if (!list || Stopped())
        return;
    const QList<QListWidgetItem *> found = list->findItems(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_FALSE(found.isEmpty()) << form << "." << name << " lists no " << item.toStdString();
    list->scrollToItem(found.first());
    ClickAt(list->viewport(), list->visualItemRect(found.first()).center());
}

void Journey::ChooseMenu(const char *menu, const char *item)
{
    Main *main = LoadedForm<Main>();
    if (Stopped())
        return;
    ASSERT_NE(main, nullptr);
    auto *popup = main->findChild<QMenu *>(QLatin1String(menu));
    ASSERT_NE(popup, nullptr) << "no menu " << menu;
    auto *action = popup->findChild<QAction *>(QLatin1String(item));
    ASSERT_NE(action, nullptr) << "no item " << item << " in " << menu;
    QMenuBar *bar = main->menuBar();
    ClickAt(bar, bar->actionGeometry(popup->menuAction()).center());
    if (!WaitFor([popup] { return popup->isVisible(); }, menu))
        return;
    ClickAt(popup, popup->actionGeometry(action).center());
}

QList<QStringList> Journey::HtmlRows(const QString &path)
{
    const QString html = QString::fromUtf8(test::readAll(path));
    QList<QStringList> rows;
    const QStringList pieces = html.split(QStringLiteral("<tr>"), Qt::KeepEmptyParts, Qt::CaseInsensitive);
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        const QString &piece = pieces[i];
        const qsizetype end = piece.indexOf(QStringLiteral("</tr>"), 0, Qt::CaseInsensitive);
        const QStringList cells = htmlCells(end < 0 ? piece : piece.left(end));
        if (!cells.isEmpty())
            rows.append(cells);
    }
    return rows;
}

QList<QStringList> Journey::DrawnLines(const std::function<void(DrawTarget &)> &draw)
{
    RecordingTarget surface;
    draw(surface);
    std::map<long long, std::map<double, QString>> lines;  // by top, then by left
    for (const RecordingTarget::Item &text : surface.TextItems())
        if (!text.text.trimmed().isEmpty())
            lines[std::llround(text.y1 * 1000)][text.x1] = text.text.trimmed();
    QList<QStringList> shown;
    for (const auto &[top, texts] : lines) {
        QStringList line;
        for (const auto &[left, text] : texts)
            line.append(text);
        shown.append(line);
    }
    return shown;
}

QString Journey::ShortForm(const QDate &date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

void Journey::Snapshot(const char *step)
{
    const QString folder = qEnvironmentVariable("FIXTORA_JOURNEY_SHOTS");
    if (folder.isEmpty() || Stopped())
        return;
    QTest::qWait(50);  // every window painted
    const QString journey = QString::fromLatin1(testing::UnitTest::GetInstance()->current_test_info()->test_suite_name());
    const QString name = QStringLiteral("%1-%2-%3.png").arg(journey).arg(++m_snapshots, 2, 10, QLatin1Char('0')).arg(step);
    EXPECT_TRUE(QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(folder).filePath(name))) << name.toStdString();
}

int Journey::Ink(QWidget *pictureBox)
{
    auto *picture = qobject_cast<PictureBox *>(pictureBox);
    if (!picture)
        return 0;
    const QImage image = picture->Image();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return dark;
}

FileAnswers::FileAnswers(QStringList paths) : m_paths(std::move(paths)), m_timer(new QTimer)
{
    auto *timer = static_cast<QTimer *>(m_timer);
    QObject::connect(timer, &QTimer::timeout, [this] { poll(); });
    timer->start(kPollMs);
}

FileAnswers::~FileAnswers()
{
    delete m_timer;
    EXPECT_TRUE(m_paths.isEmpty()) << "file dialogs expected but not shown: " << m_paths.join(", ").toStdString();
}

// The path is put into the file name box as a paste would put it (typing
// would open the box's completion list over the dialog).
void FileAnswers::poll()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<QFileDialog *>(window);
        if (!dialog || !dialog->isVisible() || m_answered.contains(dialog))
            continue;
        m_answered.append(dialog);
        m_titles.append(dialog->windowTitle());
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (m_paths.isEmpty() || !name) {
            ADD_FAILURE() << "an unexpected file dialog: " << dialog->windowTitle().toStdString();
            dialog->reject();
            return;
        }
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog)) << "the file dialog did not take the keyboard";
        const QString path = m_paths.takeFirst();
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
        // A path the dialog refuses must not leave the journey waiting for ever.
        QTimer::singleShot(kPatienceMs, dialog, [dialog, path] {
            if (!dialog->isVisible())
                return;
            ADD_FAILURE() << "the file dialog did not take " << path.toStdString();
            dialog->reject();
        });
        return;
    }
}

} // namespace fixtora
