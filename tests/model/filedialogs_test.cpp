#include "model/filedialogs.h"
#include "model/league.h"
#include "model/settings.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace fixtora;

namespace {

class FileDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitialiseGlobals();
        gSavePath = "/home/club/leagues";
        SetFileChooser([this](const FileDialogRequest &request) {
            last = request;
            return answer;
        });
    }
    void TearDown() override { SetFileChooser({}); }

    void prepareSave(const char *description, const char *pattern, const char *ext)
    {
        gDialogFilter = QString(description) + QChar(u'\0') + pattern + QChar(u'\0');
        gDialogExt = ext;
    }

    QString answer;
    FileDialogRequest last;
};

} // namespace

TEST_F(FileDialogsTest, SaveAddsTheExtensionUnlessThePathEndsWithIt)
{
    prepareSave("Fixtora League (*.tbl)", "*.tbl", ".tbl");
    const struct {
        const char *chosen, *stored;
    } cases[] = {
        {"/home/club/new", "/home/club/new.tbl"},
        {"/home/club/new.tbl", "/home/club/new.tbl"},
        {"/home/club/new.TBL", "/home/club/new.TBL.tbl"},
        {"/home/x.tbl/new", "/home/x.tbl/new.tbl"},
        {"  /home/club/new  ", "/home/club/new.tbl"},
    };
    for (const auto &c : cases) {
        answer = c.chosen;
        ShowSaveDialog();
        EXPECT_NE(gDialogResult, 0);
        EXPECT_EQ(gLeagueFile, c.stored) << c.chosen;
    }
    EXPECT_EQ(gFileFolder, "/home/club/");
    EXPECT_TRUE(last.save);
    EXPECT_EQ(last.title, "save file");
    EXPECT_EQ(last.folder, "/home/club/leagues");
    EXPECT_EQ(last.nameFilter, "Fixtora League (*.tbl)");

    prepareSave("Fixtora Tournament (*.tr)", "*.tr", ".tr");
    answer = "/home/cup";
    ShowSaveDialog();
    EXPECT_EQ(gLeagueFile, "/home/cup.tr");
}

TEST_F(FileDialogsTest, OpenDerivesTheCompanionFromTheFinalExtension)
{
    gDialogFilter = QString("Fixtora Leagues (*.tbl)") + QChar(u'\0') + "*.tbl" + QChar(u'\0');
    answer = "/home/club/pool.tbl";
    ShowOpenDialog();
    EXPECT_EQ(gLeagueFile, "/home/club/pool.tbl");
    EXPECT_EQ(gExtFileName, "/home/club/pool.ext");
    EXPECT_EQ(gExtFile, "/home/club/names.ext");
    EXPECT_EQ(gFileFolder, "/home/club/");
    EXPECT_FALSE(last.save);
    EXPECT_EQ(last.title, "Open file");
    EXPECT_EQ(last.nameFilter, "Fixtora Leagues (*.tbl)");

    answer = "/home/x.tbl/pool.tbl";
    ShowOpenDialog();
    EXPECT_EQ(gExtFileName, "/home/x.tbl/pool.ext");
    EXPECT_EQ(CompanionPath("/home/club/pool"), "/home/club/pool.ext");
}

TEST_F(FileDialogsTest, CancelChangesNothingButTheResult)
{
    gLeagueFile = "/kept.tbl";
    gFileFolder = "/kept/";
    gDialogResult = 5;
    answer.clear();
    ShowOpenDialog();
    EXPECT_EQ(gDialogResult, 0);
    gDialogResult = 5;
    ShowSaveDialog();
    EXPECT_EQ(gDialogResult, 0);
    EXPECT_EQ(gLeagueFile, "/kept.tbl");
    EXPECT_EQ(gFileFolder, "/kept/");
}
