#pragma once
// Storing the preferences and "config.ini" from the shell's windows. A value
// that cannot be written (a read-only configuration folder, a full disk) is
// reported to the user with the file it belongs in; it is never passed over
// as if it had been saved.

#include <QString>

namespace fixtora {

// The system message naming file, which could not be written.
void ShowSettingsNotSaved(const QString &file);

// Stores one preference under Software; shows the message and returns false
// when it was not stored.
[[nodiscard]] bool SavePreference(const char *name, const QString &value);

// Writes every setting into "config.ini"; shows the message and returns false
// when the file was not written.
[[nodiscard]] bool SaveIniSettings();

} // namespace fixtora
