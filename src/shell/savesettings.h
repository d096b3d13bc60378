#pragma once
// Settings the shell's windows could not store. A value that cannot be
// written (a read-only configuration folder, a full disk) is reported to the
// user with the file it belongs in; it is never passed over as if it had been
// saved. The preferences themselves are stored by model/settings.h.

#include <QString>

namespace fixtora {

// The system message naming file, which could not be written.
void ShowSettingsNotSaved(const QString &file);

// Writes every setting into "config.ini"; shows the message and returns false
// when the file was not written.
[[nodiscard]] bool SaveIniSettings();

} // namespace fixtora
