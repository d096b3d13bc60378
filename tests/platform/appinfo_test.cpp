#include "platform/appinfo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <initializer_list>

using namespace fixtora;

namespace {

// Makes the folders (ending in "/") and files, relative to root.
void lay(const QTemporaryDir &root, std::initializer_list<const char *> paths)
{
    for (const char *path : paths) {
        const QString full = root.filePath(QString::fromLatin1(path));
        if (full.endsWith(QLatin1Char('/'))) {
            ASSERT_TRUE(QDir().mkpath(full));
            continue;
        }
        ASSERT_TRUE(QDir().mkpath(QFileInfo(full).path()));
        QFile file(full);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
}

// Runs the test with the program in a folder of root.
class ProgramIn : public ::testing::Test {
protected:
    void TearDown() override { SetProgramFolder(saved); }
    void runFrom(const char *folder) { SetProgramFolder(root.filePath(QString::fromLatin1(folder))); }

    QTemporaryDir root;
    QString saved = ProgramFolder();
};

} // namespace

TEST(InstalledCopy, IsKnownByItsPagesBesideTheProgramsFolder)
{
    struct Row {
        std::initializer_list<const char *> layout;
        const char *program;
        bool installed;
    };
    const Row rows[] = {
        {{"usr/bin/", "usr/share/fixtora/"}, "usr/bin", true},
        {{"stage/opt/club/bin/", "stage/opt/club/share/fixtora/"}, "stage/opt/club/bin", true},
        {{"build/bin/"}, "build/bin", false},
        {{"p/bin/", "p/share/"}, "p/bin", false},
        {{"p/bin/", "p/share/fixtora"}, "p/bin", false},  // a file, not a folder
        {{"p/bin/share/fixtora/"}, "p/bin", false},       // inside the folder, not beside it
    };
    for (const Row &row : rows) {
        QTemporaryDir layout;
        lay(layout, row.layout);
        EXPECT_EQ(IsInstalledCopy(layout.filePath(QString::fromLatin1(row.program))), row.installed) << row.program;
    }
}

TEST_F(ProgramIn, APageBesideTheProgramComesFirstThenTheInstalledOne)
{
    lay(root, {"usr/bin/help.html", "usr/share/fixtora/help.html", "usr/share/fixtora/whatsnew.htm", "build/bin/"});
    runFrom("usr/bin");
    EXPECT_EQ(ProgramPage("help.html"), root.filePath("usr/bin/help.html"));
    EXPECT_EQ(ProgramPage("whatsnew.htm"), root.filePath("usr/share/fixtora/whatsnew.htm"));
    runFrom("build/bin");
    EXPECT_EQ(ProgramPage("whatsnew.htm"), root.filePath("build/bin/whatsnew.htm"));
}
