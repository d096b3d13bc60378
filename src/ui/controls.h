#pragma once
// The program's named controls: every window makes its labels, text boxes,
// frames, lists, combo and check boxes here, each with its object name (the
// name the tests and the help find it by) and a parent, in one call.
//
// A label shows its text as it stands: a name typed as "<b>Bold</b>" shows
// those eleven characters, not a bold word (Qt would guess rich text from the
// text), and an "&" shows as an "&". Only a label given a buddy turns the "&"
// of its own caption into an access key; such labels carry the program's
// captions, never a name.
//
// Buttons are made by MakeButton (ui/programbutton.h); boxes that take scores
// by MakeScoreBox (results/resultscontrols.h).

#include "ui/twips.h"

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QWidget;

namespace fixtora {

// A label named name with caption, a child of parent.
QLabel *MakeLabel(QWidget *parent, const char *name, const QString &caption = QString());
QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &caption = QString());

// A one-line text box named name holding text.
QLineEdit *MakeTextBox(QWidget *parent, const char *name, const QString &text = QString());
QLineEdit *MakeTextBox(QWidget *parent, const QString &name, const QString &text = QString());

// A frame named name with a caption on its border (none when empty).
QGroupBox *MakeFrame(QWidget *parent, const char *name, const QString &caption = QString());

// A list named name holding items.
QListWidget *MakeList(QWidget *parent, const char *name, const QStringList &items = QStringList());

// A combo box named name holding items. An editable one takes typed text but
// never adds it to its list.
QComboBox *MakeCombo(QWidget *parent, const char *name, const QStringList &items = QStringList(),
                     bool editable = false);
QComboBox *MakeCombo(QWidget *parent, const QString &name, const QStringList &items = QStringList(),
                     bool editable = false);

// A read-only text of several lines named name.
QPlainTextEdit *MakeReadOnlyText(QWidget *parent, const char *name, const QString &text = QString());

// The name of element index of a control array: "name_index".
QString ElementName(const char *name, int index);

// Sets the control's font to Arial of points, bold or not, and returns it,
// so that a control can be made and given its font in one expression.
template <class Control>
Control *InArial(Control *control, double points, bool bold = false);

void SetArialFont(QWidget *control, double points, bool bold);

template <class Control>
Control *InArial(Control *control, double points, bool bold)
{
    SetArialFont(control, points, bold);
    return control;
}

// Puts the control at its place (twips) inside its parent and returns it, so
// that a control can be made and placed in one expression.
template <class Control>
Control *InTwips(Control *control, const QRect &twips)
{
    PlaceInTwips(control, twips);
    return control;
}

// A label on a box of its own (the program's pages of the older kind): white
// in the default palette, in the theme's text box colours otherwise.
QLabel *MakeWhiteLabel(QWidget *parent, const char *name, const QString &caption = QString());

// A check box named name with caption beside it. One without a caption of
// its own is named for the label beside it with NameAfter.
QCheckBox *MakeCheckBox(QWidget *parent, const char *name, const QString &caption = QString());

// Ties label to the control it stands beside: its access key moves the
// keyboard to control, and a screen reader reads its caption as the
// control's name (a combo box would otherwise be read by its value alone).
// A label given an accessible name of its own (a caption that every row
// repeats, read with its row) lends that name instead.
void NameAfter(QWidget *control, QLabel *label);

// For a box that no caption on screen can name (a score box beside a name a
// user typed, one of four boxes sharing a game's number): a label that only
// a screen reader meets, so the box is read as name whatever it holds.
// Called again, it renames the box.
void ReadAs(QWidget *control, const QString &name);

// The keyboard visits controls in the order given (the null ones left out).
void ChainTabOrder(const QList<QWidget *> &controls);

// A command's standard key (Ctrl+S for Save, Ctrl+P for Print, ...): pressed
// while the keyboard is anywhere in window, it presses button.
void PressOnKey(QWidget *window, const QKeySequence &key, QAbstractButton *button);

} // namespace fixtora
