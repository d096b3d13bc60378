#include "platform/profilefile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "testfiles.h"

using namespace fixtora;
using namespace fixtora::test;

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file = dir.filePath("test.ini");
};

} // namespace

TEST_F(ProfileFileTest, FirstWriteCreatesTheFileAndKeepsKeyOrder)
{
    EXPECT_FALSE(ReadProfileString(file, "Main", "b").has_value());
    ASSERT_TRUE(WriteProfileString(file, "Main", "b", "2"));
    ASSERT_TRUE(WriteProfileStrings(file, "Main", {{"a", "1"}, {"c", "3"}}));
    EXPECT_EQ(readAll(file), "[Main]\nb=2\na=1\nc=3\n");
}

TEST_F(ProfileFileTest, KeysAndSectionsMatchInAnyCaseAndAreReplacedInPlace)
{
    writeAll(file, "[Main]\r\nFirst=1\r\nSecond=2\r\n\r\n[Other]\r\nfirst=x\r\n");
    EXPECT_EQ(ReadProfileString(file, "MAIN", "first"), "1");
    EXPECT_EQ(ReadProfileString(file, "other", "FIRST"), "x");

    ASSERT_TRUE(WriteProfileString(file, "main", "FIRST", "one"));
    ASSERT_TRUE(WriteProfileString(file, "Main", "Third", "3"));
    // The new key goes before the blank line that closes the section, the
    // other section stays as it was, and the file keeps its CRLF line ends.
    EXPECT_EQ(readAll(file),
              "[Main]\r\nFIRST=one\r\nSecond=2\r\nThird=3\r\n\r\n[Other]\r\nfirst=x\r\n");
}

TEST_F(ProfileFileTest, ValuesReadAsStoredWithoutTheBlanksAround)
{
    writeAll(file, "; note\n[S]\nplain=Index,Name,Wins\n key = a=b \nempty=\nnoequals\n"
                   "tabs=\t two  words\t\nblank=   \n");
    EXPECT_EQ(ReadProfileString(file, "S", "plain"), "Index,Name,Wins");
    EXPECT_EQ(ReadProfileString(file, "S", "key"), "a=b");
    EXPECT_EQ(ReadProfileString(file, "S", "tabs"), "two  words");
    EXPECT_EQ(ReadProfileString(file, "S", "blank"), "");
    EXPECT_EQ(ReadProfileString(file, "S", "empty"), "");
    EXPECT_FALSE(ReadProfileString(file, "S", "noequals").has_value());
    EXPECT_FALSE(ReadProfileString(file, "T", "plain").has_value());
    EXPECT_FALSE(ReadProfileString(dir.filePath("missing.ini"), "S", "plain").has_value());
}

TEST_F(ProfileFileTest, MissingSectionIsAppended)
{
    writeAll(file, "[First]\nk=v");
    ASSERT_TRUE(WriteProfileString(file, "Second", "k", "w"));
    EXPECT_EQ(readAll(file), "[First]\nk=v\n\n[Second]\nk=w\n");
    EXPECT_EQ(ReadProfileString(file, "First", "k"), "v");
}

TEST_F(ProfileFileTest, FailedWritesAreReportedAndChangeNothing)
{
    EXPECT_FALSE(WriteProfileString(dir.filePath("no/such/folder/x.ini"), "S", "k", "v"));
    EXPECT_FALSE(WriteProfileString(dir.path(), "S", "k", "v"));

    writeAll(file, "[S]\nk=v\n");
    EXPECT_FALSE(WriteProfileString(file, "S", "k", "two\nlines"));
    EXPECT_FALSE(WriteProfileString(file, "S", "k=", "v"));
    EXPECT_FALSE(WriteProfileString(file, "S", "", "v"));
    EXPECT_FALSE(WriteProfileString(file, "S]", "k", "v"));
    // One bad entry stops the whole write.
    EXPECT_FALSE(WriteProfileStrings(file, "S", {{"a", "1"}, {"b", QString(QChar(0))}}));
    EXPECT_EQ(readAll(file), "[S]\nk=v\n");
}

TEST_F(ProfileFileTest, WhatKeepsAFileFromBeingReadIsNamedAndNothingIsWrittenThroughIt)
{
    using enum ProfileProblem;
    writeAll(file, "[S]\nk=v\n");
    ASSERT_TRUE(QFile::copy(file, dir.filePath("locked.ini")) && QFile::setPermissions(dir.filePath("locked.ini"), {}));
    ASSERT_TRUE(QFile::link(dir.filePath("gone.ini"), dir.filePath("dangling.ini")));
    const std::pair<const char *, ProfileProblem> rows[] = {
        {"missing.ini", None}, {"test.ini", None}, {".", NotAFile}, {"dangling.ini", LinkToNothing},
        {"locked.ini", readAll(dir.filePath("locked.ini")).isEmpty() ? Unreadable : None},  // no mode stops root
    };
    for (const auto &[name, problem] : rows)
        EXPECT_EQ(ProblemWithProfile(dir.filePath(name)), problem) << name;
    EXPECT_FALSE(WriteProfileString(dir.filePath("dangling.ini"), "S", "k", "v"));
    EXPECT_FALSE(QFile::exists(dir.filePath("gone.ini")));
}
