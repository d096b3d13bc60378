#include "model/settings.h"

#include "model/league.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "testfiles.h"

using namespace fixtora;
using namespace fixtora::test;

// The whole life of "config.ini", beside the program.
TEST(ConfigIni, CreatedWithDefaultsThenWrittenAndReadBack)
{
    const QString ini = IniFilePath();
    ASSERT_EQ(ini, ProgramFolder() + "/config.ini");
    QFile::remove(ini);

    gPointsForWin.clear();
    gDateVisible = false;
    gHomeAwayRule = true;
    ReadIniSettings();
    EXPECT_EQ(gIniFile, ini);
    EXPECT_EQ(readAll(ini), "[Fixtora INI file]\n"
                            "PointsforWin=3\nPointsforDraw=1\nPointsforLose=0\n"
                            "DateisVisible=1\nWeekisVisible=1\nTablenameVisible=1\n"
                            "startendsummary=1\naddgamespermatch=0\nEachgameis=Frame\n"
                            "maxframes=5\nshowsplash=1\nsortleague=1\nhomeaway=0\n");
    EXPECT_EQ(gPointsForWin, "3");
    EXPECT_EQ(gPointsForLose, "0");
    EXPECT_TRUE(gDateVisible && gWeekVisible && gTableNameVisible && gStartEndSummary);
    EXPECT_FALSE(gAddGamesPerMatch || gHomeAwayRule);
    EXPECT_EQ(gEachGameIs, "Frame");
    EXPECT_EQ(gShowSplash, "1");

    // The start-up's later assignments, then a write-back.
    gMaxFrames = "5";
    gShowSplash = "0";
    gWeekVisible = false;
    gEachGameIs = "Leg";
    ASSERT_TRUE(WriteIniSettings());
    EXPECT_EQ(readAll(ini), "[Fixtora INI file]\n"
                            "PointsforWin=3\nPointsforDraw=1\nPointsforLose=0\n"
                            "DateisVisible=True\nWeekisVisible=False\nTablenameVisible=True\n"
                            "startendsummary=True\naddgamespermatch=False\nEachgameis=Leg\n"
                            "maxframes=5\nshowsplash=0\nsortleague=1\nhomeaway=False\n");

    // A hand-edited file: numbers and any letter case for the booleans, a
    // missing or unreadable boolean reads as its default, a missing text as
    // empty text, and both are written back at the next write.
    writeAll(ini, "[fixtora ini file]\r\n"
                  "DateisVisible=0\r\nWeekisVisible=tRUE\r\nTablenameVisible=-1\r\n"
                  "homeaway=maybe\r\nEachgameis=" + QByteArray(60, 'x') + "\r\n");
    ReadIniSettings();
    EXPECT_FALSE(gDateVisible);
    EXPECT_TRUE(gWeekVisible && gTableNameVisible && gStartEndSummary);
    EXPECT_FALSE(gHomeAwayRule || gAddGamesPerMatch);
    EXPECT_EQ(gEachGameIs, QString(49, 'x'));
    EXPECT_EQ(gPointsForWin, "");
    ASSERT_TRUE(WriteIniSettings());
    EXPECT_TRUE(readAll(ini).startsWith("[fixtora ini file]\r\nDateisVisible=False\r\n"));
    EXPECT_TRUE(readAll(ini).endsWith("sortleague=\r\n"));

    QFile::remove(ini);
}

TEST(ConfigIni, FolderChoice)
{
    QTemporaryDir program;
    const QString userIni = qEnvironmentVariable("XDG_CONFIG_HOME") + "/fixtora/config.ini";
    EXPECT_EQ(IniFilePath(program.path()), program.path() + "/config.ini");
    const QString readOnly = program.filePath("not-a-folder");
    EXPECT_EQ(IniFilePath(readOnly), userIni);
    // An installed copy writes nothing under its prefix, even where it may.
    ASSERT_TRUE(QDir(program.path()).mkpath("usr/bin") && QDir(program.path()).mkpath("usr/share/fixtora"));
    EXPECT_EQ(IniFilePath(program.filePath("usr/bin")), userIni);
}

TEST(ConfigIni, IniAccessChecksAndReads)
{
    QTemporaryDir dir;
    gIniFile = dir.filePath("config.ini");
    const QString section = "Fixtora INI file";
    EXPECT_EQ(IniAccess("", section, "k"), "ERROR MODE");
    EXPECT_EQ(IniAccess("GET", "", "k"), "ERROR Secname");
    EXPECT_EQ(IniAccess("GET", section, ""), "ERROR Keyname");
    EXPECT_EQ(IniAccess("write", section, "k"), "ERROR KeyValue");
    EXPECT_FALSE(QFile::exists(gIniFile));

    EXPECT_EQ(IniAccess("get", section, "k"), "");
    EXPECT_EQ(IniAccess("Write", section, "k", "Frame"), "");
    EXPECT_EQ(IniAccess("get", section, "k"), "Frame");
    EXPECT_EQ(IniAccess("WRITE", section, "k", QString(60, 'a')), "");
    EXPECT_EQ(IniAccess("GET", section, "k"), QString(49, 'a'));
    EXPECT_EQ(IniAccess("WRITE", section, "k", "Failed once"), "");
    EXPECT_EQ(IniAccess("GET", section, "k"), "");
    EXPECT_EQ(IniAccess("DELETE", section, "k"), "");

    gIniFile = dir.filePath("missing/config.ini");
    EXPECT_EQ(IniAccess("WRITE", section, "k", "v"), "ERROR Write");
}

TEST(ConfigIni, FileExistsOnlyForVisibleFiles)
{
    QTemporaryDir dir;
    writeAll(dir.filePath("config.ini"), "x");
    writeAll(dir.filePath(".config.ini"), "x");
    EXPECT_TRUE(FileExists(dir.filePath("config.ini")));
    EXPECT_FALSE(FileExists(dir.filePath(".config.ini")));
    EXPECT_FALSE(FileExists(dir.path()));
    EXPECT_FALSE(FileExists(dir.filePath("other.ini")));
    EXPECT_FALSE(FileExists(""));
}

TEST(Preferences, RawValues)
{
    gRegValue = "stale";
    EXPECT_EQ(GetRegString(kHKeyLocalMachine, kSoftwareKey, "never written", ""), "");
    EXPECT_EQ(gRegValue, "");
    EXPECT_EQ(GetRegString(kHKeyLocalMachine, kSoftwareKey, "never written", "dflt"), "dflt");

    ASSERT_TRUE(SaveRegString(kHKeyLocalMachine, kSoftwareKey, kRegPassword, ""));
    EXPECT_EQ(GetRegString(kHKeyLocalMachine, kSoftwareKey, kRegPassword, ""), "");
    EXPECT_EQ(gRegValue, QString(QChar(0)));

    ASSERT_TRUE(SaveRegString(kHKeyLocalMachine, kSoftwareKey, kRegWeekName, kDefaultWeekName));
    EXPECT_EQ(GetRegString(kHKeyLocalMachine, kSoftwareKey, kRegWeekName, ""), "Week");
    EXPECT_EQ(gRegValue.size(), 5);
    EXPECT_EQ(gRegValue.back(), QChar(0));

    const QString withNul = QString("ab") + QChar(0) + "cd";
    ASSERT_TRUE(SaveRegString(kHKeyLocalMachine, kSoftwareKey, kRegTableShow, withNul));
    EXPECT_EQ(GetRegString(kHKeyLocalMachine, kSoftwareKey, kRegTableShow, ""), "ab");
    EXPECT_EQ(gRegValue, withNul + QChar(0));

    EXPECT_EQ(DefaultSavePath(), QDir::homePath());
}

// A hand-edited file: the blanks around a value are not part of it.
TEST(ConfigIni, BlanksAroundAValueAreDropped)
{
    const QString ini = IniFilePath();
    writeAll(ini, "[Fixtora INI file]\nPointsforWin = 2\nEachgameis = Leg \nDateisVisible =\tFalse\n"
                  "PointsforDraw=\t\n");
    ReadIniSettings();
    EXPECT_EQ(gPointsForWin, "2");
    EXPECT_EQ(gEachGameIs, "Leg");
    EXPECT_FALSE(gDateVisible);
    EXPECT_EQ(gPointsForDraw, "");
    QFile::remove(ini);
}

// Settings changed for a write that failed go back exactly as they were.
TEST(ConfigIni, ASnapshotPutsEverySettingBack)
{
    gPointsForWin = "2";
    gDateVisible = false;
    gHomeAwayRule = true;
    gEachGameIs = "Leg";
    const IniSnapshot before = CurrentIniSettings();
    gPointsForWin = "7";
    gDateVisible = true;
    gHomeAwayRule = false;
    gEachGameIs = "Goal";
    RestoreIniSettings(before);
    EXPECT_EQ(gPointsForWin, "2");
    EXPECT_FALSE(gDateVisible);
    EXPECT_TRUE(gHomeAwayRule);
    EXPECT_EQ(gEachGameIs, "Leg");
    EXPECT_EQ(CurrentIniSettings(), before);
}
