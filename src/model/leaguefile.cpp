#include "model/leaguefile.h"

#include "model/filedialogs.h"
#include "model/fixturelist.h"
#include "model/league.h"
#include "model/leaguepair.h"
#include "model/leaguerules.h"
#include "model/legs.h"
#include "model/settings.h"
#include "model/teamscoring.h"
#include "platform/database.h"
#include "platform/numbers.h"
#include "platform/systembox.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace fixtora {

namespace {

constexpr int kPieceLength = 250;
constexpr int kMaxPenalty = 32767;

const QString kNotValid = QStringLiteral("Not a Valid project file, try another");
const QString kEmpty = QStringLiteral("error database empty");
const QString kNotFound = QStringLiteral("File not found - Database copy");
const QString kNoAccess = QStringLiteral("A League with that name already exists, please use another Name");
const QString kBusy = QStringLiteral("The league file is in use by another program; try again");
const QString kCannotRollBack = QStringLiteral(
    "A save of this league did not finish, and it cannot be undone while the league's files or folder are "
    "write-protected");
const QString kNotOnePair =
    QStringLiteral("The league file and its companion file do not belong together; nothing was saved");

LeagueFileHooks &hooks()
{
    static LeagueFileHooks current;
    return current;
}

// Field names built once: "player1".."player32", "Team1".., "pos1".. (field
// i at index i - 1).
QStringList numberedFields(const char *prefix, int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(QLatin1String(prefix) + QString::number(i));
    return names;
}
const QStringList kPlayerFields = numberedFields("player", kMaxSlots);
const QStringList kTeamFields = numberedFields("Team", kMaxSlots);
const QStringList kPosFields = numberedFields("pos", kTeamGames);
const QStringList kPieceFields{QStringLiteral("value1"), QStringLiteral("value2"), QStringLiteral("value3"),
                               QStringLiteral("value4")};
const QStringList kDefinitionFields{QStringLiteral("Tablename"), QStringLiteral("GAMESTOPLAY"),
                                    QStringLiteral("startdate"), QStringLiteral("skipdate")};

// A table and the fields of it that are written or read together.
struct Table {
    QString name;
    QStringList fields;
    QString schema = QStringLiteral("main");
};
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

QString encodeDate(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

// Every date is written as a text, so anything else (a NULL among them) is
// damage, not a missing date.
std::optional<QDate> decodeDate(const QVariant &value)
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

// The digest of the first w round dates as the companion stores them.
QString datesDigest(int w)
{
    QCryptographicHash digest(QCryptographicHash::Sha256);
    for (int r = 1; r <= w; ++r) {
        digest.addData(encodeDate(gWeekDates[r]).toUtf8());
        digest.addData(QByteArrayView("\n"));
    }
    return QString::fromLatin1(digest.result().toHex());
}

// The custom fixture string in the four fields: 250 characters in each of the
// first three, the rest in the fourth.
QString piece(const QString &s, int index)
{
    return index < 3 ? s.mid(index * kPieceLength, kPieceLength) : s.mid(3 * kPieceLength);
}

QStringView listItem(const QList<QString> &list, qsizetype i, QStringView fallback)
{
    return i >= 0 && i < list.size() ? QStringView(list[i]) : fallback;
}

bool knownType(int code)
{
    return code == kTypeNone || IsStandardType(code) || IsCustomType(code);
}

std::int16_t scoringOfType(int code)
{
    if (code == 13 || code == 14)
        return 1;
    return code == 23 || code == 24 ? 2 : 3;
}

// ---- Schema ------------------------------------------------------------------------

QString textColumns(const QStringList &names)
{
    QStringList columns;
    for (const QString &name : names)
        columns.append(name + QStringLiteral(" TEXT"));
    return columns.join(QStringLiteral(", "));
}

void createSchema(Database &db)
{
    const QString key = QStringLiteral("id INTEGER PRIMARY KEY, ");
    const QStringList tables{
        QStringLiteral("customfixtures (") + key + QStringLiteral("Value INTEGER)"),
        QStringLiteral("altfixtures (") + key
            + QStringLiteral("value1 TEXT, value2 TEXT, value3 TEXT, value4 TEXT)"),
        QStringLiteral("penalties (") + key + QStringLiteral("penalty INTEGER)"),
        QStringLiteral("scores (") + key + QStringLiteral("field1 TEXT)"),
        QStringLiteral("teamplayerspos (") + key + textColumns(kPosFields) + QLatin1Char(')'),
        QStringLiteral("teamplayers (") + key + textColumns(kTeamFields) + QLatin1Char(')'),
        QStringLiteral("players (") + key
            + QStringLiteral("Tablename TEXT, GAMESTOPLAY INTEGER, startdate TEXT, skipdate INTEGER, ")
            + textColumns(kPlayerFields) + QLatin1Char(')'),
        kCompanionSchema + QStringLiteral(".dates (") + key + QStringLiteral("dates TEXT)"),
        kWrittenWithSchema,
    };
    for (const QString &table : tables)
        db.Execute(QStringLiteral("CREATE TABLE ") + table);
}

// ---- Writing -----------------------------------------------------------------------

// The code a new file stores: a custom code whenever a custom fixture string
// is in use, the team code of the scoring system, else the model's code.
std::int16_t codeToStore()
{
    const bool custom = gAltFixtures || IsCustomType(gLeagueType);
    if (gTeamLeague)
        return TeamTypeCode(gTeamScoring, custom);
    return gAltFixtures ? kTypePlayersCustom : gLeagueType;
}

// A league the loader would refuse is not written.
void checkLeagueToWrite()
{
    const QString problem = LeagueProblem();
    if (!problem.isEmpty())
        throw DatabaseError(problem);
}

using WriteMode = RecordWriter::Mode;

// Writes the first count records of table in record order, fill(writer, i)
// setting the fields of record i: appended to a new table, or rewritten.
template <typename Fill>
void writeRecords(Database &db, const Table &table, int count, WriteMode mode, Fill fill)
{
    RecordWriter writer(db, table.name, table.fields, mode, table.schema);
    if (mode != WriteMode::Append && writer.RecordCount() < count)
        throw DatabaseError(QStringLiteral("The league file holds fewer records than the league needs"));
    for (int i = 1; i <= count; ++i) {
        fill(writer, i);
        writer.Write();
    }
}

void setFixturePieces(RecordWriter &alt)
{
    for (int i = 0; i < 4; ++i)
        alt.SetText(i, piece(gAltFixtureString, i));
}

// The player names from field first on.
void setPlayerNames(RecordWriter &players, int first)
{
    for (int i = 1; i <= kMaxSlots; ++i)
        players.SetText(first + i - 1, gPlayerNames[i]);
}

void setSquadRow(RecordWriter &squads, int j)
{
    for (int t = 1; t <= kMaxSlots; ++t)
        squads.SetText(t - 1, gTeamSquads[t][j]);
}

// Side i's sixteen position entries; a new file gets every score "-1".
void setPositions(RecordWriter &positions, int i, bool withScores)
{
    for (int j = 1; j <= kTeamGames; ++j) {
        const int p = (i - 1) * kTeamGames + j;
        const QStringView first = withScores ? listItem(gPosScoreA, p, kNotEntered) : kNotEntered;
        const QStringView second = withScores ? listItem(gPosScoreB, p, kNotEntered) : kNotEntered;
        positions.SetJoined(j - 1, {listItem(gPosPlayer, p, {}), u"//", first, u"\\\\", second});
    }
}

// The rule the league's results are stored under and the digest of its dates.
void setHowWritten(RecordWriter &written, int w)
{
    written.Set(0, gHomeAwayRule ? 1 : 0);
    written.SetText(1, datesDigest(w));
}

// A league first written before these were kept gets them at its next save.
void rewriteHowWritten(Database &db, WriteMode mode, int w)
{
    if (!db.HasTable(kWrittenWithTable.name)) {
        db.Execute(QStringLiteral("CREATE TABLE ") + kWrittenWithSchema);
        mode = WriteMode::Append;
    }
    writeRecords(db, kWrittenWithTable, 1, mode, [w](RecordWriter &written, int) { setHowWritten(written, w); });
}

void writeNewLeague(Database &db, std::int16_t code)
{
    const int n = gNumSlots;
    const int e = FixtureEntryCount(n, gGamesToPlay);
    const int w = gGamesToPlay * (n - 1);
    const WriteMode append = WriteMode::Append;

    writeRecords(db, kTypeTable, 1, append, [&](RecordWriter &type, int) { type.Set(0, code); });
    // Fields left unset stay empty (NULL).
    writeRecords(db, kAltTable, 1, append, [&](RecordWriter &alt, int) {
        if (IsCustomType(code) || gImportPending)
            setFixturePieces(alt);
    });
    writeRecords(db, kPenaltiesTable, n, append, [](RecordWriter &penalties, int) { penalties.Set(0, 0); });
    writeRecords(db, kDatesTable, w, append,
                 [](RecordWriter &dates, int r) { dates.SetText(0, encodeDate(gWeekDates[r])); });
    writeRecords(db, kWrittenWithTable, 1, append, [w](RecordWriter &written, int) { setHowWritten(written, w); });
    writeRecords(db, kScoresTable, e, append, [](RecordWriter &scores, int) { scores.SetText(0, kNotEntered); });
    if (gTeamLeague) {
        writeRecords(db, kPositionsTable, e, append,
                     [](RecordWriter &positions, int i) { setPositions(positions, i, false); });
        writeRecords(db, kSquadsTable, kSquadSize, append, setSquadRow);
    }
    writeRecords(db, kPlayersTable, 1, append, [](RecordWriter &players, int) {
        players.SetText(0, gTableName);
        players.Set(1, gGamesToPlay);
        players.SetText(2, encodeDate(gStartDate));
        players.Set(3, gSkipDate);
        setPlayerNames(players, static_cast<int>(kDefinitionFields.size()));
    });
}

// Rewrites what a league's play changes; the definition stays as created.
void rewriteLeague(Database &db, WriteMode mode)
{
    const int n = gNumSlots;
    const int e = FixtureEntryCount(n, gGamesToPlay);
    const int w = gGamesToPlay * (n - 1);

    writeRecords(db, kTypeTable, 1, mode, [](RecordWriter &type, int) { type.Set(0, gLeagueType); });
    if (IsCustomType(gLeagueType))
        writeRecords(db, kAltTable, 1, mode, [](RecordWriter &alt, int) { setFixturePieces(alt); });
    writeRecords(db, kScoresTable, e, mode,
                 [](RecordWriter &scores, int i) { scores.SetText(0, listItem(gScores, i, kNotEntered)); });
    if (gTeamLeague)
        writeRecords(db, kPositionsTable, e, mode,
                     [](RecordWriter &positions, int i) { setPositions(positions, i, true); });
    writeRecords(db, kDatesTable, w, mode,
                 [](RecordWriter &dates, int r) { dates.SetText(0, encodeDate(gWeekDates[r])); });
    rewriteHowWritten(db, mode, w);
    writeRecords(db, kPenaltiesTable, n, mode, [](RecordWriter &penalties, int i) {
        penalties.Set(0, std::clamp(gPenalties[i], 0, kMaxPenalty));
    });
    writeRecords(db, kPlayerNamesTable, 1, mode, [](RecordWriter &players, int) { setPlayerNames(players, 0); });
    if (gTeamLeague)
        writeRecords(db, kSquadsTable, kSquadSize, mode, setSquadRow);
}

// ---- Files -------------------------------------------------------------------------

void requireNoFolderAt(const QString &path)
{
    if (QFileInfo(path).isDir())
        throw DatabaseError(QStringLiteral("A folder stands at ") + path);
}

void requireFileAt(const QString &path)
{
    if (!QFileInfo(path).isFile())
        throw DatabaseError(QStringLiteral("No league file at ") + path);
}

QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

// What a failed create, save or load tells its caller.
QString storageFailure(const DatabaseError &error, const QString &otherwise)
{
    switch (error.kind()) {
    case DatabaseError::Kind::Busy:
        return kBusy;
    case DatabaseError::Kind::CannotRollBack:
        return kCannotRollBack;
    default:
        return otherwise;
    }
}

QString writeFailure(const DatabaseError &error)
{
    return storageFailure(error, error.message());
}

// ---- Reading -----------------------------------------------------------------------

struct LoadError {
    QString message;
};

void checkFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw LoadError{kNotFound};
    if (!info.isFile() || !info.isReadable())
        throw LoadError{kNoAccess};
}

QString textField(const Recordset &rs, const QString &name)
{
    return rs.Field(name).toString();
}

int integerField(const Recordset &rs, const QString &name, int low, int high)
{
    const QVariant value = rs.Field(name);
    if (value.typeId() != QMetaType::LongLong || value.toLongLong() < low || value.toLongLong() > high)
        throw LoadError{kNotValid};
    return static_cast<int>(value.toLongLong());
}

QDate dateField(const Recordset &rs, const QString &name)
{
    const auto date = decodeDate(rs.Field(name));
    if (!date)
        throw LoadError{kNotValid};
    return *date;
}

void requireRecords(const Recordset &rs, int count)
{
    if (rs.RecordCount() < count)
        throw LoadError{kNotValid};
}

// The league type code, or 0 when the file holds none (no table, record or
// field). A record that cannot be read is damage, not a missing code.
std::int16_t readTypeCode(Database &db)
{
    std::optional<QVariant> value;
    try {
        Recordset customFixtures(db, QStringLiteral("customfixtures"));
        customFixtures.MoveFirst();
        value = customFixtures.Field(QStringLiteral("Value"));
    } catch (const DatabaseError &error) {
        if (error.kind() != DatabaseError::Kind::Missing)
            throw;
        return kTypeNone;
    }
    if (value->typeId() != QMetaType::LongLong)
        return kTypeNone;
    const qlonglong code = value->toLongLong();
    if (code < 0 || code > std::numeric_limits<std::int16_t>::max() || !knownType(static_cast<int>(code)))
        throw LoadError{kNotValid};
    return static_cast<std::int16_t>(code);
}

// What the league file says of how it was written; nothing for a file
// written before that was kept.
struct HowWritten {
    bool homeAwayRule = false;
    QString datesDigest;
};

std::optional<HowWritten> readHowWritten(Database &db)
{
    if (!db.HasTable(kWrittenWithTable.name))
        return std::nullopt;
    Recordset written(db, kWrittenWithTable.name);
    requireRecords(written, 1);
    written.MoveFirst();
    return HowWritten{integerField(written, QStringLiteral("homeaway"), 0, 1) == 1,
                      textField(written, QStringLiteral("datedigest"))};
}

QString datesChangedNotice(const QString &companionPath)
{
    return QStringLiteral("The round dates in %1 are not the dates this league was last saved with: that file has "
                          "changed since. The league is open with the dates it holds now. Check the date of every "
                          "round on the fixtures screen, then save the league.")
        .arg(QDir::toNativeSeparators(companionPath));
}

// Definition and names; sets N and G.
void readPlayers(Database &db)
{
    Recordset players(db, QStringLiteral("players"));
    if (players.RecordCount() == 0)
        throw LoadError{kEmpty};
    players.MoveFirst();
    gTableName = textField(players, QStringLiteral("Tablename"));
    gStartDate = dateField(players, QStringLiteral("startdate"));
    gGamesToPlay = static_cast<std::int16_t>(integerField(players, QStringLiteral("GAMESTOPLAY"), 1, kMaxGames));
    gSkipDate = 1;
    gNumSlots = 0;
    for (int i = 1; i <= kMaxSlots; ++i) {
        gPlayerNames[i] = textField(players, kPlayerFields[i - 1]);
        if (!gPlayerNames[i].isEmpty())
            ++gNumSlots;
    }
}

void readSquads(Database &db)
{
    Recordset squads(db, QStringLiteral("teamplayers"));
    requireRecords(squads, kSquadSize);
    squads.MoveFirst();
    for (int j = 1; j <= kSquadSize; ++j, squads.MoveNext())
        for (int t = 1; t <= kMaxSlots; ++t)
            gTeamSquads[t][j] = textField(squads, kTeamFields[t - 1]);
}

// Val of a stored score, read directly for the plain whole numbers ("-1",
// "12") nearly every position entry holds.
double scoreValue(QStringView text)
{
    constexpr qsizetype kMaxDigits = 9;
    const bool negative = text.startsWith(u'-');
    const QStringView digits = text.mid(negative ? 1 : 0);
    if (digits.isEmpty() || digits.size() > kMaxDigits)
        return Val(text.toString());
    int value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return Val(text.toString());
        value = value * 10 + (c.unicode() - u'0');
    }
    return negative ? -static_cast<double>(value) : value;
}

// ScoreText of a second score as the model keeps it. Nearly all are whole
// numbers, which it writes in full below 10^15: they are written directly.
QString scoreText(double value)
{
    constexpr double kWrittenInFull = 1e15;
    const bool negativeZero = value == 0 && std::signbit(value);
    if (value == std::trunc(value) && std::abs(value) < kWrittenInFull && !negativeZero)
        return QString::number(static_cast<qint64>(value));
    return ScoreText(value);
}

void readPositions(Database &db, int e)
{
    RecordReader positions(db, kPositionsTable.name, kPositionsTable.fields);
    for (int k = 1; k <= kTeamGames * e; k += kTeamGames) {
        if (!positions.Next())
            throw LoadError{kNotValid};
        for (int p = 1; p <= kTeamGames; ++p) {
            PositionEntry entry = ParsePositionEntry(positions.Text(p - 1));
            gPosPlayer[k + p - 1] = std::move(entry.who);
            gPosScoreA[k + p - 1] = std::move(entry.first);
            gPosScoreB[k + p - 1] = scoreText(entry.second);
        }
    }
}

void readScores(Database &db, int e)
{
    RecordReader scores(db, kScoresTable.name, kScoresTable.fields);
    for (int i = 1; i <= e; ++i) {
        if (!scores.Next())
            throw LoadError{kNotValid};
        gScores[i] = scores.Text(0);
    }
}

// Each fixture's team results from its 32 position entries.
void rebuildTeamResults(int e)
{
    const TeamPoints points = PointsFromSettings();
    for (int m = 1; 2 * m <= e; ++m) {
        const int base = 2 * kTeamGames * (m - 1);
        TeamSide home, away;
        for (int g = 0; g < kTeamGames; ++g) {
            home[g] = gPosScoreA[base + 1 + g];
            away[g] = gPosScoreA[base + 1 + kTeamGames + g];
        }
        const TeamMatchResult result =
            StoredTeamResult(ScoreTeamMatch(home, away, gTeamScoring, points), gTeamScoring);
        gScores[2 * m - 1] = result.homeScore;
        gScores[2 * m] = result.awayScore;
        gPosScoreB[2 * m - 1] = result.homeSecondary;
        gPosScoreB[2 * m] = result.awaySecondary;
    }
}

// Reads the pair into the model; what the user should be told of a league
// that opened (a notice), or nothing.
QString readLeague(const QString &leaguePath, const QString &companionPath)
{
    RecoverInterruptedCreates(folderOf(leaguePath));
    checkFile(leaguePath);
    checkFile(companionPath);
    // Opened for writing so that what a save that died left half-written is
    // rolled back; the league's contents are only read.
    Database league;
    OpenPair(league, leaguePath, companionPath);
    league.Execute(QStringLiteral("BEGIN"));
    league.CheckIntegrity();
    league.CheckIntegrity(kCompanionSchema);
    if (!IsOnePair(league))
        throw LoadError{kNotValid};
    if (!league.HasTable(kScoresTable.name))
        throw LoadError{kNotValid};
    Recordset penalties(league, QStringLiteral("penalties"));
    Recordset alt(league, QStringLiteral("altfixtures"));
    Recordset dates(league, QStringLiteral("dates"), kCompanionSchema);

    gLeagueType = readTypeCode(league);
    const std::optional<HowWritten> written = readHowWritten(league);
    gTeamLeague = IsTeamType(gLeagueType);
    if (gTeamLeague)
        gTeamScoring = scoringOfType(gLeagueType);
    readPlayers(league);
    if (IsCustomType(gLeagueType)) {
        requireRecords(alt, 1);
        alt.MoveFirst();
        for (const QString &field : kPieceFields)
            gAltFixtureString += textField(alt, field);
        gAltFixtures = true;
    }
    if (gTeamLeague)
        readSquads(league);
    // Nothing is sized or indexed by the league before its definition holds.
    if (!LeagueDefinitionProblem().isEmpty())
        throw LoadError{kNotValid};
    const int n = gNumSlots;
    const int e = FixtureEntryCount(n, gGamesToPlay);
    const int w = gGamesToPlay * (n - 1);

    SizeScoreLists(e, true);
    if (gTeamLeague) {
        readPositions(league, e);
        rebuildTeamResults(e);
    }
    gRoundsPerCycle = static_cast<std::int16_t>(n - 1);

    if (!gTeamLeague)
        readScores(league, e);
    requireRecords(dates, w);
    dates.MoveFirst();
    for (int r = 1; r <= w; ++r, dates.MoveNext())
        gWeekDates[r] = dateField(dates, QStringLiteral("dates"));
    requireRecords(penalties, n);
    penalties.MoveFirst();
    for (int s = 1; s <= n; ++s, penalties.MoveNext())
        gPenalties[s] = integerField(penalties, QStringLiteral("penalty"), -kMaxPenalty - 1, kMaxPenalty);
    if (!LeagueProblem().isEmpty())
        throw LoadError{kNotValid};
    league.Execute(QStringLiteral("COMMIT"));
    RemoveDeadSaveJournals(league, leaguePath, companionPath);
    if (!written)
        return {};
    ConvertResultsToRule(written->homeAwayRule);
    return written->datesDigest == datesDigest(w) ? QString() : datesChangedNotice(companionPath);
}

void setCaption(const QString &caption)
{
    if (hooks().setCaption)
        hooks().setCaption(caption);
}

void showMessage(const QString &message)
{
    if (hooks().showMessage)
        hooks().showMessage(message);
    else
        SystemMessage(message);
}

// A load that did not complete leaves no league open.
FileResult abandonLoad(const QString &message)
{
    InitialiseGlobals();
    gLeagueOnDisk = false;
    setCaption(CurrentLeagueCaption(QString()));
    if (!message.isEmpty())
        showMessage(message);
    return {false, message};
}

} // namespace

void SetLeagueFileHooks(LeagueFileHooks newHooks)
{
    hooks() = std::move(newHooks);
}

QString CurrentLeagueCaption(const QString &leagueName)
{
    const QString caption = QStringLiteral("Fixtora         Current League :");
    return leagueName.isEmpty() ? caption + QStringLiteral(" none") : caption + leagueName;
}

FileResult CreateLeagueFile()
{
    gExtFile = CompanionPath(gLeagueFile);
    const std::int16_t code = codeToStore();
    const std::int16_t previousCode = std::exchange(gLeagueType, code);
    try {
        checkLeagueToWrite();
        requireNoFolderAt(gLeagueFile);
        requireNoFolderAt(gExtFile);
        RecoverInterruptedCreates(folderOf(gLeagueFile));
        NewLeaguePair pair(gLeagueFile);
        {
            Database db;
            pair.Open(db);
            Transaction transaction(db);
            createSchema(db);
            writeNewLeague(db, code);
            MarkOnePair(db);
            transaction.Commit();
        }
        pair.Install();
        gSaved = true;
        return {true, {}};
    } catch (const DatabaseError &error) {
        gLeagueType = previousCode;
        return {false, writeFailure(error)};
    }
}

FileResult SaveLeague(SaveCommit commit)
{
    gExtFile = CompanionPath(gLeagueFile);
    try {
        checkLeagueToWrite();
        requireFileAt(gLeagueFile);
        requireFileAt(gExtFile);
        RecoverInterruptedCreates(folderOf(gLeagueFile));
        Database db;
        OpenPair(db, gLeagueFile, gExtFile);
        std::optional<Transaction> transaction;
        if (commit == SaveCommit::Whole) {
            transaction.emplace(db);
            RemoveDeadSaveJournals(db, gLeagueFile, gExtFile);
        }
        if (!IsOnePair(db))
            throw DatabaseError(kNotOnePair);
        rewriteLeague(db, commit == SaveCommit::Whole ? WriteMode::RewriteChanged : WriteMode::Rewrite);
        MarkOnePair(db);
        if (transaction)
            transaction->Commit();
        gSaved = true;
        return {true, {}};
    } catch (const DatabaseError &error) {
        return {false, writeFailure(error)};
    }
}

FileResult LoadLeague(const QString &chosen)
{
    gDialogFilter = QStringLiteral("Fixtora Leagues (*.tbl)") + QChar(u'\0') + QStringLiteral("*.tbl") + QChar(u'\0');
    ShowOpenDialog(chosen);
    if (gDialogResult == 0)
        return abandonLoad(QString());
    setCaption(QStringLiteral("Fixtora          League Name :") + gFileFolder);
    QString notice;
    try {
        notice = readLeague(gLeagueFile, gExtFileName);
    } catch (const LoadError &error) {
        return abandonLoad(error.message);
    } catch (const DatabaseError &error) {
        return abandonLoad(storageFailure(error, kNotValid));
    }
    BuildFixtureList();
    gLeagueOnDisk = true;
    gDatesPending = false;
    gFixturesClosed = false;
    setCaption(CurrentLeagueCaption(gTableName));
    if (!notice.isEmpty())
        showMessage(notice);
    return {true, notice};
}

PositionEntry ParsePositionEntry(const QString &text)
{
    const QStringView entry = text;
    const QStringView nameSeparator = u"//";
    const QStringView scoreSeparator = u"\\\\";
    PositionEntry parsed;
    QStringView rest;
    if (entry == nameSeparator) {
        parsed.who = QStringLiteral("empty");
        rest = kNotEntered;
    } else {
        const qsizetype i = entry.indexOf(nameSeparator);
        parsed.who = (i < 0 ? entry : entry.left(i)).toString();
        rest = i < 0 ? QStringView() : entry.mid(i + nameSeparator.size());
    }
    if (rest == scoreSeparator) {
        parsed.first = kNotEntered;
        parsed.second = -1;
        return parsed;
    }
    const qsizetype j = rest.indexOf(scoreSeparator);
    parsed.first = (j < 0 ? rest : rest.left(j)).toString();
    parsed.second = j < 0 ? 0 : scoreValue(rest.mid(j + scoreSeparator.size()));
    return parsed;
}

} // namespace fixtora
