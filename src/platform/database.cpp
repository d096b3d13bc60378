#include "platform/database.h"

#include "platform/databasekeys.h"
#include "platform/sqlitecalls.h"

#include <QFile>
#include <QFileInfo>

#include <utility>

namespace fixtora {

using namespace sql;

namespace {

// How long a lock held elsewhere is waited for before the step fails.
constexpr int kBusyTimeoutMs = 1000;
int busyTimeoutMs = kBusyTimeoutMs;

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
    const int journal = JournalPageSize(path);
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
            Fail(m_db, QStringLiteral("Cannot open ") + path);
        sqlite3_busy_timeout(m_db, busyTimeoutMs);
        if (!key.isEmpty()) {
            const QByteArray fileKey = KeyFor(m_db, key);
            if (sqlite3_key(m_db, fileKey.constData(), static_cast<int>(fileKey.size())) != SQLITE_OK)
                Fail(m_db, QStringLiteral("Cannot key ") + path);
            RunStatement(m_db, QStringLiteral("PRAGMA cipher_page_size = %1").arg(pageSize), [](sqlite3_stmt *) {});
        }
        // The first read tells a database with this key from anything else.
        RunStatement(m_db, QStringLiteral("SELECT count(*) FROM sqlite_master"), [](sqlite3_stmt *) {});
    } catch (...) {
        Close();
        throw;
    }
}

void Database::Attach(const QString &path, const QString &alias)
{
    // Without an empty key SQLCipher would key the file with the main file's.
    Execute(QStringLiteral("ATTACH DATABASE %1 AS %2 KEY ''").arg(QuotedLiteral(path), Quoted(alias)));
    RunStatement(m_db, QStringLiteral("SELECT count(*) FROM %1.sqlite_master").arg(Quoted(alias)),
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
    RunStatement(m_db, sql, [](sqlite3_stmt *) {});
}

QVariant Database::Value(const QString &sql)
{
    if (!m_db)
        throw DatabaseError(QStringLiteral("No database is open"));
    QVariant value;
    bool first = true;
    RunStatement(m_db, sql, [&](sqlite3_stmt *stmt) {
        if (first)
            value = ColumnValue(stmt, 0);
        first = false;
    });
    return value;
}

bool Database::HasTable(const QString &table, const QString &schema)
{
    return Value(QStringLiteral("SELECT 1 FROM %1.sqlite_master WHERE type = 'table' AND name = %2")
                     .arg(Quoted(schema), QuotedLiteral(table)))
        .isValid();
}

void Database::CheckIntegrity(const QString &schema)
{
    if (!m_db)
        throw DatabaseError(QStringLiteral("No database is open"));
    const QString file = QString::fromUtf8(sqlite3_db_filename(m_db, schema.toUtf8().constData()));
    const qint64 pages = Value(QStringLiteral("PRAGMA %1.page_count").arg(Quoted(schema))).toLongLong();
    const qint64 pageSize = Value(QStringLiteral("PRAGMA %1.page_size").arg(Quoted(schema))).toLongLong();
    if (QFileInfo(file).size() < pages * pageSize)
        throw DatabaseError(file + QStringLiteral(" is shorter than the pages it counts"), DatabaseError::Kind::Damaged);
    const QString verdict = Value(QStringLiteral("PRAGMA %1.quick_check(1)").arg(Quoted(schema))).toString();
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
        Fail(m_db, sql);
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
        Fail(m_db, m_sql);
}

void Statement::Bind(int parameter, const QVariant &value)
{
    if (parameter < 1 || parameter > sqlite3_bind_parameter_count(m_stmt))
        throw DatabaseError(QStringLiteral("No parameter %1 in %2").arg(parameter).arg(m_sql));
    BindValue(m_stmt, parameter, value);
}

bool Statement::Next()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    sqlite3_reset(m_stmt);
    if (rc != SQLITE_DONE)
        Fail(m_db, m_sql);
    return false;
}

void Statement::Run()
{
    while (Next()) {
    }
}

QVariant Statement::Value(int column) const
{
    return ColumnValue(m_stmt, column);
}

QString Statement::Text(int column) const
{
    return ColumnText(m_stmt, column);
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
    : m_db(db), m_table(Quoted(schema) + QLatin1Char('.') + Quoted(table))
{
    if (!db.IsOpen())
        throw DatabaseError(QStringLiteral("No database is open"));
    sqlite3 *handle = db.Handle();

    bool found = false;
    RunStatement(handle,
                 QStringLiteral("SELECT 1 FROM %1.sqlite_master WHERE type = 'table' AND name = %2")
                     .arg(Quoted(schema), QuotedLiteral(table)),
                 [&](sqlite3_stmt *) { found = true; });
    if (!found)
        Missing(QStringLiteral("No table ") + table);

    // The integer primary key is the rowid itself, not a field.
    QStringList keyFields;
    RunStatement(handle, QStringLiteral("PRAGMA %1.table_info(%2)").arg(Quoted(schema), Quoted(table)),
                 [&](sqlite3_stmt *stmt) {
                     const QString name = ColumnValue(stmt, 1).toString();
                     const bool integerKey = sqlite3_column_int(stmt, 5) > 0
                         && ColumnValue(stmt, 2).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0;
                     (integerKey ? keyFields : m_fields).append(name);
                 });
    if (keyFields.size() > 1)
        m_fields = keyFields + m_fields;

    QStringList columns{QStringLiteral("rowid")};
    for (const QString &field : m_fields)
        columns.append(Quoted(field));
    RunStatement(handle, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(columns.join(u','), m_table),
                 [&](sqlite3_stmt *stmt) {
                     m_rowIds.append(sqlite3_column_int64(stmt, 0));
                     QList<QVariant> row;
                     row.reserve(m_fields.size());
                     for (int i = 0; i < m_fields.size(); ++i)
                         row.append(ColumnValue(stmt, i + 1));
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
        Missing(QStringLiteral("No current record in ") + m_table);
    m_current = 0;
}

void Recordset::MoveNext()
{
    if (Eof())
        Missing(QStringLiteral("No current record in ") + m_table);
    ++m_current;
}

int Recordset::fieldIndex(const QString &name) const
{
    const qsizetype index = m_fields.indexOf(name);
    if (index < 0)
        Missing(QStringLiteral("No field %1 in %2").arg(name, m_table));
    return static_cast<int>(index);
}

QVariant Recordset::Field(const QString &name) const
{
    const int index = fieldIndex(name);
    if (Eof())
        Missing(QStringLiteral("No current record in ") + m_table);
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
        Missing(QStringLiteral("No current record in ") + m_table);
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
        Fail(m_db.Handle(), text);
    }
    return cache;
}

void Recordset::bindBuffer(sqlite3_stmt *stmt)
{
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    for (int i = 0; i < m_buffer.size(); ++i)
        BindValue(stmt, i + 1, m_buffer[i]);
}

void Recordset::Update()
{
    sqlite3_stmt *stmt = nullptr;
    if (m_change == Change::Adding) {
        stmt = prepare(m_insert, [&] { return InsertSql(m_table, m_fields); });
        bindBuffer(stmt);
    } else if (m_change == Change::Editing) {
        stmt = prepare(m_update, [&] { return UpdateSql(m_table, m_fields, false); });
        bindBuffer(stmt);
        sqlite3_bind_int64(stmt, static_cast<int>(m_fields.size()) + 1, m_rowIds[m_current]);
    } else {
        throw DatabaseError(QStringLiteral("No record is being changed in ") + m_table);
    }
    if (sqlite3_step(stmt) != SQLITE_DONE)
        Fail(m_db.Handle(), QStringLiteral("Cannot write to ") + m_table);
    sqlite3_reset(stmt);

    if (m_change == Change::Adding) {
        m_rowIds.append(sqlite3_last_insert_rowid(m_db.Handle()));
        m_rows.append(m_buffer);
    } else {
        m_rows[m_current] = m_buffer;
    }
    m_change = Change::None;
}

// ---- RecordWriter -----------------------------------------------------------------

namespace {

QString writerSql(const QString &table, const QStringList &fields, RecordWriter::Mode mode)
{
    if (mode == RecordWriter::Mode::Append)
        return InsertSql(table, fields);
    return UpdateSql(table, fields, mode == RecordWriter::Mode::RewriteChanged);
}

} // namespace

RecordWriter::RecordWriter(Database &db, const QString &table, const QStringList &fields, Mode mode,
                           const QString &schema)
    : m_statement(db, writerSql(Quoted(schema) + QLatin1Char('.') + Quoted(table), fields, mode)),
      m_fieldCount(static_cast<int>(fields.size())),
      m_rowIdParameter(mode == Mode::Append ? 0 : m_fieldCount + 1)
{
    m_texts.resize(m_fieldCount);
    if (mode == Mode::Append)
        return;
    Statement rowIds(db, QStringLiteral("SELECT rowid FROM %1.%2 ORDER BY rowid").arg(Quoted(schema), Quoted(table)));
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
        Missing(QStringLiteral("No field %1 to write").arg(field));
    return field + 1;
}

void RecordWriter::Write()
{
    if (m_rowIdParameter > 0) {
        if (m_next >= m_rowIds.size())
            Missing(QStringLiteral("No record left to rewrite"));
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
        names.append(QStringLiteral("r.") + Quoted(field));
    return QStringLiteral("SELECT %1 FROM %2 AS r ORDER BY r.rowid").arg(names.join(u','), table);
}

} // namespace

RecordReader::RecordReader(Database &db, const QString &table, const QStringList &fields, const QString &schema)
    : m_statement(db, readerSql(Quoted(schema) + QLatin1Char('.') + Quoted(table), fields))
{
}

} // namespace fixtora
