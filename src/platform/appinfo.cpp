#include "platform/appinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace fixtora {

namespace {

QString &programFolderOverride()
{
    static QString folder;
    return folder;
}

QString installedPagesFolder(const QString &programFolder)
{
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/fixtora"));
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

bool IsInstalledCopy(const QString &programFolder)
{
    return QFileInfo(installedPagesFolder(programFolder)).isDir();
}

QString ProgramPage(const QString &name)
{
    const QString folder = ProgramFolder();
    const QString beside = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(beside) || !IsInstalledCopy(folder))
        return beside;
    return installedPagesFolder(folder) + QLatin1Char('/') + name;
}

} // namespace fixtora
