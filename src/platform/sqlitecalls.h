#pragma once
// The calls into SQLite that the parts of the database layer share (the
// database and its statements, the keys of encrypted files, the record
// writers): each failing call throws the DatabaseError database.h promises.
// Not for use outside src/platform.

#include "platform/database.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <sqlite3.h>

namespace fixtora::sql {

// An identifier in double quotes; a text in single quotes.
QString Quoted(const QString &identifier);
QString QuotedLiteral(const QString &text);

// The kind of failure of an extended result code.
DatabaseError::Kind KindOf(int code);
// Throws what failed with SQLite's message for db.
[[noreturn]] void Fail(sqlite3 *db, const QString &what);
// Throws a Missing error (no such table, field or record).
[[noreturn]] void Missing(const QString &what);
// Throws what failed with the system's message for errno.
[[noreturn]] void FailFile(const QString &what);

// Runs a statement to its end; the rows of a query are passed to onRow.
template <typename OnRow>
void RunStatement(sqlite3 *db, const QString &sql, OnRow onRow)
{
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        Fail(db, sql);
    }
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        onRow(stmt);
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE)
        Fail(db, sql);
}

// Column of the current row as text, and as the QVariant Recordset::Field gives.
QString ColumnText(sqlite3_stmt *stmt, int column);
QVariant ColumnValue(sqlite3_stmt *stmt, int column);
void BindValue(sqlite3_stmt *stmt, int index, const QVariant &value);

// "INSERT INTO table (f1,f2) VALUES (?1,?2)"
QString InsertSql(const QString &table, const QStringList &fields);
// "UPDATE table SET f1=?1,f2=?2 WHERE rowid=?3", and with onlyChanged
// "... AND (f1 IS NOT ?1 OR f2 IS NOT ?2)": a record that already holds the
// values is then left unwritten.
QString UpdateSql(const QString &table, const QStringList &fields, bool onlyChanged);

} // namespace fixtora::sql
