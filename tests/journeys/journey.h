#pragma once
// What the journeys through the whole program share. A journey starts the
// program as main() does (every task window registered, the intro screen
// loaded on the screen the platform reports, Continue pressed) and from then
// on works as a user does: mouse presses where a control shows on its window
// (a control covered by another or scrolled out of view is not reached),
// keys sent to the window that has the keyboard, items picked from the open
// lists of combo boxes and list boxes, menus opened from the menu bar, paths
// typed into the file dialogs and message boxes answered by their buttons.
// What the program did is read from its windows, from the files it writes
// and from the pages it prints.
//
// The helpers do nothing more once the journey has failed fatally, and the
// readers then give empty values, so one failure ends a journey without a
// crash or a long wait.

#include "shelltest.h"

#include <QDate>
#include <QPoint>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>
#include <memory>

class QComboBox;
class QLineEdit;
class QListWidget;
class QObject;
class QWindow;

namespace fixtora {

class DrawTarget;
class PrintWeekly;

class Journey : public ShellTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The program's start, as main() does it (with the task windows
    // registered by SetUp), up to the main menu.
    void StartProgram();
    // Starts the program again after an Exit, on the same settings and files.
    void RestartProgram();
    // From here on the display has no window manager: a window that shows
    // gets the keyboard only when it takes it itself.
    void WithoutWindowManager();

    // ---- Finding what shows ------------------------------------------------------------

    // The visible window (or form inside the main window) named form; a
    // failure when none shows within a few seconds.
    QWidget *Form(const char *form);
    // True once the form shows (false: a failure after a few seconds).
    bool Shows(const char *form);
    // True when no window or form of that name is visible.
    static bool Gone(const char *form);
    // The control named name on the visible form; a failure when missing.
    template <class T>
    T *Control(const char *form, const char *name)
    {
        QWidget *found = FindControl(form, name);
        auto *control = qobject_cast<T *>(found);
        if (found && !control)
            ADD_FAILURE() << form << "." << name << " is a " << found->metaObject()->className();
        return control;
    }
    // What a control shows: a label's, a button's or a box's text, a combo
    // box's current text, a date picker's date in the short date form.
    QString Text(const char *form, const char *name);
    // Waits until done() holds, running the program meanwhile; a failure
    // naming what was awaited when it does not hold within a few seconds.
    bool WaitFor(const std::function<bool()> &done, const char *what);

    // ---- The user's hands ------------------------------------------------------------------

    // A left click in the middle of the control, as the window shows it.
    void Click(QWidget *control);
    void Click(const char *form, const char *name) { Click(FindControl(form, name)); }
    // A left click at a point of the control (its own coordinates).
    void ClickAt(QWidget *control, QPoint at);
    // Keys typed into the window that has the keyboard.
    void Type(const QString &text);
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Clicks into the box, selects what it holds and types text over it;
    // the box must then have the keyboard.
    void Fill(QWidget *box, const QString &text);
    void Fill(const char *form, const char *name, const QString &text) { Fill(FindControl(form, name), text); }
    // Opens the combo box's list and clicks the item.
    void Pick(const char *form, const char *name, const QString &item);
    // Clicks the item of a list box.
    void PickListItem(const char *form, const char *name, const QString &item);
    // Opens a menu of the main window's menu bar and clicks one of its items
    // (both by object name).
    void ChooseMenu(const char *menu, const char *item);

    // ---- Steps of several journeys ----------------------------------------------------------

    // From the main menu through the league definition page: name, games
    // to play, start date, a round a week; the names or the team page shows.
    void DefineLeague(const QString &name, const QString &games, const QDate &start, bool team = false);
    // The names typed one after the other on the names page, then Next: the
    // summary page shows.
    void AddNames(const QStringList &names);
    // Pages the fixtures screen from page 1 to its last page and back, with
    // a click past each end that must change nothing; the number of pages.
    int PageThrough();
    // Main menu "League T&able": the table screen shows its first table;
    // its Close brings the main menu back.
    void OpenTable();
    void CloseTable();
    // The last lines the table screen draws for its table (the rows below
    // the headings) and for its player ranking, from left to right.
    QList<QStringList> TableOnScreen(int rows);
    QList<QStringList> RankingOnScreen(int rows);

    // ---- What the program wrote and drew ---------------------------------------------------

    // The rows of the HTML tables in a file written by the program: the
    // texts of each row's cells, tags removed, blanks trimmed.
    static QList<QStringList> HtmlRows(const QString &path);
    // The lines of text a drawing put on a surface, top to bottom, each as
    // its texts from left to right, blanks trimmed.
    static QList<QStringList> DrawnLines(const std::function<void(DrawTarget &)> &draw);
    // A date as the program writes it (the system's short date form).
    static QString ShortForm(const QDate &date);

    // When FIXTORA_JOURNEY_SHOTS names a folder: the whole screen as it
    // shows now, saved there as <journey>-<count>-<step>.png, to look at.
    void Snapshot(const char *step);

    // The folder of the journey's files.
    QString File(const QString &name) const { return dir.filePath(name); }
    // The number of dark pixels in a picture box's drawing.
    static int Ink(QWidget *pictureBox);

private:
    QWidget *FindControl(const char *form, const char *name);
    bool Stopped() const { return HasFatalFailure(); }
    QWindow *KeyboardWindow();
    QList<QStringList> LastLinesOnScreen(void (PrintWeekly::*drawing)(DrawTarget &), int rows);
    void ExpectOnScreen(QWidget *control, const QPoint &at);

    QTemporaryDir dir;
    std::unique_ptr<QObject> m_windowManager;
    int m_snapshots = 0;
};

// Answers the program's file dialogs in order, each with a path typed into
// the dialog's file name box and Return, and records their titles. A dialog
// beyond the paths given is cancelled (Escape) and counts as a failure.
class FileAnswers {
public:
    explicit FileAnswers(QStringList paths);
    ~FileAnswers();
    const QStringList &titles() const { return m_titles; }

private:
    void poll();
    QStringList m_paths;
    QStringList m_titles;
    QList<QPointer<QWidget>> m_answered;
    QObject *m_timer;
};

} // namespace fixtora
