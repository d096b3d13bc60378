#include "platform/database.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace fixtora {

namespace {

QString quoted(const QString &identifier)
{
    QString text = identifier;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString quotedLiteral(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

// How long a lock held elsewhere is waited for before the step fails.
constexpr int kBusyTimeoutMs = 1000;

DatabaseError::Kind kindOf(int code)
{
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DatabaseError::Kind::Busy;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return DatabaseError::Kind::Damaged;
    default:
        return DatabaseError::Kind::Other;
    }
}

[[noreturn]] void fail(sqlite3 *db, const QString &what)
{
    const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
    throw DatabaseError(what + QStringLiteral(": ") + detail,
                        db ? kindOf(sqlite3_errcode(db)) : DatabaseError::Kind::Other);
}

[[noreturn]] void missing(const QString &what)
{
    throw DatabaseError(what, DatabaseError::Kind::Missing);
}

[[noreturn]] void failFile(const QString &what)
{
    throw DatabaseError(what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno)));
}

// Runs a statement to its end; the rows of a query are passed to onRow.
template <typename OnRow>
void runStatement(sqlite3 *db, const QString &sql, OnRow onRow)
{
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        fail(db, sql);
    }
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        onRow(stmt);
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE)
        fail(db, sql);
}

QVariant columnValue(sqlite3_stmt *stmt, int column)
{
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant::fromValue<qlonglong>(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt, column);
    case SQLITE_TEXT:
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, column)),
                                 sqlite3_column_bytes(stmt, column));
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char *>(sqlite3_column_blob(stmt, column)),
                          sqlite3_column_bytes(stmt, column));
    default:
        return {};
    }
}

void bindValue(sqlite3_stmt *stmt, int index, const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        sqlite3_bind_null(stmt, index);
        break;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Bool:
        sqlite3_bind_int64(stmt, index, value.toLongLong());
        break;
    case QMetaType::Double:
        sqlite3_bind_double(stmt, index, value.toDouble());
        break;
    default: {
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text(stmt, index, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    }
}

} // namespace

DatabaseError::DatabaseError(const QString &message, Kind kind) : std::runtime_error(message.toStdString()), m_kind(kind)
{
}

// ---- Database -------------------------------------------------------------------

Database::~Database()
{
    Close();
}

void Database::Open(const QString &path, Mode mode, const QByteArray &key)
{
    Close();
    int flags = SQLITE_OPEN_READONLY;
    if (mode == Mode::ReadWrite)
        flags = SQLITE_OPEN_READWRITE;
    else if (mode == Mode::Create)
        flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr);
    try {
        if (rc != SQLITE_OK)
            fail(m_db, QStringLiteral("Cannot open ") + path);
        sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
        if (!key.isEmpty() && sqlite3_key(m_db, key.constData(), static_cast<int>(key.size())) != SQLITE_OK)
            fail(m_db, QStringLiteral("Cannot key ") + path);
        // The first read tells a database with this key from anything else.
        runStatement(m_db, QStringLiteral("SELECT count(*) FROM sqlite_master"), [](sqlite3_stmt *) {});
    } catch (...) {
        Close();
        throw;
    }
}

void Database::Attach(const QString &path, const QString &alias, const QByteArray &key)
{
    Execute(QStringLiteral("ATTACH DATABASE %1 AS %2 KEY %3")
                .arg(quotedLiteral(path), quoted(alias), quotedLiteral(QString::fromUtf8(key))));
    runStatement(m_db, QStringLiteral("SELECT count(*) FROM %1.sqlite_master").arg(quoted(alias)),
                 [](sqlite3_stmt *) {});
}

void Database::Close()
{
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

bool Database::InTransaction() const
{
    return m_db && !sqlite3_get_autocommit(m_db);
}

void Database::Execute(const QString &sql)
{
    if (!m_db)
        throw DatabaseError(QStringLiteral("No database is open"));
    runStatement(m_db, sql, [](sqlite3_stmt *) {});
}

QVariant Database::Value(const QString &sql)
{
    if (!m_db)
        throw DatabaseError(QStringLiteral("No database is open"));
    QVariant value;
    bool first = true;
    runStatement(m_db, sql, [&](sqlite3_stmt *stmt) {
        if (first)
            value = columnValue(stmt, 0);
        first = false;
    });
    return value;
}

bool Database::HasTable(const QString &table, const QString &schema)
{
    return Value(QStringLiteral("SELECT 1 FROM %1.sqlite_master WHERE type = 'table' AND name = %2")
                     .arg(quoted(schema), quotedLiteral(table)))
        .isValid();
}

void Database::CheckIntegrity(const QString &schema)
{
    if (!m_db)
        throw DatabaseError(QStringLiteral("No database is open"));
    const QString file = QString::fromUtf8(sqlite3_db_filename(m_db, schema.toUtf8().constData()));
    const qint64 pages = Value(QStringLiteral("PRAGMA %1.page_count").arg(quoted(schema))).toLongLong();
    const qint64 pageSize = Value(QStringLiteral("PRAGMA %1.page_size").arg(quoted(schema))).toLongLong();
    if (QFileInfo(file).size() < pages * pageSize)
        throw DatabaseError(file + QStringLiteral(" is shorter than the pages it counts"), DatabaseError::Kind::Damaged);
    const QString verdict = Value(QStringLiteral("PRAGMA %1.quick_check(1)").arg(quoted(schema))).toString();
    if (verdict != QLatin1String("ok"))
        throw DatabaseError(file + QStringLiteral(" is damaged: ") + verdict, DatabaseError::Kind::Damaged);
}

// ---- Transaction ------------------------------------------------------------------

Transaction::Transaction(Database &db) : m_db(db)
{
    m_db.Execute(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction()
{
    if (!m_done && m_db.IsOpen())
        sqlite3_exec(m_db.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::Commit()
{
    m_db.Execute(QStringLiteral("COMMIT"));
    m_done = true;
}

// ---- Recordset --------------------------------------------------------------------

Recordset::Recordset(Database &db, const QString &table, const QString &schema)
    : m_db(db), m_table(quoted(schema) + QLatin1Char('.') + quoted(table))
{
    if (!db.IsOpen())
        throw DatabaseError(QStringLiteral("No database is open"));
    sqlite3 *handle = db.Handle();

    bool found = false;
    runStatement(handle,
                 QStringLiteral("SELECT 1 FROM %1.sqlite_master WHERE type = 'table' AND name = %2")
                     .arg(quoted(schema), quotedLiteral(table)),
                 [&](sqlite3_stmt *) { found = true; });
    if (!found)
        missing(QStringLiteral("No table ") + table);

    // The integer primary key is the rowid itself, not a field.
    QStringList keyFields;
    runStatement(handle, QStringLiteral("PRAGMA %1.table_info(%2)").arg(quoted(schema), quoted(table)),
                 [&](sqlite3_stmt *stmt) {
                     const QString name = columnValue(stmt, 1).toString();
                     const bool integerKey = sqlite3_column_int(stmt, 5) > 0
                         && columnValue(stmt, 2).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0;
                     (integerKey ? keyFields : m_fields).append(name);
                 });
    if (keyFields.size() > 1)
        m_fields = keyFields + m_fields;

    QStringList columns{QStringLiteral("rowid")};
    for (const QString &field : m_fields)
        columns.append(quoted(field));
    runStatement(handle, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(columns.join(u','), m_table),
                 [&](sqlite3_stmt *stmt) {
                     m_rowIds.append(sqlite3_column_int64(stmt, 0));
                     QList<QVariant> row;
                     row.reserve(m_fields.size());
                     for (int i = 0; i < m_fields.size(); ++i)
                         row.append(columnValue(stmt, i + 1));
                     m_rows.append(row);
                 });
}

Recordset::~Recordset()
{
    sqlite3_finalize(m_insert);
    sqlite3_finalize(m_update);
}

void Recordset::MoveFirst()
{
    if (m_rows.isEmpty())
        missing(QStringLiteral("No current record in ") + m_table);
    m_current = 0;
}

void Recordset::MoveNext()
{
    if (Eof())
        missing(QStringLiteral("No current record in ") + m_table);
    ++m_current;
}

int Recordset::fieldIndex(const QString &name) const
{
    const qsizetype index = m_fields.indexOf(name);
    if (index < 0)
        missing(QStringLiteral("No field %1 in %2").arg(name, m_table));
    return static_cast<int>(index);
}

QVariant Recordset::Field(const QString &name) const
{
    const int index = fieldIndex(name);
    if (Eof())
        missing(QStringLiteral("No current record in ") + m_table);
    return m_rows[m_current][index];
}

void Recordset::AddNew()
{
    m_buffer = QList<QVariant>(m_fields.size());
    m_change = Change::Adding;
}

void Recordset::Edit()
{
    if (Eof())
        missing(QStringLiteral("No current record in ") + m_table);
    m_buffer = m_rows[m_current];
    m_change = Change::Editing;
}

void Recordset::SetField(const QString &name, const QVariant &value)
{
    if (m_change == Change::None)
        throw DatabaseError(QStringLiteral("No record is being changed in ") + m_table);
    m_buffer[fieldIndex(name)] = value;
}

sqlite3_stmt *Recordset::prepare(sqlite3_stmt *&cache, const QString &sql)
{
    if (!cache && sqlite3_prepare_v2(m_db.Handle(), sql.toUtf8().constData(), -1, &cache, nullptr) != SQLITE_OK) {
        sqlite3_finalize(cache);
        cache = nullptr;
        fail(m_db.Handle(), sql);
    }
    return cache;
}

void Recordset::bindBuffer(sqlite3_stmt *stmt)
{
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    for (int i = 0; i < m_buffer.size(); ++i)
        bindValue(stmt, i + 1, m_buffer[i]);
}

void Recordset::Update()
{
    QStringList names;
    for (const QString &field : m_fields)
        names.append(quoted(field));
    sqlite3_stmt *stmt = nullptr;
    if (m_change == Change::Adding) {
        QStringList marks;
        for (int i = 1; i <= m_fields.size(); ++i)
            marks.append(QLatin1Char('?') + QString::number(i));
        stmt = prepare(m_insert, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                     .arg(m_table, names.join(u','), marks.join(u',')));
        bindBuffer(stmt);
    } else if (m_change == Change::Editing) {
        QStringList sets;
        for (int i = 0; i < m_fields.size(); ++i)
            sets.append(names[i] + QStringLiteral("=?") + QString::number(i + 1));
        stmt = prepare(m_update, QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?%3")
                                     .arg(m_table, sets.join(u','), QString::number(m_fields.size() + 1)));
        bindBuffer(stmt);
        sqlite3_bind_int64(stmt, static_cast<int>(m_fields.size()) + 1, m_rowIds[m_current]);
    } else {
        throw DatabaseError(QStringLiteral("No record is being changed in ") + m_table);
    }
    if (sqlite3_step(stmt) != SQLITE_DONE)
        fail(m_db.Handle(), QStringLiteral("Cannot write to ") + m_table);
    sqlite3_reset(stmt);

    if (m_change == Change::Adding) {
        m_rowIds.append(sqlite3_last_insert_rowid(m_db.Handle()));
        m_rows.append(m_buffer);
    } else {
        m_rows[m_current] = m_buffer;
    }
    m_change = Change::None;
}

// ---- Files beside a database ------------------------------------------------------

FileLock::FileLock(const QString &path)
{
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void ReplaceFile(const QString &from, const QString &to)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        failFile(QStringLiteral("Cannot write ") + to);
}

void LinkFile(const QString &from, const QString &to)
{
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return;
    if (errno == EEXIST || !QFile::copy(from, to))
        failFile(QStringLiteral("Cannot keep a copy of ") + from);
    const int fd = ::open(QFile::encodeName(to).constData(), O_RDONLY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!synced)
        failFile(QStringLiteral("Cannot keep a copy of ") + from);
}

void SyncFolder(const QString &folder)
{
    // Some file systems cannot sync a folder; the names are then as durable
    // as the file system makes them.
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace fixtora
