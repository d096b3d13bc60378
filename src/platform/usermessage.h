#pragma once
// A message for the user from code that has no window of its own (the model
// runs without widgets): shown by whatever the program installs, which is
// the system message box (UseDesktopDialogs in platform/desktopdialogs.h).
// With nothing installed the message goes to the log.

#include <QString>

#include <functional>

namespace fixtora {

using UserMessageBox = std::function<void(const QString &message)>;

void ShowUserMessage(const QString &message);
void SetUserMessageBox(UserMessageBox box);

} // namespace fixtora
