#include "model/leaguefileformat.h"

#include "model/league.h"
#include "model/teamscoring.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace fixtora::leaguefile {

namespace {

constexpr int kPieceLength = 250;

QStringList numberedFields(const char *prefix, int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(QLatin1String(prefix) + QString::number(i));
    return names;
}

} // namespace

const QStringList kPlayerFields = numberedFields("player", kMaxSlots);
const QStringList kTeamFields = numberedFields("Team", kMaxSlots);
const QStringList kPosFields = numberedFields("pos", kTeamGames);
const QStringList kPieceFields{QStringLiteral("value1"), QStringLiteral("value2"), QStringLiteral("value3"),
                               QStringLiteral("value4")};
const QStringList kDefinitionFields{QStringLiteral("Tablename"), QStringLiteral("GAMESTOPLAY"),
                                    QStringLiteral("startdate"), QStringLiteral("skipdate")};

const Table kTypeTable{QStringLiteral("customfixtures"), {QStringLiteral("Value")}};
const Table kAltTable{QStringLiteral("altfixtures"), kPieceFields};
const Table kPenaltiesTable{QStringLiteral("penalties"), {QStringLiteral("penalty")}};
const Table kScoresTable{QStringLiteral("scores"), {QStringLiteral("field1")}};
const Table kPositionsTable{QStringLiteral("teamplayerspos"), kPosFields};
const Table kSquadsTable{QStringLiteral("teamplayers"), kTeamFields};
const Table kPlayersTable{QStringLiteral("players"), kDefinitionFields + kPlayerFields};
const Table kPlayerNamesTable{QStringLiteral("players"), kPlayerFields};
const Table kDatesTable{QStringLiteral("dates"), {QStringLiteral("dates")}, kCompanionSchema};
const Table kWrittenWithTable{QStringLiteral("writtenwith"), {QStringLiteral("homeaway"), QStringLiteral("datedigest")}};
const QString kWrittenWithSchema =
    QStringLiteral("writtenwith (id INTEGER PRIMARY KEY, homeaway INTEGER, datedigest TEXT)");

// ---- Encodings ---------------------------------------------------------------------

QString EncodeDate(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

// Every date is written as a text, so anything else (a NULL among them) is
// damage, not a missing date.
std::optional<QDate> DecodeDate(const QVariant &value)
{
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    const QString text = value.toString();
    if (text.isEmpty())
        return QDate();
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString DatesDigest(int w)
{
    QCryptographicHash digest(QCryptographicHash::Sha256);
    for (int r = 1; r <= w; ++r) {
        digest.addData(EncodeDate(gWeekDates[r]).toUtf8());
        digest.addData(QByteArrayView("\n"));
    }
    return QString::fromLatin1(digest.result().toHex());
}

// 250 characters in each of the first three fields, the rest in the fourth.
QString Piece(const QString &s, int index)
{
    return index < 3 ? s.mid(index * kPieceLength, kPieceLength) : s.mid(3 * kPieceLength);
}

QStringView ListItem(const QList<QString> &list, qsizetype i, QStringView fallback)
{
    return i >= 0 && i < list.size() ? QStringView(list[i]) : fallback;
}

bool KnownType(int code)
{
    return code == kTypeNone || IsStandardType(code) || IsCustomType(code);
}

std::int16_t ScoringOfType(int code)
{
    if (code == 13 || code == 14)
        return 1;
    return code == 23 || code == 24 ? 2 : 3;
}

QString FolderOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

} // namespace fixtora::leaguefile
