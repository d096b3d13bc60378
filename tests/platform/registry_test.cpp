#include "platform/registry.h"

#include "platform/profilefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace fixtora;

namespace {

// The owner, group and other bits of a file's mode.
QFile::Permissions modeBits(const QString &path)
{
    return QFile::permissions(path) & QFile::Permissions(0x7077);
}

// Each test gets its own configuration folder.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", saved); }

    QTemporaryDir home;
    QByteArray saved;
};

} // namespace

TEST_F(RegistryTest, StoreLivesInTheUserConfigFolderOwnerOnly)
{
    EXPECT_EQ(RegistryFile(), home.path() + "/fixtora/registry.ini");
    ASSERT_TRUE(WriteRegData(kHKeyLocalMachine, kSoftwareKey, kRegPassword, "secret"));
    EXPECT_EQ(modeBits(RegistryFile()), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(ReadProfileString(RegistryFile(), "Software", "pazz"), "secret");

    // A store file that was readable by others is made owner-only on the next write.
    QFile::setPermissions(RegistryFile(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    ASSERT_TRUE(WriteRegData(kHKeyLocalMachine, kSoftwareKey, kRegPassword, "other"));
    EXPECT_EQ(modeBits(RegistryFile()), QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(RegistryTest, ConfigFolderFallsBackToHomeConfig)
{
    qputenv("XDG_CONFIG_HOME", "");
    EXPECT_EQ(UserConfigFolder(), QDir::homePath() + "/.config/fixtora");
    qputenv("XDG_CONFIG_HOME", "relative/path");
    EXPECT_EQ(UserConfigFolder(), QDir::homePath() + "/.config/fixtora");
}

TEST_F(RegistryTest, AnyTextSurvivesTheRoundTrip)
{
    const QString texts[] = {
        "",
        "Index,Name,Wins,Lost,Points",
        "a=b;c[d]",
        "  blanks at both ends  ",
        QString("nul") + QChar(0) + "inside",
        "line\r\nbreaks\n",
        "100% and %41 and %",
        QString::fromUtf8("Zürich ☺"),
    };
    for (const QString &text : texts) {
        ASSERT_TRUE(WriteRegData(kHKeyLocalMachine, kSoftwareKey, "value", text));
        EXPECT_EQ(ReadRegData(kHKeyLocalMachine, kSoftwareKey, "value"), text + QChar(0))
            << text.toStdString();
    }
    QFile f(RegistryFile());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().count('\n'), 2);
}

TEST_F(RegistryTest, MissingValuesAndOtherPlacesReadAsNothing)
{
    EXPECT_FALSE(ReadRegData(kHKeyLocalMachine, kSoftwareKey, kRegVersion).has_value());
    ASSERT_TRUE(WriteRegData(kHKeyLocalMachine, kSoftwareKey, kRegVersion, "V1.4.0"));
    EXPECT_EQ(ReadRegData(kHKeyLocalMachine, "software", "VERSION"), QString("V1.4.0") + QChar(0));
    EXPECT_FALSE(ReadRegData(kHKeyLocalMachine, "Other", kRegVersion).has_value());
    EXPECT_FALSE(ReadRegData(0x80000001u, kSoftwareKey, kRegVersion).has_value());
    EXPECT_FALSE(WriteRegData(0x80000001u, kSoftwareKey, kRegVersion, "x"));
}
