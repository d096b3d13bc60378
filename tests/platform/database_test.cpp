#include "platform/database.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

#include "testfiles.h"

using namespace fixtora;

namespace {

const QByteArray kKey = "s3cret";

class DatabaseTest : public ::testing::Test {
protected:
    QString path(const char *name) const { return dir.filePath(name); }

    // A keyed file with table t (id, name, n) holding the given names.
    void makeFile(const QString &file, const QByteArray &key, const QStringList &names)
    {
        Database db;
        db.Open(file, Database::Mode::Create, key);
        db.Execute("CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT, n INTEGER)");
        Recordset rs(db, "t");
        for (const QString &name : names) {
            rs.AddNew();
            rs.SetField("name", name);
            rs.SetField("n", static_cast<int>(name.size()));
            rs.Update();
        }
    }

    QStringList names(Database &db, const QString &table = "t", const QString &schema = "main")
    {
        Recordset rs(db, table, schema);
        QStringList result;
        if (rs.RecordCount() == 0)
            return result;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            result.append(rs.Field("name").toString());
        return result;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(DatabaseTest, AKeyedFileOpensOnlyWithItsKey)
{
    makeFile(path("a.db"), kKey, {"x"});
    Database db;
    EXPECT_THROW(db.Open(path("a.db"), Database::Mode::ReadOnly), DatabaseError);
    EXPECT_THROW(db.Open(path("a.db"), Database::Mode::ReadOnly, "wrong"), DatabaseError);
    EXPECT_FALSE(db.IsOpen());
    db.Open(path("a.db"), Database::Mode::ReadOnly, kKey);
    EXPECT_EQ(names(db), QStringList{"x"});

    QFile raw(path("a.db"));
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_FALSE(raw.readAll().contains("CREATE TABLE"));
}

TEST_F(DatabaseTest, OpeningNeverCreatesAFileUnlessAsked)
{
    Database db;
    EXPECT_THROW(db.Open(path("missing.db"), Database::Mode::ReadWrite), DatabaseError);
    EXPECT_FALSE(QFile::exists(path("missing.db")));
}

TEST_F(DatabaseTest, RecordsComeInTheOrderTheyWereAddedAndEditInPlace)
{
    makeFile(path("a.db"), {}, {"c", "a", "b"});
    Database db;
    db.Open(path("a.db"), Database::Mode::ReadWrite);
    {
        Recordset rs(db, "t");
        EXPECT_EQ(rs.RecordCount(), 3);
        rs.MoveFirst();
        rs.MoveNext();
        rs.Edit();
        rs.SetField("name", "z");
        rs.Update();
        EXPECT_EQ(rs.Field("name").toString(), "z");
        EXPECT_EQ(rs.Field("n").toLongLong(), 1);   // fields not set keep their values
        EXPECT_TRUE(rs.HasField("n"));
        EXPECT_FALSE(rs.HasField("id"));
    }
    EXPECT_EQ(names(db), (QStringList{"c", "z", "b"}));
}

TEST_F(DatabaseTest, MisuseThrowsInsteadOfGoingOn)
{
    makeFile(path("a.db"), {}, {"a"});
    Database db;
    db.Open(path("a.db"), Database::Mode::ReadWrite);
    EXPECT_THROW(Recordset(db, "nosuch"), DatabaseError);
    Recordset rs(db, "t");
    rs.MoveFirst();
    EXPECT_THROW(rs.Field("nosuch"), DatabaseError);
    EXPECT_THROW(rs.SetField("name", "x"), DatabaseError);   // no Edit or AddNew
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_THROW(rs.MoveNext(), DatabaseError);
    EXPECT_THROW(rs.Edit(), DatabaseError);

    db.Execute("CREATE TABLE empty (id INTEGER PRIMARY KEY, name TEXT)");
    Recordset empty(db, "empty");
    EXPECT_THROW(empty.MoveFirst(), DatabaseError);
}

TEST_F(DatabaseTest, ATransactionCoversAnAttachedPlainFileAndRollsBackUnlessCommitted)
{
    makeFile(path("main.db"), kKey, {"a"});
    makeFile(path("plain.db"), {}, {"p"});
    Database db;
    db.Open(path("main.db"), Database::Mode::ReadWrite, kKey);
    db.Attach(path("plain.db"), "ext", {});
    {
        Transaction transaction(db);
        Recordset mainRows(db, "t");
        mainRows.AddNew();
        mainRows.SetField("name", "b");
        mainRows.Update();
        Recordset extRows(db, "t", "ext");
        extRows.AddNew();
        extRows.SetField("name", "q");
        extRows.Update();
    }
    EXPECT_EQ(names(db), QStringList{"a"});
    EXPECT_EQ(names(db, "t", "ext"), QStringList{"p"});
    {
        Transaction transaction(db);
        Recordset extRows(db, "t", "ext");
        extRows.AddNew();
        extRows.SetField("name", "q");
        extRows.Update();
        transaction.Commit();
    }
    db.Close();

    Database plain;
    plain.Open(path("plain.db"), Database::Mode::ReadOnly);   // still a plain file
    EXPECT_EQ(names(plain), (QStringList{"p", "q"}));
}

TEST_F(DatabaseTest, EachFailureSaysWhatKindItIs)
{
    makeFile(path("a.db"), kKey, {"a"});
    makeFile(path("plain.db"), {}, {"p"});
    Database holder;
    holder.Open(path("plain.db"), Database::Mode::ReadWrite);
    holder.Execute("BEGIN EXCLUSIVE");
    using Kind = DatabaseError::Kind;
    const struct {
        const char *what;
        std::function<void(Database &)> step;
        Kind kind;
    } cases[] = {
        {"wrong key", [&](Database &db) { db.Open(path("a.db"), Database::Mode::ReadOnly, "wrong"); }, Kind::Damaged},
        {"no table", [&](Database &db) { Recordset(db, "nosuch"); }, Kind::Missing},
        {"no field", [&](Database &db) { Recordset rs(db, "t"); rs.MoveFirst(); rs.Field("nosuch"); }, Kind::Missing},
        {"no record", [&](Database &db) { Recordset rs(db, "t"); rs.MoveFirst(); rs.MoveNext(); rs.Edit(); },
         Kind::Missing},
        {"held elsewhere", [&](Database &db) { db.Attach(path("plain.db"), "other", {}); }, Kind::Busy},
        {"bad statement", [&](Database &db) { db.Execute("SELECT FROM"); }, Kind::Other},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Database db;
        db.Open(path("a.db"), Database::Mode::ReadWrite, kKey);
        try {
            c.step(db);
            ADD_FAILURE() << "no error";
        } catch (const DatabaseError &error) {
            EXPECT_EQ(error.kind(), c.kind) << error.message().toStdString();
        }
    }
}

TEST_F(DatabaseTest, TheIntegrityCheckFindsShortAndDamagedFiles)
{
    makeFile(path("a.db"), {}, QStringList(400, QString(40, 'n')));
    const QByteArray whole = test::readAll(path("a.db"));
    Database db;
    db.Open(path("a.db"), Database::Mode::ReadOnly);
    db.CheckIntegrity();
    db.Close();
    const qsizetype pageSize = 4096;
    ASSERT_GT(whole.size(), 3 * pageSize);
    QByteArray damaged = whole;
    damaged[pageSize] = 0x7f;   // the type of the second page
    for (const QByteArray &bytes : {whole.left(whole.size() - 1), whole.left(2 * pageSize), damaged}) {
        test::writeAll(path("a.db"), bytes);
        try {
            db.Open(path("a.db"), Database::Mode::ReadOnly);
            db.CheckIntegrity();
            ADD_FAILURE() << bytes.size();
        } catch (const DatabaseError &error) {
            EXPECT_EQ(error.kind(), DatabaseError::Kind::Damaged) << error.message().toStdString();
        }
        db.Close();
    }
}

TEST_F(DatabaseTest, AFileLockIsHeldByOneOpenAtATime)
{
    test::writeAll(path("f"), "x");
    {
        const FileLock first(path("f"));
        const FileLock second(path("f"));
        EXPECT_TRUE(first.IsHeld());
        EXPECT_FALSE(second.IsHeld());
    }
    EXPECT_TRUE(FileLock(path("f")).IsHeld());
    EXPECT_FALSE(FileLock(path("missing")).IsHeld());
}

TEST_F(DatabaseTest, FilesAreLinkedAndReplacedWhole)
{
    test::writeAll(path("old"), "old");
    test::writeAll(path("new"), "new");
    LinkFile(path("old"), path("kept"));
    ReplaceFile(path("new"), path("old"));
    EXPECT_EQ(test::readAll(path("old")), "new");
    EXPECT_EQ(test::readAll(path("kept")), "old");
    EXPECT_FALSE(QFile::exists(path("new")));
    EXPECT_THROW(LinkFile(path("old"), path("kept")), DatabaseError);
    EXPECT_THROW(ReplaceFile(path("missing"), path("old")), DatabaseError);
    EXPECT_EQ(test::readAll(path("old")), "new");
}
