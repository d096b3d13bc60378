#pragma once
// The program's command button: every window but the message box makes its
// buttons here, so they all share the gradient look and the grey and black
// colours of the program.

#include <QString>

class QWidget;

namespace fixtora {

class chameleonButton;

inline constexpr int kProgramButtonType = 14;

// A button named name (its object name) with caption, a child of parent.
chameleonButton *MakeButton(QWidget *parent, const char *name, const QString &caption);

// A "?" button named name that opens the help on topic: a screen reader reads
// it as "Help: topic", so the help buttons of a window tell themselves apart.
chameleonButton *MakeHelpButton(QWidget *parent, const char *name, const QString &topic);
QString HelpButtonName(const QString &topic);

} // namespace fixtora
