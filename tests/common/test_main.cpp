// Entry point of every test program, in a private settings folder so no test
// touches the user's own settings, and a program folder of its own, so test
// processes running side by side never share a "config.ini". The model's
// tests (FIXTORA_CORE_TESTS) run under a QCoreApplication, with no display
// and no dialogs, as the model does; the others under a QApplication on the
// offscreen platform, with the desktop's dialogs installed as the program
// installs them.
#include "platform/appinfo.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef FIXTORA_CORE_TESTS
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#else
#include "platform/desktopdialogs.h"

#include <QApplication>
using TestApplication = QApplication;
#endif

int main(int argc, char **argv)
{
#ifndef FIXTORA_CORE_TESTS
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());

    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
    TestApplication::setApplicationName("Fixtora");
    QTemporaryDir programFolder;
    fixtora::SetProgramFolder(programFolder.path());
#ifndef FIXTORA_CORE_TESTS
    fixtora::UseDesktopDialogs();
#endif
    return RUN_ALL_TESTS();
}
