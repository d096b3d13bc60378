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
#include <QStringList>
#include <QVariant>

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
    };
    explicit DatabaseError(const QString &message, Kind kind = Kind::Other);
    QString message() const { return QString::fromUtf8(what()); }
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

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
    void Open(const QString &path, Mode mode, const QByteArray &key = {});
    // Opens a second file on the same connection under alias, so one
    // transaction covers both files; an empty key attaches a plain file.
    void Attach(const QString &path, const QString &alias, const QByteArray &key);
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
    sqlite3 *m_db = nullptr;
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
    sqlite3_stmt *prepare(sqlite3_stmt *&cache, const QString &sql);
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
