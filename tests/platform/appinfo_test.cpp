#include "platform/appinfo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <utility>

using namespace fixtora;

namespace {

// Makes each path under root: a folder when it ends in "/", else an empty file.
void lay(const QTemporaryDir &root, const QStringList &paths)
{
    for (const QString &path : paths) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(root.filePath(path)).path()));
        if (!path.endsWith('/')) {
            ASSERT_TRUE(QFile(root.filePath(path)).open(QIODevice::WriteOnly));
        }
    }
}

} // namespace

TEST(InstalledCopy, IsKnownByItsPagesBesideTheProgramsFolder)
{
    const std::pair<QStringList, bool> rows[] = {
        {{"p/bin/", "p/share/fixtora/"}, true},
        {{"p/bin/"}, false},  // a build folder
        {{"p/bin/", "p/share/"}, false},
        {{"p/bin/", "p/share/fixtora"}, false},  // a file, not a folder
        {{"p/bin/share/fixtora/"}, false},       // inside the folder, not beside it
    };
    for (const auto &[layout, installed] : rows) {
        QTemporaryDir root;
        lay(root, layout);
        EXPECT_EQ(IsInstalledCopy(root.filePath("p/bin")), installed) << layout.join(' ').toStdString();
    }
}

TEST(InstalledCopy, TakesAPageBesideTheProgramFirstThenTheInstalledOne)
{
    const QString saved = ProgramFolder();
    QTemporaryDir root;
    lay(root, {"usr/bin/help.html", "usr/share/fixtora/help.html", "usr/share/fixtora/whatsnew.htm"});
    SetProgramFolder(root.filePath("usr/bin"));
    EXPECT_EQ(ProgramPage("help.html"), root.filePath("usr/bin/help.html"));
    EXPECT_EQ(ProgramPage("whatsnew.htm"), root.filePath("usr/share/fixtora/whatsnew.htm"));
    SetProgramFolder(saved);
}
