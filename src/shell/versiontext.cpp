#include "shell/versiontext.h"

#include "platform/appinfo.h"

namespace fixtora {

QString VersionNumber()
{
    return QStringLiteral("%1.%2%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

QString StoredVersionText()
{
    return QStringLiteral("V%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

} // namespace fixtora
