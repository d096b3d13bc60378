#include "platform/sqlitecalls.h"

#include <QStringDecoder>

#include <cerrno>
#include <cstring>

namespace fixtora::sql {

QString Quoted(const QString &identifier)
{
    QString text = identifier;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString QuotedLiteral(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

// code: an extended result code. A journal that cannot be removed (its
// folder is write-protected) stays hot: the write it undoes is not undone
// for good, so it is what a write-protected file gives.
DatabaseError::Kind KindOf(int code)
{
    if (code == SQLITE_READONLY_ROLLBACK || code == SQLITE_IOERR_DELETE)
        return DatabaseError::Kind::CannotRollBack;
    switch (code & 0xff) {
    case SQLITE_FULL:
        return DatabaseError::Kind::DiskFull;
    case SQLITE_READONLY:
        return DatabaseError::Kind::WriteProtected;
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

// A failure of the disk underneath (an I/O error, a file that cannot be
// opened) is told by the system's error number.
[[noreturn]] void Fail(sqlite3 *db, const QString &what)
{
    const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
    DatabaseError::Kind kind = db ? KindOf(sqlite3_extended_errcode(db)) : DatabaseError::Kind::Other;
    if (kind == DatabaseError::Kind::Other && db)
        kind = KindOfSystemError(sqlite3_system_errno(db));
    throw DatabaseError(what + QStringLiteral(": ") + detail, kind);
}

[[noreturn]] void Missing(const QString &what)
{
    throw DatabaseError(what, DatabaseError::Kind::Missing);
}

[[noreturn]] void FailFile(const QString &what)
{
    const int errnum = errno;
    throw DatabaseError(what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errnum)),
                        KindOfSystemError(errnum));
}


// A text column as it was written: QString::fromUtf8 would drop a leading
// U+FEFF as a byte-order mark.
QString ColumnText(sqlite3_stmt *stmt, int column)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(sqlite3_column_text(stmt, column)),
                               sqlite3_column_bytes(stmt, column));
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return utf8(bytes);
}

QVariant ColumnValue(sqlite3_stmt *stmt, int column)
{
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant::fromValue<qlonglong>(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt, column);
    case SQLITE_TEXT:
        return ColumnText(stmt, column);
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char *>(sqlite3_column_blob(stmt, column)),
                          sqlite3_column_bytes(stmt, column));
    default:
        return {};
    }
}

void BindValue(sqlite3_stmt *stmt, int index, const QVariant &value)
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

QString InsertSql(const QString &table, const QStringList &fields)
{
    QStringList names, marks;
    for (int i = 0; i < fields.size(); ++i) {
        names.append(Quoted(fields[i]));
        marks.append(QLatin1Char('?') + QString::number(i + 1));
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, names.join(u','), marks.join(u','));
}

QString UpdateSql(const QString &table, const QStringList &fields, bool onlyChanged)
{
    QStringList sets, changes;
    for (int i = 0; i < fields.size(); ++i) {
        const QString mark = QLatin1Char('?') + QString::number(i + 1);
        sets.append(Quoted(fields[i]) + QLatin1Char('=') + mark);
        changes.append(Quoted(fields[i]) + QStringLiteral(" IS NOT ") + mark);
    }
    QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?%3")
                      .arg(table, sets.join(u','), QString::number(fields.size() + 1));
    if (onlyChanged)
        sql += QStringLiteral(" AND (%1)").arg(changes.join(QStringLiteral(" OR ")));
    return sql;
}

} // namespace fixtora::sql

namespace fixtora {

DatabaseError::Kind KindOfSystemError(int errnum)
{
    switch (errnum) {
    case ENOSPC:
    case EDQUOT:
        return DatabaseError::Kind::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return DatabaseError::Kind::WriteProtected;
    case EBUSY:
    case ETXTBSY:
        return DatabaseError::Kind::Busy;
    default:
        return DatabaseError::Kind::Other;
    }
}

} // namespace fixtora
