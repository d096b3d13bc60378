#pragma once
// The program's label: every window makes its labels here. A label shows its
// text as it stands: a name typed as "<b>Bold</b>" shows those eleven
// characters, not a bold word (Qt would guess rich text from the text), and
// an "&" shows as an "&". Only a label given a buddy turns the "&" of its
// own caption into an access key; such labels carry the program's captions,
// never a name.

#include <QString>

class QLabel;
class QWidget;

namespace fixtora {

// A label named name (its object name) with caption, a child of parent.
QLabel *MakeLabel(QWidget *parent, const char *name, const QString &caption = QString());
QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &caption = QString());

} // namespace fixtora
