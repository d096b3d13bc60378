#include "shell/savesettings.h"

#include "model/settings.h"
#include "platform/systembox.h"

#include <QDir>

namespace fixtora {

void ShowSettingsNotSaved(const QString &file)
{
    SystemMessage(QStringLiteral("The settings could not be saved in %1. Check that its folder can be written to "
                                 "and that the disk is not full.")
                      .arg(QDir::toNativeSeparators(file)));
}

bool SaveIniSettings()
{
    if (WriteIniSettings())
        return true;
    ShowSettingsNotSaved(IniFilePath());
    return false;
}

} // namespace fixtora
