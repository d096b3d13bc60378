#pragma once
// The login password: one rule for the login window and the options dialog.
// The stored value and the typed text are compared in their cleaned form, so a
// password typed with characters the cleaning drops still matches.

#include <QString>

namespace fixtora {

// The stored password ("pazz"), cleaned.
QString StoredPassword();

// True when a password is set: its cleaned text is neither empty nor "none".
bool PasswordIsSet();

// True when the typed text, cleaned, equals the cleaned stored password.
bool PasswordMatches(const QString &typed);

} // namespace fixtora
