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
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

namespace fixtora {

namespace {

constexpr TaskWindow kTaskWindows[] = {
    TaskWindow::Wizard1,   TaskWindow::Wizard3,     TaskWindow::Wizard5, TaskWindow::changename,
    TaskWindow::customdates, TaskWindow::Tableform, TaskWindow::PrintWeekly, TaskWindow::tourwiz,
    TaskWindow::Tournieform, TaskWindow::Wizard2,   TaskWindow::import,
};

const char *taskWindowName(TaskWindow window)
{
    static const char *const names[] = {"Wizard1", "Wizard3", "Wizard5", "changename", "customdates",
                                        "Tableform", "PrintWeekly", "tourwiz", "Tournieform",
                                        "Wizard2", "import"};
    return names[static_cast<int>(window)];
}

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
    for (TaskWindow window : kTaskWindows)
        RegisterTaskWindow(window, {});
    InitialiseGlobals();
    gTableName.clear();
    gLeagueOnDisk = false;
    gFixturesClosed = false;
}

void ShellTest::TearDown()
{
    unloadShellForms();
    SetScreenForTests(std::nullopt);
    SetUrlOpenerForTests([](const QUrl &) {});
    SetProgramEndForTests([] {});
    QFile::remove(IniFilePath());
}

void ShellTest::RecordTaskWindows()
{
    for (TaskWindow window : kTaskWindows) {
        const QString name = QLatin1String(taskWindowName(window));
        RegisterTaskWindow(window, {[this, name] { taskEvents.append("show " + name); },
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

void BoxAnswers::poll()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || m_answered.contains(window))
            continue;
        const QString answer = m_answers.isEmpty() ? QString() : m_answers.first();
        if (window->objectName() == QLatin1String("frmMSGBOX")) {
            m_seen.append({"program", window->findChild<QLabel *>("Label1")->text(),
                           window->findChild<QPlainTextEdit *>("lblMessage")->toPlainText()});
            QAbstractButton *button = buttonCaptioned(window, answer);
            if (!button)
                button = buttonCaptioned(window, "OK");
            if (!button)
                button = buttonCaptioned(window, "No");
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (auto *box = qobject_cast<QMessageBox *>(window)) {
            m_seen.append({"system", box->windowTitle(), box->text()});
            QMessageBox::StandardButton pick = QMessageBox::Ok;
            if (box->button(QMessageBox::No))
                pick = answer == QLatin1String("Yes") ? QMessageBox::Yes : QMessageBox::No;
            box->button(pick)->click();
        } else {
            continue;
        }
        m_answered.append(window);
        if (!m_answers.isEmpty())
            m_answers.removeFirst();
        return;
    }
}

void Tick()
{
    QTest::qWait(30);
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

} // namespace fixtora
