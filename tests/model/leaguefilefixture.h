#pragma once
// The set-up the league file tests share: a temporary folder for the files,
// the open dialog answering with the file a test chose, the loader's messages
// and caption collected, and the points a team league's results are built with.

#include "model/filedialogs.h"
#include "model/league.h"
#include "model/leaguefile.h"
#include "model/leaguepair.h"
#include "model/settings.h"
#include "platform/database.h"
#include "testfiles.h"
#include "testleague.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

namespace fixtora::test {

// The key league files are written with.
inline const QByteArray kKey = "Rk8mQv3Zt6";

class LeagueFileFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetLeagueFileHooks({[this](const QString &m) { messages.append(m); },
                            [this](const QString &c) { caption = c; }});
        SetFileChooser([this](const FileDialogRequest &) { return chosen; });
        test::UseUsualPoints();
    }
    void TearDown() override
    {
        SetLeagueFileHooks({});
        SetFileChooser({});
        SetInstallStepHook({});
        SetBusyTimeoutForTests(0);
        writeEnable();
    }

    // Write-protects a test file, or the folder (""), for root too: the immutable flag.
    void writeProtect(const QString &name)
    {
        writeProtected.append(path(name));
        QFile::setPermissions(path(name), QFile::ReadOwner | QFile::ExeOwner);
        QProcess::execute("chattr", {"+i", path(name)});
        ASSERT_FALSE(QFileInfo(path(name)).isWritable());
    }
    void writeEnable()
    {
        for (const QString &file : std::exchange(writeProtected, {})) {
            QProcess::execute("chattr", {"-i", file});
            QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

    // A name in the test folder; an absolute path stays as it is.
    QString path(const QString &name) const { return QDir(dir.path()).filePath(name); }

    QStringList files() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
    // The names of the folder's files, in order, one blank between.
    std::string folder() const { return files().join(' ').toStdString(); }

    // Writes the league the model holds as a new pair at file.
    FileResult create(const QString &file)
    {
        gLeagueFile = path(file);
        return CreateLeagueFile();
    }

    // Opens file as the main menu does: reset, then the loader.
    FileResult load(const QString &file)
    {
        InitialiseGlobals();
        messages.clear();
        chosen = path(file);
        return LoadLeague();
    }

    // League and tournament files are keyed, companions plain.
    static QByteArray keyOf(const QString &file) { return file.endsWith(".ext") ? QByteArray() : kKey; }

    // Runs one statement on a stored league or tournament file or companion.
    void alter(const QString &file, const QString &sql)
    {
        Database db;
        db.Open(path(file), Database::Mode::ReadWrite, keyOf(file));
        db.Execute(sql);
    }

    int records(const QString &file, const char *table)
    {
        Database db;
        db.Open(path(file), Database::Mode::ReadOnly, keyOf(file));
        return Recordset(db, table).RecordCount();
    }

    QVariant field(const QString &file, const char *table, int record, const char *name)
    {
        Database db;
        db.Open(path(file), Database::Mode::ReadOnly, keyOf(file));
        Recordset rs(db, table);
        rs.MoveFirst();
        for (int i = 1; i < record; ++i)
            rs.MoveNext();
        return rs.Field(name);
    }

    // Changes one byte of the first page of table: in the middle of the page
    // of a keyed file, in the page header of the plain companion.
    void damagePageOf(const QString &file, const char *table)
    {
        qint64 page = 0, pageSize = 0;
        {
            Database db;
            db.Open(path(file), Database::Mode::ReadOnly, keyOf(file));
            page = db.Value(QString("SELECT rootpage FROM sqlite_master WHERE name = '%1'").arg(table)).toLongLong();
            pageSize = db.Value("PRAGMA page_size").toLongLong();
        }
        ASSERT_GT(page, 1);
        QByteArray bytes = test::readAll(path(file));
        bytes[(page - 1) * pageSize + (keyOf(file).isEmpty() ? 0 : pageSize / 2)] ^= 0x55;
        test::writeAll(path(file), bytes);
    }

    void expectNoLeague()
    {
        EXPECT_FALSE(gLeagueOnDisk);
        EXPECT_TRUE(gLeagueFile.isEmpty());
        EXPECT_TRUE(gTableName.isEmpty());
        EXPECT_EQ(caption, "Fixtora         Current League : none");
    }

    QTemporaryDir dir;
    QStringList writeProtected;
    QString chosen;
    QStringList messages;
    QString caption;
};

} // namespace fixtora::test
