#include "model/settings.h"

#include "model/league.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include <sys/stat.h>

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
    gHomeAwayRule = false;
    EXPECT_TRUE(ReadIniSettings().isEmpty());
    EXPECT_EQ(gIniFile, ini);
    EXPECT_EQ(readAll(ini), "[Fixtora INI file]\n"
                            "PointsforWin=3\nPointsforDraw=1\nPointsforLose=0\n"
                            "DateisVisible=1\nWeekisVisible=1\nTablenameVisible=1\n"
                            "startendsummary=1\naddgamespermatch=0\nEachgameis=Frame\n"
                            "maxframes=5\nshowsplash=1\nsortleague=1\nhomeaway=1\n");
    EXPECT_EQ(gPointsForWin, "3");
    EXPECT_EQ(gPointsForLose, "0");
    EXPECT_TRUE(gDateVisible && gWeekVisible && gTableNameVisible && gStartEndSummary && gHomeAwayRule);
    EXPECT_FALSE(gAddGamesPerMatch);
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
                            "maxframes=5\nshowsplash=0\nsortleague=1\nhomeaway=True\n");

    // A hand-edited file: numbers and any letter case for the booleans, an
    // unreadable boolean reads as its default; a missing key reads as its
    // default (the home-and-away rule off) and is written back at once.
    writeAll(ini, "[fixtora ini file]\r\n"
                  "DateisVisible=0\r\nWeekisVisible=tRUE\r\nTablenameVisible=-1\r\n"
                  "homeaway=maybe\r\nEachgameis=" + QByteArray(60, 'x') + "\r\n");
    EXPECT_TRUE(ReadIniSettings().isEmpty());
    EXPECT_FALSE(gDateVisible);
    EXPECT_TRUE(gWeekVisible && gTableNameVisible && gStartEndSummary);
    EXPECT_FALSE(gHomeAwayRule || gAddGamesPerMatch);
    EXPECT_EQ(gEachGameIs, QString(49, 'x'));
    EXPECT_EQ(gPointsForWin, "3");
    EXPECT_TRUE(readAll(ini).endsWith("PointsforLose=0\r\nstartendsummary=1\r\naddgamespermatch=0\r\nmaxframes=5\r\nshowsplash=1\r\nsortleague=1\r\n"));
    ASSERT_TRUE(WriteIniSettings());
    EXPECT_TRUE(readAll(ini).startsWith("[fixtora ini file]\r\nDateisVisible=False\r\n"));

    // A file emptied by hand, or holding no key at all, is a new one.
    for (const QByteArray text : {"", "\n", "[Fixtora INI file]\n"}) {
        writeAll(ini, text);
        EXPECT_TRUE(ReadIniSettings().isEmpty() && gHomeAwayRule);
        EXPECT_TRUE(readAll(ini).contains("PointsforDraw=1\n") && readAll(ini).endsWith("homeaway=1\n"));
    }

    QFile::remove(ini);
}

// What cannot be a settings file is renamed aside at once, with a notice
// naming it, and the defaults take its place.
TEST(ConfigIni, FilesThatAreNoSettingsAreSetAside)
{
    const QString ini = IniFilePath();
    const QString store = RegistryFile();
    ASSERT_TRUE(MakeUserConfigFolder());
    const struct {
        const char *what;
        QString file;
        std::function<bool()> make;
    } cases[] = {
        {"settings FIFO", ini, [&] { return mkfifo(QFile::encodeName(ini).constData(), 0600) == 0; }},
        {"settings link to a device", ini, [&] { return QFile::link("/dev/zero", ini); }},
        {"settings over 1 MB", ini, [&] { writeAll(ini, QByteArray(1024 * 1024 + 1, '\n')); return true; }},
        {"preferences FIFO", store, [&] { return mkfifo(QFile::encodeName(store).constData(), 0600) == 0; }},
        {"settings link to nothing", ini, [&] { return QFile::link(ini + ".gone", ini); }},
        {"preferences link to nothing", store, [&] { return QFile::link(store + ".gone", store); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(ini);
        QFile::remove(store);
        ASSERT_TRUE(c.make());
        gPointsForWin.clear();
        const QStringList notices = ReadIniSettings();
        ASSERT_EQ(notices.size(), 1);
        EXPECT_TRUE(notices[0].contains(c.file));
        EXPECT_TRUE(QFileInfo(c.file + ".set-aside").isSymLink() || QFile::exists(c.file + ".set-aside"));
        EXPECT_EQ(gPointsForWin, "3");
        EXPECT_TRUE(QFileInfo(ini).isFile());
        EXPECT_TRUE(ReadIniSettings().isEmpty());
        QFile::remove(c.file + ".set-aside");
    }
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
    static_cast<void>(ReadIniSettings());
    EXPECT_EQ(gPointsForWin, "2");
    EXPECT_EQ(gEachGameIs, "Leg");
    EXPECT_FALSE(gDateVisible);
    QFile::remove(ini);
}

TEST(ConfigIni, AValueOfTheWrongKindReadsAsItsDefaultWrittenBackAndAnyOtherStays)
{
    const QString ini = IniFilePath();
    const std::tuple<const char *, std::size_t, const char *> rows[] = {
        {"PointsforWin=abc", 0, "3"},  {"PointsforWin=", 0, "3"},        {"PointsforDraw=-1", 1, "1"},
        {"PointsforDraw=100", 1, "1"}, {"PointsforWin=99", 0, "99"},     {"PointsforLose=0", 2, "0"},
        {"PointsforWin=.5", 0, ".5"},  {"PointsforWin=2 pts", 0, "2 pts"}, {"maxframes=many", 9, "5"},
        {"showsplash=", 10, "1"},      {"Eachgameis=", 8, ""},
    };
    for (const auto &[line, setting, read] : rows) {
        writeAll(ini, QByteArray("[Fixtora INI file]\n") + line + "\n");
        EXPECT_TRUE(ReadIniSettings().isEmpty());
        EXPECT_EQ(CurrentIniSettings()[setting], read) << line;
        EXPECT_TRUE(readAll(ini).contains(QByteArray(line).split('=').front() + "=" + read + "\n")) << line;
    }
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
