#include "platform/textfile.h"

#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace fixtora;

TEST(HtmlEscape, MarkupCharactersBecomeReferences)
{
    const std::pair<QString, QString> rows[] = {
        {"Player 1", "Player 1"},
        {"Tom & Jerry", "Tom &amp; Jerry"},
        {"<b>Bold</b>", "&lt;b&gt;Bold&lt;/b&gt;"},
        {"\"Ace\"", "&quot;Ace&quot;"},
        {"&amp;", "&amp;amp;"},
        {"O'Neil", "O'Neil"},
        {"", ""},
    };
    for (const auto &[text, html] : rows)
        EXPECT_EQ(HtmlEscape(text), html) << text.toStdString();
}

TEST(WriteTextLines, EveryLineEndsWithCrLf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.html"));
    const TextFileResult first = WriteTextLines(path, {"<HTML>", "", "caf\u00e9"});
    ASSERT_TRUE(first.ok) << first.message.toStdString();
    EXPECT_EQ(test::readAll(path), QByteArray("<HTML>\r\n\r\ncaf\xc3\xa9\r\n"));
    const TextFileResult second = WriteTextLines(path, {"short"});
    ASSERT_TRUE(second.ok);
    EXPECT_EQ(test::readAll(path), QByteArray("short\r\n"));
}

TEST(WriteTextLines, AFailureSaysSoAndLeavesNoFile)
{
    QTemporaryDir dir;
    const QString inMissingFolder = dir.filePath(QStringLiteral("no/such/folder/out.html"));
    const QString folder = dir.path();
    struct Row {
        QString path;
        QString mentions;
    };
    const Row rows[] = {{inMissingFolder, inMissingFolder}, {folder, folder}, {"", "No file name"}, {"  ", "No file name"}};
    for (const Row &row : rows) {
        const TextFileResult result = WriteTextLines(row.path, {"<HTML>"});
        EXPECT_FALSE(result.ok) << row.path.toStdString();
        EXPECT_TRUE(result.message.contains(row.mentions)) << result.message.toStdString();
    }
    EXPECT_FALSE(QFile::exists(inMissingFolder));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 0);
}
