// Entry point of every test program: a QApplication on the offscreen platform
// with the desktop's dialogs installed as the program installs them, a private settings folder so no test touches the user's own settings, and a
// program folder of its own, so test processes running side by side never
// share a "config.ini".
#include "platform/appinfo.h"
#include "platform/desktopdialogs.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());

    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Fixtora");
    QTemporaryDir programFolder;
    fixtora::SetProgramFolder(programFolder.path());
    fixtora::UseDesktopDialogs();
    return RUN_ALL_TESTS();
}
