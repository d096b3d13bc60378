#include "platform/desktopdialogs.h"
#include "platform/filechooser.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTimer>
#include <gtest/gtest.h>

using namespace fixtora;

TEST(DesktopDialogs, TheFileChooserIsANonNativeFileDialogInTheFolderAsked)
{
    SetFileChooser({});
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Open file");
        EXPECT_EQ(dialog->directory().absolutePath(), QDir::tempPath());
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        dialog->reject();
    });
    EXPECT_TRUE(ChooseFile({false, "Open file", QDir::tempPath(), "Fixtora Leagues (*.tbl)"}).isEmpty());
}
