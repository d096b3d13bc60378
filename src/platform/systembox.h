#pragma once
// The system message box, with the application's name as its title unless a
// caller gives one.

#include <QString>

namespace fixtora {

// An OK box.
void SystemMessage(const QString &text);
// A Yes/No question; true for Yes.
bool SystemQuestion(const QString &text);
// A notice with a title of its own and the Yes, No and Cancel buttons, for the
// places that ask it that way without using the answer.
void SystemNotice(const QString &text, const QString &title);

} // namespace fixtora
