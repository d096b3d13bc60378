#pragma once
// The system message box, with the application's name as its title.

#include <QString>

namespace fixtora {

// An OK box.
void SystemMessage(const QString &text);
// A Yes/No question; true for Yes.
bool SystemQuestion(const QString &text);

} // namespace fixtora
