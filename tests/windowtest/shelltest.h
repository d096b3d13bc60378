#pragma once
// What the window tests of the shell share: a 1024x768 screen at 96 DPI, a
// fresh preference store and "config.ini", recorders in place of the browser
// and of the program's end, and helpers that answer the boxes the real code
// shows.
//
// A test fails when it leaves a window open: after a derived fixture's
// TearDown has unloaded its own windows, the shell's forms are unloaded and
// no window of the program may still be showing (a box left unanswered, a
// window the test forgot).

#include "platform/drawtarget.h"
#include "shell/shellplatform.h"
#include "shell/taskwindows.h"
#include "ui/accessibletable.h"

#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <stdexcept>

// Failure messages show texts as text.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace fixtora {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Records every show and unload of the task windows, as "show Wizard1".
    void RecordTaskWindows();

    // Puts a folder where file should be, so that writing it fails (as a
    // read-only folder or a full disk would, even for root); undone at the
    // end of the test.
    void MakeUnwritable(const QString &file);

    QList<QUrl> opened;       // what would have been opened in the browser
    int programEnds = 0;      // how often the program was ended
    QStringList taskEvents;   // RecordTaskWindows()

private:
    QStringList m_unwritable;
};

// One box the code showed, as the answer helper saw it.
struct SeenBox {
    QString kind;   // "program" (frmMSGBOX) or "system"
    QString title;  // the program box's title line, or the system box's caption
    QString text;
};

// Answers the next boxes, in order, each by the caption of the button to
// press ("Yes", "No", "OK", "Save", "Don't Save"), and records what they
// showed. Boxes beyond the answers given are answered "OK" (or "No", or
// "Cancel") and recorded too. An answer
// written as a key in angle brackets ("<Return>", "<Escape>", "<Space>") is
// typed as a real key where the keyboard focus is, once the box is the active
// window: the way a user answers from the keyboard.
class BoxAnswers {
public:
    explicit BoxAnswers(QStringList answers = {});
    ~BoxAnswers();
    const QList<SeenBox> &seen() const { return m_seen; }
    // The texts of the boxes seen, in order.
    QStringList texts() const;

private:
    void poll();
    void answer(QWidget *box, const QString &answer);
    QStringList m_answers;
    QList<SeenBox> m_seen;
    QList<QPointer<QWidget>> m_answered;  // a box stays up a moment after its answer
    QObject *m_timer;
};

// A control a test looked for and did not find. Find throws it, so the test
// fails naming the control and the program goes on to the next test.
struct MissingControl : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The control of type T named name inside window.
template <class T = QWidget>
T *Find(const QWidget *window, const QString &name)
{
    T *found = window ? window->findChild<T *>(name) : nullptr;
    if (!found)
        throw MissingControl("no control named " + name.toStdString() +
                             (window ? " in " + window->objectName().toStdString() : " (no window)"));
    return found;
}

// A mouse click on the enabled control named name in window, then the
// unloads it asked for.
void ClickOn(const QWidget *window, const QString &name);

// Text typed into the named text box or editable combo box of window, in
// place of what it held, as a user types it (what no key types, such as a
// byte-order mark, arrives as a paste would).
void TypeInto(const QWidget *window, const QString &name, const QString &text);

// The text the named label, text box, combo box or button of window shows.
QString TextOf(const QWidget *window, const QString &name);

// Runs every running 10 ms timer (the main menu's, the table screen's) once,
// with the events before and after it.
void Tick();

// Deletes windows unloaded with deleteLater().
void ProcessUnloads();

// The visible help balloons.
QList<QWidget *> VisibleBalloons();

// After a refusal: box has the keyboard of its window (a combo box by its
// text box), with all its text selected.
bool KeyboardBackIn(QWidget *box);

// The access keys (Alt + letter) of the controls window shows, each with the
// controls that answer it: buttons and check boxes by the "&" of their
// captions, labels by theirs where they name a box, frames and tabs by their
// titles. A key answered by more than one control is a clash.
QMap<QString, QStringList> AccessKeys(QWidget *window);

// What a screen reader stumbles on in window, by object name: controls with
// no name, boxes with no name or no label of their own, names shared by controls.
struct AccessibilityProblems { QStringList unnamed, unlabelled, repeated; };
AccessibilityProblems FindAccessibilityProblems(QWidget *window);

// Every heading and cell of grid that a screen reader reads is drawn on target
// inside the place it reports (headings only where the grid places them).
void ExpectReadWhereDrawn(const RecordingTarget &target, const TextGrid &grid);

} // namespace fixtora
