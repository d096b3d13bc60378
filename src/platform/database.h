#pragma once
// A small database layer over SQLCipher: files opened with or without a key,
// tables opened by name as recordsets whose records come in insertion order,
// records added and edited field by field, and transactions.
//
// Every failing step throws DatabaseError with SQLite's message and the kind
// of failure, so a caller can run a sequence of steps and handle a failure once.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringConverter>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <future>
#include <initializer_list>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

namespace fixtora {

class DatabaseError : public std::runtime_error {
public:
    enum class Kind {
        Other,
        Missing,   // no such table, field or current record
        Busy,      // another connection or program holds a lock on the file
        Damaged,   // not a database with this key, or its pages are damaged
        CannotRollBack,   // a write that did not finish is in the file, and the
                          // file or its folder is write-protected
        DiskFull,         // no room left on the disk
        WriteProtected,   // the file or its folder may not be written
    };
    explicit DatabaseError(const QString &message, Kind kind = Kind::Other);
    QString message() const { return QString::fromUtf8(what()); }
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

// The kind of failure of a system call that set errnum.
DatabaseError::Kind KindOfSystemError(int errnum);

class Database {
public:
    enum class Mode { ReadOnly, ReadWrite, Create };

    Database() = default;
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens the file at path (Create makes it when missing). An empty key opens
    // a plain SQLite file. Fails when the file is not a database or the key is
    // wrong. ReadWrite falls back to reading only for a write-protected file.
    // A file left half-written by a process that died is rolled back to its
    // last committed state when it is first read (ReadWrite only). A lock
    // held elsewhere is waited for briefly, then reported as Busy.
    // An encrypted file is made in pages of kCipherPageSize bytes; one made
    // in SQLCipher's default pages of kEarlierCipherPageSize is read and
    // written in those.
    void Open(const QString &path, Mode mode, const QByteArray &key = {});
    // Opens a second, plain file on the same connection under alias, so one
    // transaction covers both files.
    void Attach(const QString &path, const QString &alias);
    void Close();
    bool IsOpen() const { return m_db != nullptr; }
    // True while a transaction begun on the connection is open.
    bool InTransaction() const;

    void Execute(const QString &sql);
    // The first column of the first row of a query; an invalid QVariant when
    // it gives no row.
    QVariant Value(const QString &sql);
    bool HasTable(const QString &table, const QString &schema = QStringLiteral("main"));
    // Throws a Damaged error unless the file of schema holds every page its
    // header counts and SQLite's own check finds all of them sound.
    void CheckIntegrity(const QString &schema = QStringLiteral("main"));
    sqlite3 *Handle() const { return m_db; }

private:
    void openIn(const QString &path, Mode mode, const QByteArray &key, int pageSize);

    sqlite3 *m_db = nullptr;
};

// How long a database opened from now on waits for a lock held elsewhere
// before it reports Busy: a second unless a test shortens it (0 restores it).
void SetBusyTimeoutForTests(int ms);

inline constexpr int kCipherPageSize = 4096;
inline constexpr int kEarlierCipherPageSize = 1024;

// A statement prepared once and run many times. Parameters are numbered from
// 1 and keep their values from run to run; columns are numbered from 0. A
// statement must not outlive its database.
class Statement {
public:
    Statement(Database &db, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // Binds utf8 as it stands, without a copy: it must stay as it is until the
    // parameter is bound again or the statement goes.
    void BindKeptText(int parameter, const QByteArray &utf8);
    void Bind(int parameter, const QVariant &value);
    // Steps to the next row of a query; false at its end, where the statement
    // is ready to run again.
    bool Next();
    // Runs a change to its end; the statement is then ready to run again.
    void Run();

    // Columns of the current row, read as Recordset::Field reads fields.
    QVariant Value(int column) const;
    QString Text(int column) const;

private:
    sqlite3 *m_db;
    sqlite3_stmt *m_stmt = nullptr;
    QString m_sql;
};

// One transaction: rolled back when it goes out of scope without Commit().
class Transaction {
public:
    // Takes the write lock of every file of the connection at once.
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void Commit();

private:
    Database &m_db;
    bool m_done = false;
};

// A table of an open database, read whole when it is opened. Record i is the
// i-th record added (rowid order). Edit/AddNew start a change of the current
// or a new record, SetField fills it and Update writes it. A recordset must
// not outlive its database.
class Recordset {
public:
    // schema is "main" or the alias of an attached file.
    Recordset(Database &db, const QString &table, const QString &schema = QStringLiteral("main"));
    ~Recordset();
    Recordset(const Recordset &) = delete;
    Recordset &operator=(const Recordset &) = delete;

    int RecordCount() const { return static_cast<int>(m_rows.size()); }
    bool HasField(const QString &name) const { return m_fields.contains(name); }

    void MoveFirst();
    void MoveNext();
    bool Eof() const { return m_current >= m_rows.size(); }

    // Field of the current record; text fields read back as QString, integers
    // as qlonglong, NULL as an invalid QVariant.
    QVariant Field(const QString &name) const;

    void AddNew();
    void Edit();
    void SetField(const QString &name, const QVariant &value);
    void Update();

private:
    enum class Change { None, Adding, Editing };

    int fieldIndex(const QString &name) const;
    sqlite3_stmt *prepare(sqlite3_stmt *&cache, const std::function<QString()> &sql);
    void bindBuffer(sqlite3_stmt *stmt);

    Database &m_db;
    QString m_table;  // quoted schema.table
    QStringList m_fields;
    QList<qint64> m_rowIds;
    QList<QList<QVariant>> m_rows;
    qsizetype m_current = 0;
    Change m_change = Change::None;
    QList<QVariant> m_buffer;
    sqlite3_stmt *m_insert = nullptr;
    sqlite3_stmt *m_update = nullptr;
};

// ---- Keys of encrypted files -------------------------------------------------------
//
// SQLCipher turns a passphrase into a file's key with many thousands of rounds
// of key derivation, salted with 16 random bytes it keeps at the start of the
// file. Database derives that key itself, in the same way and at the same
// cost, and keeps it in memory for the salt: a file opened again (the open
// league, saved over and over) is then keyed at once. A new file gets a fresh
// random salt and its full derivation, as SQLCipher would give it.

// Derives the key of the encrypted file at path on another thread, for an
// Open of it that comes later (which then waits for it rather than deriving
// it again). Nothing is done for a file whose key is known or that holds no
// salt. The object waits for the derivation when it goes, so no thread
// outlives it.
class KeyPreparation {
public:
    KeyPreparation(const QString &path, const QByteArray &key);
    ~KeyPreparation();
    KeyPreparation(const KeyPreparation &) = delete;
    KeyPreparation &operator=(const KeyPreparation &) = delete;

private:
    std::shared_future<QByteArray> m_key;
};

// Forgets every key derived so far, so the next open of each file derives it
// again (for measuring a first open).
void ForgetDerivedKeys();

// Writes chosen fields of one table's records through one statement prepared
// once: Append adds new records; Rewrite changes the table's records one after
// another in record order (the records are counted when it opens). With
// RewriteChanged a record whose fields already hold the values is not
// written at all, so a save changes (and journals) only what changed.
class RecordWriter {
public:
    enum class Mode { Append, Rewrite, RewriteChanged };
    RecordWriter(Database &db, const QString &table, const QStringList &fields, Mode mode,
                 const QString &schema = QStringLiteral("main"));

    // Records the table held when the writer opened (rewriting only).
    int RecordCount() const { return static_cast<int>(m_rowIds.size()); }
    // Sets field (its place in fields) for the next Write; a value stays set
    // until it is set again. A text is kept in the writer's own buffer for
    // the field, so setting one costs no allocation once the buffer is grown.
    void SetText(int field, QStringView text) { SetJoined(field, {text}); }
    // Sets field to the parts joined into one text.
    void SetJoined(int field, std::initializer_list<QStringView> parts);
    void Set(int field, const QVariant &value);
    // Appends a record, or rewrites the next one in record order.
    void Write();

private:
    int parameterOf(int field) const;

    QList<QByteArray> m_texts;   // bound to the statement as they stand
    QStringEncoder m_utf8{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
    Statement m_statement;
    QList<qint64> m_rowIds;
    qsizetype m_next = 0;
    int m_fieldCount;
    int m_rowIdParameter;
};

// Reads chosen fields of one table's records in record order through one
// statement.
class RecordReader {
public:
    RecordReader(Database &db, const QString &table, const QStringList &fields,
                 const QString &schema = QStringLiteral("main"));
    // Moves to the next record: false after the last.
    bool Next() { return m_statement.Next(); }
    // Field (its place in fields) of the record moved to.
    QString Text(int field) const { return m_statement.Text(field); }
    QVariant Value(int field) const { return m_statement.Value(field); }

private:
    Statement m_statement;
};

// ---- Files beside a database ------------------------------------------------------

// An exclusive advisory lock (flock) on a file, held while the object lives.
// It does not touch SQLite's own locks, so it may guard a database file that
// SQLite has open; it marks a file as owned by a running process.
class FileLock {
public:
    // Opens path and takes the lock without waiting.
    explicit FileLock(const QString &path);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    // False when another open of the file holds the lock or it cannot be opened.
    bool IsHeld() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// Renames from to to, replacing a file there in one step; throws DatabaseError.
void ReplaceFile(const QString &from, const QString &to);

// Makes to a second name of the file at from (a copy where the file system has
// no hard links); throws DatabaseError.
void LinkFile(const QString &from, const QString &to);

// Makes the folder's entries (new names, renames, removals) durable.
void SyncFolder(const QString &folder);

} // namespace fixtora
