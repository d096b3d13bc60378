#pragma once
// The layout shared by the small help panels: paragraphs one under the other
// and a button at the bottom right.

#include <QString>

class QWidget;

namespace fixtora {

// Adds a word-wrapped label named name to panel; a heading is bold.
void AddHelpText(QWidget *panel, const char *name, const QString &text, bool heading);

class chameleonButton;

// Adds the panel's "cmdOK" button below its texts; Escape presses it.
chameleonButton *AddHelpButton(QWidget *panel, const QString &caption);

} // namespace fixtora
