#include "platform/appinfo.h"

#include <QCoreApplication>

namespace fixtora {

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace fixtora
