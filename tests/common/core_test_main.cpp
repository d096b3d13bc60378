// Entry point of the model's tests: the model runs on Qt Core alone, so its
// tests run under a QCoreApplication, with no display and no dialogs, in a
// private settings folder and a program folder of their own.
#include "platform/appinfo.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());

    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("Fixtora");
    QTemporaryDir programFolder;
    fixtora::SetProgramFolder(programFolder.path());
    return RUN_ALL_TESTS();
}
