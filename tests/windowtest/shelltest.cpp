#include "shelltest.h"

#include "model/league.h"
#include "model/settings.h"
#include "platform/registry.h"
#include "shell/addhelp.h"
#include "shell/customise.h"
#include "shell/forms.h"
#include "shell/frmlogin.h"
#include "shell/frmmainhelp.h"
#include "shell/frmsplash.h"
#include "shell/introscreen.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "ui/chameleonbutton.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace fixtora {

namespace {

constexpr int kPollMs = 10;  // the windows' polling timers

QAbstractButton *buttonCaptioned(QWidget *box, const QString &caption)
{
    for (auto *button : box->findChildren<chameleonButton *>())
        if (button->isVisible() && button->Caption() == caption)
            return button;
    return nullptr;
}

void unloadShellForms()
{
    UnloadForm<frmLogin>();
    UnloadForm<IntroScreen>();
    UnloadForm<frmSplash>();
    UnloadForm<frmmainhelp>();
    UnloadForm<Addhelp>();
    UnloadForm<customise>();
    UnloadForm<MainWizard>();
    UnloadForm<Main>();
    for (QWidget *balloon : VisibleBalloons())
        balloon->deleteLater();
    ProcessUnloads();
}

} // namespace

void ShellTest::SetUp()
{
    SetScreenForTests(ScreenInfo{1024, 768, 15, 15});
    SetUrlOpenerForTests([this](const QUrl &url) { opened.append(url); });
    SetProgramEndForTests([this] { ++programEnds; });
    QFile::remove(RegistryFile());
    QFile::remove(IniFilePath());
    for (const NamedTaskWindow &task : kTaskWindows)
        RegisterTaskWindow(task.window, {});
    InitialiseGlobals();
    gTableName.clear();
    gLeagueOnDisk = false;
    gFixturesClosed = false;
}

void ShellTest::TearDown()
{
    unloadShellForms();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        ADD_FAILURE() << "the test left a window open: " << window->metaObject()->className() << " \""
                      << window->objectName().toStdString() << "\" \"" << window->windowTitle().toStdString()
                      << "\"";
        window->close();
        window->deleteLater();
    }
    ProcessUnloads();
    for (const QString &file : std::as_const(m_unwritable))
        QDir(file).removeRecursively();
    SetScreenForTests(std::nullopt);
    SetUrlOpenerForTests([](const QUrl &) {});
    SetProgramEndForTests([] {});
    QFile::remove(IniFilePath());
}

void ShellTest::MakeUnwritable(const QString &file)
{
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file)) << file.toStdString();
    m_unwritable.append(file);
}

void ShellTest::RecordTaskWindows()
{
    for (const NamedTaskWindow &task : kTaskWindows) {
        const QString name = QLatin1String(task.name);
        RegisterTaskWindow(task.window, {[this, name] { taskEvents.append("show " + name); },
                                         [this, name] { taskEvents.append("unload " + name); }});
    }
}

BoxAnswers::BoxAnswers(QStringList answers) : m_answers(std::move(answers)), m_timer(new QTimer)
{
    auto *timer = static_cast<QTimer *>(m_timer);
    QObject::connect(timer, &QTimer::timeout, [this] { poll(); });
    timer->start(5);
}

BoxAnswers::~BoxAnswers()
{
    delete m_timer;
}

QStringList BoxAnswers::texts() const
{
    QStringList shown;
    for (const SeenBox &box : m_seen)
        shown.append(box.text);
    return shown;
}

void BoxAnswers::poll()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || m_answered.contains(window))
            continue;
        if (window->objectName() == QLatin1String("frmMSGBOX")) {
            m_seen.append({"program", window->findChild<QLabel *>("Label1")->text(),
                           window->findChild<QPlainTextEdit *>("lblMessage")->toPlainText()});
        } else if (auto *box = qobject_cast<QMessageBox *>(window)) {
            m_seen.append({"system", box->windowTitle(), box->text()});
        } else {
            continue;
        }
        m_answered.append(window);
        answer(window, m_answers.isEmpty() ? QString() : m_answers.takeFirst());
        return;
    }
}

void BoxAnswers::answer(QWidget *box, const QString &answer)
{
    if (answer.startsWith(QLatin1Char('<')) && answer.endsWith(QLatin1Char('>'))) {
        const QKeySequence key = QKeySequence::fromString(answer.mid(1, answer.size() - 2));
        EXPECT_TRUE(QTest::qWaitForWindowActive(box)) << "the box did not take the keyboard";
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : box, key[0].key(), key[0].keyboardModifiers());
        // A key that went elsewhere must not leave the test waiting for ever.
        QTimer::singleShot(2000, box, [box, answer] {
            ADD_FAILURE() << answer.toStdString() << " did not answer the box";
            box->close();
        });
        return;
    }
    if (auto *system = qobject_cast<QMessageBox *>(box)) {
        if (answer == QLatin1String("Don't Save") && system->button(QMessageBox::Discard)) {
            system->button(QMessageBox::Discard)->click();  // its caption is the desktop's
            return;
        }
        for (QAbstractButton *button : system->buttons())
            if (!answer.isEmpty() && button->text().remove(QLatin1Char('&')) == answer) {
                button->click();
                return;
            }
        QMessageBox::StandardButton pick = QMessageBox::Ok;
        if (answer == QLatin1String("Don't Save") && system->button(QMessageBox::Discard))
            pick = QMessageBox::Discard;  // the desktop's caption for it differs from desktop to desktop
        else if (system->button(QMessageBox::No))
            pick = answer == QLatin1String("Yes") ? QMessageBox::Yes : QMessageBox::No;
        else if (system->button(QMessageBox::Cancel))
            pick = QMessageBox::Cancel;
        system->button(pick)->click();
        return;
    }
    QAbstractButton *button = buttonCaptioned(box, answer);
    if (!button)
        button = buttonCaptioned(box, "OK");
    if (!button)
        button = buttonCaptioned(box, "No");
    QTest::mouseClick(button, Qt::LeftButton);
}

// The timers are run by hand rather than waited for: a test process that gets
// no processor time for 30 ms must still see every timer run.
void ClickOn(const QWidget *window, const QString &name)
{
    auto *control = Find<QWidget>(window, name);
    if (!control->isEnabled())
        throw MissingControl(name.toStdString() + " is not enabled");
    QTest::mouseClick(control, Qt::LeftButton);
    ProcessUnloads();
}

void TypeInto(const QWidget *window, const QString &name, const QString &text)
{
    auto *control = Find<QWidget>(window, name);
    if (auto *combo = qobject_cast<QComboBox *>(control)) {
        combo->setCurrentText(text);
        return;
    }
    auto *box = qobject_cast<QLineEdit *>(control);
    if (!box)
        throw MissingControl(name.toStdString() + " takes no text");
    box->setFocus();
    box->selectAll();
    box->del();
    const bool typeable = std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u' ' && c <= u'~'; });
    if (typeable)
        QTest::keyClicks(box, text);
    else
        box->insert(text);
}

QString TextOf(const QWidget *window, const QString &name)
{
    auto *control = Find<QWidget>(window, name);
    if (auto *box = qobject_cast<QLineEdit *>(control))
        return box->text();
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->currentText();
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    if (auto *text = qobject_cast<QPlainTextEdit *>(control))
        return text->toPlainText();
    throw MissingControl(name.toStdString() + " shows no text");
}

void Tick()
{
    QCoreApplication::processEvents();
    QList<QPointer<QTimer>> polls;
    for (QWidget *window : QApplication::topLevelWidgets())
        for (QTimer *timer : window->findChildren<QTimer *>())
            if (timer->isActive() && timer->interval() == kPollMs)
                polls.append(timer);
    for (const QPointer<QTimer> &timer : polls) {
        if (!timer || !timer->isActive())
            continue;
        QTimerEvent tick(timer->timerId());
        QCoreApplication::sendEvent(timer, &tick);
    }
    QCoreApplication::processEvents();
}

void ProcessUnloads()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<QWidget *> VisibleBalloons()
{
    QList<QWidget *> balloons;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("frmTip") && window->isVisible())
            balloons.append(window);
    return balloons;
}

bool KeyboardBackIn(QWidget *box)
{
    auto *text = qobject_cast<QLineEdit *>(box);
    if (auto *combo = qobject_cast<QComboBox *>(box))
        text = combo->lineEdit();
    const QWidget *focus = box->window()->focusWidget();
    return (focus == box || (text && focus == text)) && (!text || text->selectedText() == text->text());
}

namespace {

void addAccessKey(QMap<QString, QStringList> &keys, const QKeySequence &key, const QString &control)
{
    if (!key.isEmpty())
        keys[key.toString(QKeySequence::PortableText).toUpper()].append(control);
}

} // namespace

QMap<QString, QStringList> AccessKeys(QWidget *window)
{
    QMap<QString, QStringList> keys;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(window))
            continue;
        const QString name = control->objectName();
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            addAccessKey(keys, button->shortcut(), name);
        else if (auto *label = qobject_cast<QLabel *>(control); label && label->buddy())
            addAccessKey(keys, QKeySequence::mnemonic(label->text()), name);
        else if (auto *frame = qobject_cast<QGroupBox *>(control))
            addAccessKey(keys, QKeySequence::mnemonic(frame->title()), name);
        else if (auto *tabs = qobject_cast<QTabBar *>(control))
            for (int tab = 0; tab < tabs->count(); ++tab)
                addAccessKey(keys, QKeySequence::mnemonic(tabs->tabText(tab)), tabs->tabText(tab));
    }
    return keys;
}

namespace {

// Boxes are read by their name or their label; other controls by their name.
// A box's own parts are not walked, but a table's are: a drawn page lists the
// controls placed on it after its cells.
void walk(QAccessibleInterface *node, AccessibilityProblems &found, QMap<QString, QStringList> &names)
{
    using A = QAccessible;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        if (!child || child->state().invisible || child->role() == A::ScrollBar)
            continue;
        auto *widget = qobject_cast<QWidget *>(child->object());
        const A::Role role = child->role();
        const bool box = QList{A::EditableText, A::ComboBox, A::SpinBox, A::List, A::Table, A::Tree}.contains(role);
        // A table's cells take the focus but are read as the table's, not as controls.
        const bool control = box || QList{A::PushButton, A::CheckBox, A::RadioButton, A::PageTab}.contains(role)
            || (child->state().focusable && !QList{A::PageTabList, A::Cell}.contains(role)
                && !(widget && widget->focusProxy()));
        const auto labels = child->relations(A::Label);
        QString name = box && widget ? widget->accessibleName() : child->text(A::Name).trimmed();
        if (box && name.isEmpty() && !labels.isEmpty())
            name = labels.first().first->text(A::Name);
        // A combo box is read by its value: each box needs a label of its own.
        const bool typed = role == A::ComboBox || (role == A::EditableText && !child->state().readOnly);
        const bool own = std::ranges::any_of(labels, [](auto l) { return qobject_cast<QLabel *>(l.first->object()); });
        if (control)
            (name.isEmpty() || (typed && !own) ? (box ? found.unlabelled : found.unnamed) : names[name])
                .append(widget ? widget->objectName() : child->text(A::Name));
        if (!box || role == A::Table)   // a drawn page holds the buttons placed on it
            walk(child, found, names);
    }
}

} // namespace

AccessibilityProblems FindAccessibilityProblems(QWidget *window)
{
    AccessibilityProblems found;
    QMap<QString, QStringList> names;
    walk(QAccessible::queryAccessibleInterface(window), found, names);
    for (auto name = names.begin(); name != names.end(); ++name)
        if (name.value().size() > 1)
            found.repeated.append(name.key() + QStringLiteral(": ") + name.value().join(QStringLiteral(", ")));
    return found;
}

void ExpectReadWhereDrawn(const RecordingTarget &target, const TextGrid &grid)
{
    const QList<RecordingTarget::Item> texts = target.TextItems();
    const auto drawnIn = [&](const QString &text, const QRectF &place) {
        return text.trimmed().isEmpty() || std::ranges::any_of(texts, [&](const RecordingTarget::Item &item) {
                   return item.text.trimmed() == text.trimmed() && place.contains(item.x1 + 1e-6, item.y1 + 1e-6);
               });
    };
    ASSERT_EQ(grid.places.size(), grid.rows.size());
    for (qsizetype c = 0; c < grid.headingPlaces.size(); ++c)
        EXPECT_TRUE(drawnIn(grid.headings.value(c), grid.headingPlaces[c])) << grid.headings.value(c).toStdString();
    for (qsizetype r = 0; r < grid.rows.size(); ++r)
        for (qsizetype c = 0; c < grid.rows[r].size(); ++c)
            EXPECT_TRUE(drawnIn(grid.rows[r][c], grid.places[r].value(c))) << r << "," << c;
}

} // namespace fixtora
