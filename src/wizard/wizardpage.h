#pragma once
// What the pages of the new-league wizard share. Each page is shown maximised
// inside Main with its controls in one frame, kept centred in the page (never
// off its top-left corner, so a small screen still reaches every control).
// Refusals go to the program's message box with one "OK"; Cancel abandons the
// new league and brings the main menu back.

#include <QString>
#include <QWidget>

#include <initializer_list>

class QGroupBox;
class QLabel;
class QListWidget;

namespace fixtora {

class chameleonButton;

class WizardPage : public QWidget {
    Q_OBJECT
protected:
    // A page named name whose frame (named frameName) carries frameCaption.
    WizardPage(const char *name, const char *frameName, const QString &frameCaption);

    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void CentreFrame();
    // The frame's controls (buttons aside) in the page's plain font; the
    // frame's caption stays bold.
    void UsePlainFont();

    QGroupBox *frame;
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

// The keyboard visits controls in the order given.
void ChainTabOrder(std::initializer_list<QWidget *> controls);

// Shows page maximised inside Main.
void ShowWizardPage(QWidget *page);

// A refusal or notice in the program's message box: title line, subtitle
// line and text, one "OK" button, icon 1; an empty caption gives the
// program's name.
void PageMessage(const QString &title, const QString &subtitle, const QString &text,
                 const QString &caption = QString());

// Refuses a count of entries outside 4..32 (also the 33rd name or team).
void RefuseEntryCount();

// The league model is reset and the main menu loaded afresh in the page's
// place; the caller unloads its page.
void AbandonNewLeague();

} // namespace fixtora
