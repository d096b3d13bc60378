#pragma once
// The desktop's own dialogs behind the plain interfaces that code without
// widgets asks through: the file dialog for ChooseFile (platform/filechooser.h)
// and the system message box for ShowUserMessage (platform/usermessage.h).
// The program installs them once at start-up, before any window opens.

namespace fixtora {

void UseDesktopDialogs();

} // namespace fixtora
