#include "shell/password.h"

#include "model/league.h"
#include "model/settings.h"

namespace fixtora {

QString StoredPassword()
{
    return CleanString(ReadPreference(kRegPassword));
}

bool PasswordIsSet()
{
    const QString stored = StoredPassword();
    return !stored.isEmpty() && stored != QLatin1String("none");
}

bool PasswordMatches(const QString &typed)
{
    return CleanString(typed) == StoredPassword();
}

} // namespace fixtora
