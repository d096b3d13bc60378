#pragma once
// The keys of encrypted files (see "Keys of encrypted files" in database.h):
// what Database::Open keys a file with, and the page size a write that did not
// finish left its file in. Not for use outside src/platform.

#include <QByteArray>
#include <QString>

struct sqlite3;

namespace fixtora::sql {

// What db's main file is keyed with: the raw key derived from passphrase and
// the file's salt, or the passphrase itself where that cannot be had.
QByteArray KeyFor(sqlite3 *db, const QByteArray &passphrase);

// The page size of the rollback journal that a write which did not finish
// left beside the file at path (0 when there is none, or none SQLite would
// read). SQLite rolls such a journal back in the page size it records, so the
// file must be opened in that size: keyed for another, SQLCipher would then
// read pages larger than the ones SQLite holds.
int JournalPageSize(const QString &path);

} // namespace fixtora::sql
