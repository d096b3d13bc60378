#include "platform/database.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <openssl/evp.h>
#include <openssl/rand.h>
#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <utility>

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
int busyTimeoutMs = kBusyTimeoutMs;

// code: an extended result code. A journal that cannot be removed (its
// folder is write-protected) stays hot: the write it undoes is not undone
// for good, so it is what a write-protected file gives.
DatabaseError::Kind kindOf(int code)
{
    if (code == SQLITE_READONLY_ROLLBACK || code == SQLITE_IOERR_DELETE)
        return DatabaseError::Kind::CannotRollBack;
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
                        db ? kindOf(sqlite3_extended_errcode(db)) : DatabaseError::Kind::Other);
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

// A text column as it was written: QString::fromUtf8 would drop a leading
// U+FEFF as a byte-order mark.
QString columnText(sqlite3_stmt *stmt, int column)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(sqlite3_column_text(stmt, column)),
                               sqlite3_column_bytes(stmt, column));
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return utf8(bytes);
}

QVariant columnValue(sqlite3_stmt *stmt, int column)
{
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant::fromValue<qlonglong>(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt, column);
    case SQLITE_TEXT:
        return columnText(stmt, column);
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

// ---- Statements of a table -------------------------------------------------------

// "INSERT INTO table (f1,f2) VALUES (?1,?2)"
QString insertSql(const QString &table, const QStringList &fields)
{
    QStringList names, marks;
    for (int i = 0; i < fields.size(); ++i) {
        names.append(quoted(fields[i]));
        marks.append(QLatin1Char('?') + QString::number(i + 1));
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, names.join(u','), marks.join(u','));
}

// "UPDATE table SET f1=?1,f2=?2 WHERE rowid=?3", and with onlyChanged
// "... AND (f1 IS NOT ?1 OR f2 IS NOT ?2)": a record that already holds the
// values is then left unwritten.
QString updateSql(const QString &table, const QStringList &fields, bool onlyChanged)
{
    QStringList sets, changes;
    for (int i = 0; i < fields.size(); ++i) {
        const QString mark = QLatin1Char('?') + QString::number(i + 1);
        sets.append(quoted(fields[i]) + QLatin1Char('=') + mark);
        changes.append(quoted(fields[i]) + QStringLiteral(" IS NOT ") + mark);
    }
    QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?%3")
                      .arg(table, sets.join(u','), QString::number(fields.size() + 1));
    if (onlyChanged)
        sql += QStringLiteral(" AND (%1)").arg(changes.join(QStringLiteral(" OR ")));
    return sql;
}

// ---- Keys ----------------------------------------------------------------------

constexpr int kSaltSize = 16;      // at the start of every encrypted file
constexpr int kKeySize = 32;       // AES-256
constexpr qsizetype kKeptKeys = 16;

// SQLCipher 3 derives a key with PBKDF2-HMAC-SHA1 over the rounds it reports
// as its default. Another major version derives differently: 0 then, and the
// passphrase is handed to SQLCipher as it is.
int derivationRounds()
{
    static const int rounds = [] {
        sqlite3 *db = nullptr;
        QString version;
        int iterations = 0;
        try {
            if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
                runStatement(db, QStringLiteral("PRAGMA cipher_version"),
                             [&](sqlite3_stmt *stmt) { version = columnValue(stmt, 0).toString(); });
                runStatement(db, QStringLiteral("PRAGMA cipher_default_kdf_iter"),
                             [&](sqlite3_stmt *stmt) { iterations = sqlite3_column_int(stmt, 0); });
            }
        } catch (const DatabaseError &) {
            iterations = 0;
        }
        sqlite3_close(db);
        return version.startsWith(QLatin1String("3.")) ? iterations : 0;
    }();
    return rounds;
}

// The raw key SQLCipher takes for passphrase and salt, "x'<key><salt>'" in
// hexadecimal; empty when it cannot be derived.
QByteArray deriveKey(const QByteArray &passphrase, const QByteArray &salt)
{
    QByteArray key(kKeySize, Qt::Uninitialized);
    if (PKCS5_PBKDF2_HMAC_SHA1(passphrase.constData(), static_cast<int>(passphrase.size()),
                               reinterpret_cast<const unsigned char *>(salt.constData()),
                               static_cast<int>(salt.size()), derivationRounds(), kKeySize,
                               reinterpret_cast<unsigned char *>(key.data()))
        != 1)
        return {};
    return QByteArrayLiteral("x'") + key.toHex() + salt.toHex() + '\'';
}

// The keys derived so far, the most recent last.
struct DerivedKeys {
    std::mutex mutex;
    QList<std::pair<QByteArray, std::shared_future<QByteArray>>> keys;
};

DerivedKeys &derivedKeys()
{
    static DerivedKeys keys;
    return keys;
}

// The derivation of passphrase with salt: the one known or under way, else a
// new one, run as launch says.
std::shared_future<QByteArray> derivation(const QByteArray &passphrase, const QByteArray &salt, std::launch launch)
{
    const QByteArray id = salt + passphrase;
    std::shared_future<QByteArray> forgotten;   // waited for once the lock is released
    DerivedKeys &cache = derivedKeys();
    const std::lock_guard lock(cache.mutex);
    for (const auto &[known, key] : cache.keys)
        if (known == id)
            return key;
    std::shared_future<QByteArray> key = std::async(launch, deriveKey, passphrase, salt).share();
    cache.keys.append({id, key});
    if (cache.keys.size() > kKeptKeys)
        forgotten = cache.keys.takeFirst().second;
    return key;
}

// The salt kept by the main file of db, read through the connection's own
// file (no second open of it, which would drop the locks this process holds
// on it): empty when the file is shorter than a salt. An empty file gets a
// fresh random one (its first write stores it) when fresh is set.
QByteArray saltOf(sqlite3 *db, bool fresh)
{
    sqlite3_file *file = nullptr;
    sqlite3_int64 size = 0;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file
        || !file->pMethods || file->pMethods->xFileSize(file, &size) != SQLITE_OK)
        return {};
    QByteArray salt(kSaltSize, Qt::Uninitialized);
    auto *bytes = reinterpret_cast<unsigned char *>(salt.data());
    if (size == 0)
        return fresh && RAND_bytes(bytes, kSaltSize) == 1 ? salt : QByteArray();
    if (size < kSaltSize || file->pMethods->xRead(file, bytes, kSaltSize, 0) != SQLITE_OK)
        return {};
    return salt;
}

// The page size of the rollback journal that a write which did not finish
// left beside the file at path (0 when there is none, or none SQLite would
// read). SQLite rolls such a journal back in the page size it records, so the
// file must be opened in that size: keyed for another, SQLCipher would then
// read pages larger than the ones SQLite holds.
int journalPageSize(const QString &path)
{
    static const QByteArray magic = QByteArray::fromHex("d9d505f920a163d7");
    constexpr int kPageSizeAt = 24;
    QFile journal(path + QStringLiteral("-journal"));
    if (!journal.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = journal.read(kPageSizeAt + 4);
    if (header.size() < kPageSizeAt + 4 || !header.startsWith(magic))
        return 0;
    const auto *size = reinterpret_cast<const unsigned char *>(header.constData() + kPageSizeAt);
    return static_cast<int>((quint32(size[0]) << 24) | (quint32(size[1]) << 16) | (quint32(size[2]) << 8) | size[3]);
}

// What db's main file is keyed with: the raw key derived from passphrase and
// the file's salt, or the passphrase itself where that cannot be had.
QByteArray keyFor(sqlite3 *db, const QByteArray &passphrase)
{
    if (passphrase.startsWith("x'") || derivationRounds() <= 0)
        return passphrase;
    const QByteArray salt = saltOf(db, true);
    if (salt.isEmpty())
        return passphrase;
    const QByteArray key = derivation(passphrase, salt, std::launch::deferred).get();
    return key.isEmpty() ? passphrase : key;
}

} // namespace

void SetBusyTimeoutForTests(int ms)
{
    busyTimeoutMs = ms > 0 ? ms : kBusyTimeoutMs;
}

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
    if (key.isEmpty()) {
        openIn(path, mode, key, 0);
        return;
    }
    const int journal = journalPageSize(path);
    if (journal == kCipherPageSize || journal == kEarlierCipherPageSize) {
        openIn(path, mode, key, journal);
        return;
    }
    try {
        openIn(path, mode, key, kCipherPageSize);
    } catch (const DatabaseError &error) {
        // A file in the earlier pages does not read as a database in these.
        if (error.kind() != DatabaseError::Kind::Damaged)
            throw;
        openIn(path, mode, key, kEarlierCipherPageSize);
    }
}

void Database::openIn(const QString &path, Mode mode, const QByteArray &key, int pageSize)
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
        sqlite3_busy_timeout(m_db, busyTimeoutMs);
        if (!key.isEmpty()) {
            const QByteArray fileKey = keyFor(m_db, key);
            if (sqlite3_key(m_db, fileKey.constData(), static_cast<int>(fileKey.size())) != SQLITE_OK)
                fail(m_db, QStringLiteral("Cannot key ") + path);
            runStatement(m_db, QStringLiteral("PRAGMA cipher_page_size = %1").arg(pageSize), [](sqlite3_stmt *) {});
        }
        // The first read tells a database with this key from anything else.
        runStatement(m_db, QStringLiteral("SELECT count(*) FROM sqlite_master"), [](sqlite3_stmt *) {});
    } catch (...) {
        Close();
        throw;
    }
}

void Database::Attach(const QString &path, const QString &alias)
{
    // Without an empty key SQLCipher would key the file with the main file's.
    Execute(QStringLiteral("ATTACH DATABASE %1 AS %2 KEY ''").arg(quotedLiteral(path), quoted(alias)));
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

// ---- Statement --------------------------------------------------------------------

Statement::Statement(Database &db, const QString &sql) : m_db(db.Handle()), m_sql(sql)
{
    if (!m_db)
        throw DatabaseError(QStringLiteral("No database is open"));
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &m_stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        fail(m_db, sql);
    }
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

void Statement::BindKeptText(int parameter, const QByteArray &utf8)
{
    if (sqlite3_bind_text(m_stmt, parameter, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_STATIC)
        != SQLITE_OK)
        fail(m_db, m_sql);
}

void Statement::Bind(int parameter, const QVariant &value)
{
    if (parameter < 1 || parameter > sqlite3_bind_parameter_count(m_stmt))
        throw DatabaseError(QStringLiteral("No parameter %1 in %2").arg(parameter).arg(m_sql));
    bindValue(m_stmt, parameter, value);
}

bool Statement::Next()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    sqlite3_reset(m_stmt);
    if (rc != SQLITE_DONE)
        fail(m_db, m_sql);
    return false;
}

void Statement::Run()
{
    while (Next()) {
    }
}

QVariant Statement::Value(int column) const
{
    return columnValue(m_stmt, column);
}

QString Statement::Text(int column) const
{
    return columnText(m_stmt, column);
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

sqlite3_stmt *Recordset::prepare(sqlite3_stmt *&cache, const std::function<QString()> &sql)
{
    if (cache)
        return cache;
    const QString text = sql();
    if (sqlite3_prepare_v2(m_db.Handle(), text.toUtf8().constData(), -1, &cache, nullptr) != SQLITE_OK) {
        sqlite3_finalize(cache);
        cache = nullptr;
        fail(m_db.Handle(), text);
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
    sqlite3_stmt *stmt = nullptr;
    if (m_change == Change::Adding) {
        stmt = prepare(m_insert, [&] { return insertSql(m_table, m_fields); });
        bindBuffer(stmt);
    } else if (m_change == Change::Editing) {
        stmt = prepare(m_update, [&] { return updateSql(m_table, m_fields, false); });
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

// ---- Keys of encrypted files ------------------------------------------------------

KeyPreparation::KeyPreparation(const QString &path, const QByteArray &key)
{
    if (key.isEmpty() || key.startsWith("x'") || derivationRounds() <= 0)
        return;
    sqlite3 *db = nullptr;
    QByteArray salt;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK)
        salt = saltOf(db, false);
    sqlite3_close(db);
    if (salt.size() == kSaltSize)
        m_key = derivation(key, salt, std::launch::async);
}

KeyPreparation::~KeyPreparation()
{
    if (m_key.valid())
        m_key.wait();
}

void ForgetDerivedKeys()
{
    DerivedKeys &cache = derivedKeys();
    decltype(cache.keys) forgotten;   // waited for once the lock is released
    const std::lock_guard lock(cache.mutex);
    forgotten.swap(cache.keys);
}

// ---- RecordWriter -----------------------------------------------------------------

namespace {

QString writerSql(const QString &table, const QStringList &fields, RecordWriter::Mode mode)
{
    if (mode == RecordWriter::Mode::Append)
        return insertSql(table, fields);
    return updateSql(table, fields, mode == RecordWriter::Mode::RewriteChanged);
}

} // namespace

RecordWriter::RecordWriter(Database &db, const QString &table, const QStringList &fields, Mode mode,
                           const QString &schema)
    : m_statement(db, writerSql(quoted(schema) + QLatin1Char('.') + quoted(table), fields, mode)),
      m_fieldCount(static_cast<int>(fields.size())),
      m_rowIdParameter(mode == Mode::Append ? 0 : m_fieldCount + 1)
{
    m_texts.resize(m_fieldCount);
    if (mode == Mode::Append)
        return;
    Statement rowIds(db, QStringLiteral("SELECT rowid FROM %1.%2 ORDER BY rowid").arg(quoted(schema), quoted(table)));
    while (rowIds.Next())
        m_rowIds.append(rowIds.Value(0).toLongLong());
}

void RecordWriter::SetJoined(int field, std::initializer_list<QStringView> parts)
{
    const int parameter = parameterOf(field);
    QByteArray &text = m_texts[field];
    qsizetype room = 0;
    for (const QStringView part : parts)
        room += m_utf8.requiredSpace(part.size());
    text.resize(room);   // keeps what the buffer has grown to
    char *end = text.data();
    for (const QStringView part : parts)
        end = m_utf8.appendToBuffer(end, part);
    text.resize(end - text.constData());
    m_statement.BindKeptText(parameter, text);
}

void RecordWriter::Set(int field, const QVariant &value)
{
    m_statement.Bind(parameterOf(field), value);
}

int RecordWriter::parameterOf(int field) const
{
    if (field < 0 || field >= m_fieldCount)
        missing(QStringLiteral("No field %1 to write").arg(field));
    return field + 1;
}

void RecordWriter::Write()
{
    if (m_rowIdParameter > 0) {
        if (m_next >= m_rowIds.size())
            missing(QStringLiteral("No record left to rewrite"));
        m_statement.Bind(m_rowIdParameter, QVariant::fromValue<qlonglong>(m_rowIds[m_next++]));
    }
    m_statement.Run();
}

// ---- RecordReader -----------------------------------------------------------------

namespace {

// The fields are named through the table, so that a field it does not have is
// an error rather than a quoted text.
QString readerSql(const QString &table, const QStringList &fields)
{
    QStringList names;
    for (const QString &field : fields)
        names.append(QStringLiteral("r.") + quoted(field));
    return QStringLiteral("SELECT %1 FROM %2 AS r ORDER BY r.rowid").arg(names.join(u','), table);
}

} // namespace

RecordReader::RecordReader(Database &db, const QString &table, const QStringList &fields, const QString &schema)
    : m_statement(db, readerSql(quoted(schema) + QLatin1Char('.') + quoted(table), fields))
{
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
