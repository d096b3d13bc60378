#include "platform/database.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include <sqlite3.h>

#include "testfiles.h"

using namespace fixtora;

namespace {

const QByteArray kKey = "s3cret";

// While it lives, SQLite's own file system removes no file, as in a folder
// that is write-protected while its files are not (a folder's mode does not
// stop root, who runs the tests).
class NothingRemoved {
public:
    NothingRemoved() : m_default(sqlite3_vfs_find(nullptr)), m_own(*m_default)
    {
        m_own.zName = "nothing-removed";
        m_own.xDelete = [](sqlite3_vfs *, const char *, int) { return SQLITE_IOERR_DELETE; };
        sqlite3_vfs_register(&m_own, 1);
    }
    ~NothingRemoved()
    {
        sqlite3_vfs_unregister(&m_own);
        sqlite3_vfs_register(m_default, 1);
    }
    NothingRemoved(const NothingRemoved &) = delete;
    NothingRemoved &operator=(const NothingRemoved &) = delete;

private:
    sqlite3_vfs *m_default;
    sqlite3_vfs m_own;
};

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
    db.Attach(path("plain.db"), "ext");
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
    SetBusyTimeoutForTests(50);
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
        {"held elsewhere", [&](Database &db) { db.Attach(path("plain.db"), "other"); }, Kind::Busy},
        {"bad statement", [&](Database &db) { db.Execute("SELECT FROM"); }, Kind::Other},
        {"disk full", [&](Database &db) { db.Execute("PRAGMA max_page_count = 1"); db.Execute("CREATE TABLE f (x)"); },
         Kind::DiskFull},
        {"read only", [&](Database &db) { db.Open(path("a.db"), Database::Mode::ReadOnly, kKey); db.Execute("CREATE TABLE r (x)"); },
         Kind::WriteProtected},
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
    SetBusyTimeoutForTests(0);
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

// ---- Keys of encrypted files, statements, record writers and readers ----------------

namespace {

// Opens file with SQLCipher's own derivation of the passphrase, in pages of
// pageSize, and counts the records of t; -1 when it cannot be read.
int countWithPassphrase(const QString &file, const QByteArray &passphrase, int pageSize = kCipherPageSize)
{
    sqlite3 *db = nullptr;
    int count = -1;
    const QByteArray pages = "PRAGMA cipher_page_size = " + QByteArray::number(pageSize);
    if (sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK
        && sqlite3_key(db, passphrase.constData(), static_cast<int>(passphrase.size())) == SQLITE_OK
        && sqlite3_exec(db, pages.constData(), nullptr, nullptr, nullptr) == SQLITE_OK) {
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT count(*) FROM t", -1, &stmt, nullptr) == SQLITE_OK
            && sqlite3_step(stmt) == SQLITE_ROW)
            count = sqlite3_column_int(stmt, 0);
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return count;
}

// A file made by SQLCipher from the passphrase alone, in its default pages,
// with table t of count records.
void makeWithPassphrase(const QString &file, const QByteArray &passphrase, int count)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_key(db, passphrase.constData(), static_cast<int>(passphrase.size())), SQLITE_OK);
    const QByteArray sql = "CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT, n INTEGER);"
        + QByteArray("INSERT INTO t (name) VALUES ('x');").repeated(count);
    EXPECT_EQ(sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

int countWithDatabase(const QString &file, const QByteArray &key)
{
    Database db;
    db.Open(file, Database::Mode::ReadOnly, key);
    return static_cast<int>(db.Value("SELECT count(*) FROM t").toLongLong());
}

} // namespace

TEST_F(DatabaseTest, KeysAreDerivedExactlyAsSQLCipherDerivesThem)
{
    const struct {
        const char *what;
        bool forgetFirst;   // the key of the file is not known yet
    } cases[] = {{"key derived at the open", true}, {"key known from before", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        makeFile(path("ours.db"), kKey, {"a", "b"});
        makeWithPassphrase(path("theirs.db"), kKey, 3);
        if (c.forgetFirst)
            ForgetDerivedKeys();
        EXPECT_EQ(countWithPassphrase(path("ours.db"), kKey), 2);
        EXPECT_EQ(countWithDatabase(path("theirs.db"), kKey), 3);
        EXPECT_EQ(countWithPassphrase(path("ours.db"), "wrong"), -1);
        EXPECT_THROW(countWithDatabase(path("theirs.db"), "wrong"), DatabaseError);
        QFile::remove(path("ours.db"));
        QFile::remove(path("theirs.db"));
    }
}

TEST_F(DatabaseTest, EveryNewFileGetsASaltOfItsOwnAndIsKeyedByIt)
{
    makeFile(path("a.db"), kKey, {"a"});
    makeFile(path("b.db"), kKey, {"b", "b"});
    test::writeAll(path("empty.db"), "");
    {
        Database db;   // an empty file is a new one
        db.Open(path("empty.db"), Database::Mode::ReadWrite, kKey);
        db.Execute("CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT, n INTEGER)");
    }
    const QByteArray a = test::readAll(path("a.db")).left(16), b = test::readAll(path("b.db")).left(16),
                     empty = test::readAll(path("empty.db")).left(16);
    EXPECT_NE(a, b);
    EXPECT_NE(a, empty);
    EXPECT_EQ(countWithPassphrase(path("empty.db"), kKey), 0);

    // Another file put in place under a name opened before is keyed by its own salt.
    EXPECT_EQ(countWithDatabase(path("a.db"), kKey), 1);
    ReplaceFile(path("b.db"), path("a.db"));
    EXPECT_EQ(countWithDatabase(path("a.db"), kKey), 2);

    // A file too short to hold a salt is refused as damaged.
    test::writeAll(path("short.db"), "SQLite");
    try {
        countWithDatabase(path("short.db"), kKey);
        ADD_FAILURE() << "no error";
    } catch (const DatabaseError &error) {
        EXPECT_EQ(error.kind(), DatabaseError::Kind::Damaged) << error.message().toStdString();
    }
}

TEST_F(DatabaseTest, NewEncryptedFilesHaveLargePagesAndEarlierFilesKeepTheirOwn)
{
    // A copy of theirs.db (SQLCipher's own pages) as a write that died in the
    // middle left it: part of the change in the file, the rest in its journal.
    auto leaveHalfWritten = [this] {
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(path("theirs.db")).constData(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_key(db, kKey.constData(), static_cast<int>(kKey.size())), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, "PRAGMA cache_size = 1; BEGIN; UPDATE t SET name = 'changed';"
                                   "INSERT INTO t (name) SELECT name FROM t;", nullptr, nullptr, nullptr),
                  SQLITE_OK);
        ASSERT_TRUE(QFile::exists(path("theirs.db-journal")));
        ASSERT_TRUE(QFile::copy(path("theirs.db"), path("died.db")));
        ASSERT_TRUE(QFile::copy(path("theirs.db-journal"), path("died.db-journal")));
        sqlite3_close(db);   // rolls the original back
    };
    makeFile(path("ours.db"), kKey, {"a", "b"});
    makeWithPassphrase(path("theirs.db"), kKey, 300);
    ASSERT_NO_FATAL_FAILURE(leaveHalfWritten());
    // The half-written file cannot be rolled back for good, which is not
    // damage: opened for reading only, or in a write-protected folder, where
    // the journal that undoes the write cannot be removed.
    const struct {
        const char *what;
        Database::Mode mode;
        bool folderWriteProtected;
    } cannotRollBack[] = {{"opened for reading", Database::Mode::ReadOnly, false},
                          {"folder write-protected", Database::Mode::ReadWrite, true}};
    for (const auto &c : cannotRollBack) {
        SCOPED_TRACE(c.what);
        std::optional<NothingRemoved> folder;
        if (c.folderWriteProtected)
            folder.emplace();
        try {
            Database db;
            db.Open(path("died.db"), c.mode, kKey);
            ADD_FAILURE() << "opened";
        } catch (const DatabaseError &error) {
            EXPECT_EQ(error.kind(), DatabaseError::Kind::CannotRollBack) << error.message().toStdString();
        }
        EXPECT_TRUE(QFile::exists(path("died.db-journal")));
    }
    const struct {
        const char *file;
        int pageSize, records;
    } cases[] = {{"ours.db", kCipherPageSize, 2}, {"theirs.db", kEarlierCipherPageSize, 300},
                 {"died.db", kEarlierCipherPageSize, 300}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        {
            Database db;
            db.Open(path(c.file), Database::Mode::ReadWrite, kKey);
            EXPECT_EQ(db.Value("PRAGMA page_size").toInt(), c.pageSize);
            EXPECT_EQ(db.Value("SELECT count(*) FROM t").toInt(), c.records);
            db.CheckIntegrity();
            Transaction transaction(db);
            db.Execute("INSERT INTO t (name) VALUES ('added')");
            transaction.Commit();
        }
        EXPECT_FALSE(QFile::exists(path(c.file) + "-journal"));
        EXPECT_EQ(countWithPassphrase(path(c.file), kKey, c.pageSize), c.records + 1);
    }
}

TEST_F(DatabaseTest, AKeyPreparedAheadOpensTheFile)
{
    makeFile(path("a.db"), kKey, {"a"});
    test::writeAll(path("short.db"), "x");
    ForgetDerivedKeys();
    for (const char *file : {"a.db", "missing.db", "short.db"}) {
        const KeyPreparation prepared(path(file), kKey);
    }
    EXPECT_EQ(countWithDatabase(path("a.db"), kKey), 1);
    EXPECT_FALSE(QFile::exists(path("missing.db")));
    EXPECT_EQ(test::readAll(path("short.db")), "x");
}

TEST_F(DatabaseTest, RecordWritersAppendAndRewriteInRecordOrder)
{
    makeFile(path("a.db"), {}, {"a", "b", "c", "d"});
    Database db;
    db.Open(path("a.db"), Database::Mode::ReadWrite);
    db.Execute("DELETE FROM t WHERE name = 'b'");   // record order, not ids 1..n
    // Counts the records an UPDATE really writes.
    db.Execute("CREATE TABLE written (name TEXT)");
    db.Execute("CREATE TRIGGER counted AFTER UPDATE ON t BEGIN INSERT INTO written VALUES (new.name); END");
    using Mode = RecordWriter::Mode;
    const struct {
        const char *what;
        Mode mode;
        QStringList names;     // written to the first records in turn
        QStringList after;     // the table's names afterwards
        QStringList written;   // the records an UPDATE wrote
    } cases[] = {
        {"rewrite", Mode::Rewrite, {"a", "x"}, {"a", "x", "d"}, {"a", "x"}},
        {"rewrite what changed", Mode::RewriteChanged, {"a", "y", "d"}, {"a", "y", "d"}, {"y"}},
        {"append", Mode::Append, {"e"}, {"a", "y", "d", "e"}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        db.Execute("DELETE FROM written");
        RecordWriter writer(db, "t", {"name"}, c.mode);
        EXPECT_EQ(writer.RecordCount(), c.mode == Mode::Append ? 0 : 3);
        for (const QString &name : c.names) {
            writer.SetText(0, name);
            writer.Write();
        }
        EXPECT_EQ(names(db), c.after);
        EXPECT_EQ(names(db, "written"), c.written);
    }

    // Joined parts, a text that outgrows the one before it, a value that stays
    // set for the next record, and text beyond ASCII.
    RecordWriter joined(db, "t", {"name", "n"}, Mode::Rewrite);
    joined.SetJoined(0, {u"Jo", u"//", u"", u"3"});
    joined.Set(1, 7);
    joined.Write();
    joined.SetJoined(0, {u"Zo\u00eb Ste\u0301phane", u"//", u"-1\\\\-1"});
    joined.Write();
    joined.SetText(0, u"x");
    joined.Write();
    EXPECT_EQ(names(db), (QStringList{"Jo//3", QString::fromUtf8("Zo\u00eb Ste\u0301phane//-1\\\\-1"), "x", "e"}));
    EXPECT_EQ(db.Value("SELECT sum(n) FROM t").toInt(), 3 * 7);   // the appended record has no n
    EXPECT_EQ(db.Value("SELECT name FROM t WHERE n = 7 ORDER BY rowid LIMIT 1 OFFSET 1").toString(),
              QString::fromUtf8("Zo\u00eb Ste\u0301phane//-1\\\\-1"));

    RecordWriter full(db, "t", {"name", "n"}, Mode::Rewrite);
    EXPECT_THROW(full.Set(2, 1), DatabaseError);   // no third field
    for (int i = 0; i < full.RecordCount(); ++i)
        full.Write();
    try {
        full.Write();
        ADD_FAILURE() << "wrote past the last record";
    } catch (const DatabaseError &error) {
        EXPECT_EQ(error.kind(), DatabaseError::Kind::Missing);
    }
    EXPECT_THROW(RecordWriter(db, "nosuch", {"name"}, Mode::Rewrite), DatabaseError);
    EXPECT_THROW(RecordWriter(db, "t", {"nosuch"}, Mode::Append), DatabaseError);
}

TEST_F(DatabaseTest, RecordReadersReadChosenFieldsInRecordOrder)
{
    makeFile(path("a.db"), {}, {"c", "a", "b"});
    Database db;
    db.Open(path("a.db"), Database::Mode::ReadWrite);
    db.Execute("UPDATE t SET name = NULL WHERE name = 'a'");
    RecordReader reader(db, "t", {"n", "name"});
    QStringList texts;
    QList<QVariant> values;
    while (reader.Next()) {
        texts.append(reader.Text(1));
        values.append(reader.Value(0));
    }
    EXPECT_EQ(texts, (QStringList{"c", "", "b"}));
    EXPECT_EQ(values, (QList<QVariant>{qlonglong(1), qlonglong(1), qlonglong(1)}));
    ASSERT_TRUE(reader.Next());   // after the last record it reads from the first again
    EXPECT_EQ(reader.Text(1), "c");
    EXPECT_THROW(RecordReader(db, "t", {"nosuch"}), DatabaseError);
}
