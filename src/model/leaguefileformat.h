#pragma once
// The tables and fields of a league file and how its values are written as
// text, shared by the writer (leaguefile.cpp) and the reader
// (leaguefileread.cpp) so the two cannot disagree on the format. The format
// itself is described in leaguefile.h.

#include "model/leaguepair.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <optional>

namespace fixtora::leaguefile {

inline constexpr int kMaxPenalty = 32767;

// Field names: "player1".."player32", "Team1".."Team32", "pos1".."pos16"
// (field i at index i - 1), the four pieces of the custom fixture string and
// the definition fields of the players table.
extern const QStringList kPlayerFields;
extern const QStringList kTeamFields;
extern const QStringList kPosFields;
extern const QStringList kPieceFields;
extern const QStringList kDefinitionFields;

// A table and the fields of it that are written or read together.
struct Table {
    QString name;
    QStringList fields;
    QString schema = QStringLiteral("main");
};
extern const Table kTypeTable;
extern const Table kAltTable;
extern const Table kPenaltiesTable;
extern const Table kScoresTable;
extern const Table kPositionsTable;
extern const Table kSquadsTable;
extern const Table kPlayersTable;
extern const Table kPlayerNamesTable;
extern const Table kDatesTable;
extern const Table kWrittenWithTable;
extern const QString kWrittenWithSchema;

// A date as stored: "yyyy-MM-dd", or the empty text for a date not held.
QString EncodeDate(const QDate &date);
// A stored date; nothing when the value is not a date text (damage).
std::optional<QDate> DecodeDate(const QVariant &value);
// The digest of the first w round dates as the companion stores them.
QString DatesDigest(int w);
// Piece index (0..3) of the custom fixture string as its field holds it.
QString Piece(const QString &s, int index);
// Element i of list, or fallback when the list is shorter.
QStringView ListItem(const QList<QString> &list, qsizetype i, QStringView fallback);
// A league type code a file may hold.
bool KnownType(int code);
// The team scoring system (1..3) of a team type code.
std::int16_t ScoringOfType(int code);
// The folder of the file at path.
QString FolderOf(const QString &path);

} // namespace fixtora::leaguefile
