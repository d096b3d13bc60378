#include "platform/appinfo.h"

#include <QCoreApplication>

namespace fixtora {

namespace {

QString &programFolderOverride()
{
    static QString folder;
    return folder;
}

} // namespace

QString ProgramFolder()
{
    const QString &folder = programFolderOverride();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void SetProgramFolder(const QString &folder)
{
    programFolderOverride() = folder;
}

} // namespace fixtora
