#pragma once
// What the pages of the new-league wizard share. Each page is shown maximised
// inside Main with its controls in one frame, kept centred in the page and in
// reach by scrolling on a small screen (CentreInPage). Refusals go to the
// program's message box with one "OK"; Cancel abandons the new league and
// brings the main menu back, asking first when names typed would be lost.

#include "model/wizardrules.h"

#include <QList>
#include <QString>
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace fixtora {

class chameleonButton;

class WizardPage : public QWidget {
    Q_OBJECT
protected:
    // A page named name whose frame (named frameName) carries frameCaption.
    WizardPage(const char *name, const char *frameName, const QString &frameCaption);

    // Once the frame's layout is built: the frame takes the size its layout
    // asks for (following its texts) and is kept centred in the page.
    void CentreFrameInPage();
    // The frame's controls (buttons aside) in the page's plain font; the
    // frame's caption stays bold.
    void UsePlainFont();
    // cancel is the page's Cancel: Escape presses it, and so does the close
    // box, which then leaves the page only as Cancel does. Escape is taken
    // as it comes up from the control that has the keyboard, not as a
    // shortcut, so that while a list, menu or calendar of the page is open
    // it closes that popup alone.
    void SetCancelButton(chameleonButton *cancel);
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    QGroupBox *frame;

private:
    chameleonButton *m_cancel = nullptr;
};

// A count label: a small sunken panel (a label of ui/controls.h).
QLabel *CountLabel(QWidget *parent, const char *name);

// The program's button at the size the wizard's layouts give it; a "?" help
// button is a small square one.
chameleonButton *PageButton(QWidget *parent, const char *name, const QString &caption);
chameleonButton *QuestionButton(QWidget *parent, const char *name);

// A name as it stands in a frame's caption: each "&" doubled, so none of
// them turns into an access key.
QString CaptionText(const QString &name);

// Takes row out of list and leaves nothing chosen in it, so that a second
// Remove finds nothing to take (the list would choose the next entry). No
// selection signal is sent.
void TakeListRow(QListWidget *list, int row);

// Shows page maximised inside Main.
void ShowWizardPage(QWidget *page);

// A refusal of the model's wizard rules (Refuse); the keyboard goes back to
// box when one is given.
void ShowRefusal(const PageRefusal &refusal, QWidget *box = nullptr);

// Refuses a count of entries outside 4..32 (also the 33rd name or team).
void RefuseEntryCount(QWidget *box = nullptr);

// After Add on a list of names, unless verdict is Accepted: the refusal, then
// the keyboard back in box, its text selected for typing over, or box emptied
// when the name is listed already. An empty squad player name is ignored.
void RefuseNewName(NameList list, NameVerdict verdict, QLineEdit *box);

// Asked before a page with entries typed is left for the main menu (Cancel,
// Escape, the close box): the user says first whether they go, Discard or
// Cancel, Cancel the default (SystemConfirm, as any question before a step
// that undoes work). Nothing typed: no question. True when the page may go.
bool MayLeavePage(const TypedEntries &typed);

// The league model is reset and the main menu loaded afresh in the page's
// place; the caller unloads its page.
void AbandonNewLeague();

} // namespace fixtora
