#include "model/leaguefile.h"

#include "model/filedialogs.h"
#include "model/fixturelist.h"
#include "model/league.h"
#include "model/leaguepair.h"
#include "model/leaguerules.h"
#include "model/teamscoring.h"
#include "platform/database.h"
#include "platform/numbers.h"
#include "platform/systembox.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

namespace fixtora {

namespace {

const QString kNotEntered = QStringLiteral("-1");
constexpr int kPieceLength = 250;
constexpr int kMaxPenalty = 32767;

const QString kNotValid = QStringLiteral("Not a Valid project file, try another");
const QString kEmpty = QStringLiteral("error database empty");
const QString kNotFound = QStringLiteral("File not found - Database copy");
const QString kNoAccess = QStringLiteral("A League with that name already exists, please use another Name");
const QString kBusy = QStringLiteral("The league file is in use by another program; try again");
const QString kNotOnePair =
    QStringLiteral("The league file and its companion file do not belong together; nothing was saved");

LeagueFileHooks &hooks()
{
    static LeagueFileHooks current;
    return current;
}

// Field names built once: "player1".."player32", "Team1".., "pos1"..
template <int Count>
std::array<QString, Count + 1> numberedFields(const char *prefix)
{
    std::array<QString, Count + 1> names;
    for (int i = 1; i <= Count; ++i)
        names[i] = QLatin1String(prefix) + QString::number(i);
    return names;
}
const auto kPlayerFields = numberedFields<kMaxSlots>("player");
const auto kTeamFields = numberedFields<kMaxSlots>("Team");
const auto kPosFields = numberedFields<kTeamGames>("pos");
const std::array<QString, 4> kPieceFields{QStringLiteral("value1"), QStringLiteral("value2"),
                                          QStringLiteral("value3"), QStringLiteral("value4")};

// ---- Encodings ---------------------------------------------------------------------

QString encodeDate(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

std::optional<QDate> decodeDate(const QVariant &value)
{
    const QString text = value.toString();
    if (text.isEmpty())
        return QDate();
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

// The custom fixture string in the four fields: 250 characters in each of the
// first three, the rest in the fourth.
QString piece(const QString &s, int index)
{
    return index < 3 ? s.mid(index * kPieceLength, kPieceLength) : s.mid(3 * kPieceLength);
}

QString listItem(const QList<QString> &list, qsizetype i, const QString &fallback)
{
    return i >= 0 && i < list.size() ? list[i] : fallback;
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

QString textColumns(const auto &names)
{
    QStringList columns;
    for (std::size_t i = 1; i < names.size(); ++i)
        columns.append(names[i] + QStringLiteral(" TEXT"));
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

template <typename Fill>
void appendRecords(Recordset &rs, int count, Fill fill)
{
    for (int i = 1; i <= count; ++i) {
        rs.AddNew();
        fill(i);
        rs.Update();
    }
}

template <typename Fill>
void rewriteRecords(Recordset &rs, int count, Fill fill)
{
    if (rs.RecordCount() < count)
        throw DatabaseError(QStringLiteral("The league file holds fewer records than the league needs"));
    rs.MoveFirst();
    for (int i = 1; i <= count; ++i) {
        rs.Edit();
        fill(i);
        rs.Update();
        rs.MoveNext();
    }
}

void setFixturePieces(Recordset &alt)
{
    for (int i = 0; i < 4; ++i)
        alt.SetField(kPieceFields[i], piece(gAltFixtureString, i));
}

void setPlayerNames(Recordset &players)
{
    for (int i = 1; i <= kMaxSlots; ++i)
        players.SetField(kPlayerFields[i], gPlayerNames[i]);
}

void setSquadRow(Recordset &squads, int j)
{
    for (int t = 1; t <= kMaxSlots; ++t)
        squads.SetField(kTeamFields[t], gTeamSquads[t][j]);
}

// Side i's sixteen position entries; a new file gets every score "-1".
void setPositions(Recordset &positions, int i, bool withScores)
{
    const QString separator = QStringLiteral("//");
    const QString scoreSeparator = QStringLiteral("\\\\");
    for (int j = 1; j <= kTeamGames; ++j) {
        const int p = (i - 1) * kTeamGames + j;
        QString entry = listItem(gPosPlayer, p, QString()) + separator;
        if (withScores)
            entry += listItem(gPosScoreA, p, kNotEntered) + scoreSeparator + listItem(gPosScoreB, p, kNotEntered);
        else
            entry += kNotEntered + scoreSeparator + kNotEntered;
        positions.SetField(kPosFields[j], entry);
    }
}

void writeNewLeague(Database &db, std::int16_t code)
{
    const int n = gNumSlots;
    const int e = FixtureEntryCount(n, gGamesToPlay);
    const int w = gGamesToPlay * (n - 1);

    Recordset customFixtures(db, QStringLiteral("customfixtures"));
    customFixtures.AddNew();
    customFixtures.SetField(QStringLiteral("Value"), code);
    customFixtures.Update();

    Recordset alt(db, QStringLiteral("altfixtures"));
    alt.AddNew();
    if (IsCustomType(code) || gImportPending)
        setFixturePieces(alt);
    alt.Update();

    Recordset penalties(db, QStringLiteral("penalties"));
    appendRecords(penalties, n, [&](int) { penalties.SetField(QStringLiteral("penalty"), 0); });
    Recordset dates(db, QStringLiteral("dates"), kCompanionSchema);
    appendRecords(dates, w, [&](int r) { dates.SetField(QStringLiteral("dates"), encodeDate(gWeekDates[r])); });
    Recordset scores(db, QStringLiteral("scores"));
    appendRecords(scores, e, [&](int) { scores.SetField(QStringLiteral("field1"), kNotEntered); });

    if (gTeamLeague) {
        Recordset positions(db, QStringLiteral("teamplayerspos"));
        appendRecords(positions, e, [&](int i) { setPositions(positions, i, false); });
        Recordset squads(db, QStringLiteral("teamplayers"));
        appendRecords(squads, kSquadSize, [&](int j) { setSquadRow(squads, j); });
    }

    Recordset players(db, QStringLiteral("players"));
    players.AddNew();
    players.SetField(QStringLiteral("Tablename"), gTableName);
    players.SetField(QStringLiteral("GAMESTOPLAY"), gGamesToPlay);
    players.SetField(QStringLiteral("startdate"), encodeDate(gStartDate));
    players.SetField(QStringLiteral("skipdate"), gSkipDate);
    setPlayerNames(players);
    players.Update();
}

void rewriteLeague(Database &db)
{
    const int n = gNumSlots;
    const int e = FixtureEntryCount(n, gGamesToPlay);
    const int w = gGamesToPlay * (n - 1);

    Recordset customFixtures(db, QStringLiteral("customfixtures"));
    rewriteRecords(customFixtures, 1, [&](int) { customFixtures.SetField(QStringLiteral("Value"), gLeagueType); });
    if (IsCustomType(gLeagueType)) {
        Recordset alt(db, QStringLiteral("altfixtures"));
        rewriteRecords(alt, 1, [&](int) { setFixturePieces(alt); });
    }
    Recordset scores(db, QStringLiteral("scores"));
    rewriteRecords(scores, e,
                   [&](int i) { scores.SetField(QStringLiteral("field1"), listItem(gScores, i, kNotEntered)); });
    if (gTeamLeague) {
        Recordset positions(db, QStringLiteral("teamplayerspos"));
        rewriteRecords(positions, e, [&](int i) { setPositions(positions, i, true); });
    }
    Recordset dates(db, QStringLiteral("dates"), kCompanionSchema);
    rewriteRecords(dates, w, [&](int r) { dates.SetField(QStringLiteral("dates"), encodeDate(gWeekDates[r])); });
    Recordset penalties(db, QStringLiteral("penalties"));
    rewriteRecords(penalties, n, [&](int i) {
        penalties.SetField(QStringLiteral("penalty"), std::clamp(gPenalties[i], 0, kMaxPenalty));
    });
    Recordset players(db, QStringLiteral("players"));
    rewriteRecords(players, 1, [&](int) { setPlayerNames(players); });
    if (gTeamLeague) {
        Recordset squads(db, QStringLiteral("teamplayers"));
        rewriteRecords(squads, kSquadSize, [&](int j) { setSquadRow(squads, j); });
    }
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

// What a failed create or save tells its caller.
QString writeFailure(const DatabaseError &error)
{
    return error.kind() == DatabaseError::Kind::Busy ? kBusy : error.message();
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
        gPlayerNames[i] = textField(players, kPlayerFields[i]);
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
            gTeamSquads[t][j] = textField(squads, kTeamFields[t]);
}

void readPositions(Database &db, int e)
{
    Recordset positions(db, QStringLiteral("teamplayerspos"));
    requireRecords(positions, e);
    positions.MoveFirst();
    for (int k = 1; k <= kTeamGames * e; k += kTeamGames, positions.MoveNext())
        for (int p = 1; p <= kTeamGames; ++p) {
            const PositionEntry entry = ParsePositionEntry(textField(positions, kPosFields[p]));
            gPosPlayer[k + p - 1] = entry.who;
            gPosScoreA[k + p - 1] = entry.first;
            gPosScoreB[k + p - 1] = ScoreText(entry.second);
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

void readLeague(const QString &leaguePath, const QString &companionPath)
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
    Recordset scores(league, QStringLiteral("scores"));
    Recordset penalties(league, QStringLiteral("penalties"));
    Recordset alt(league, QStringLiteral("altfixtures"));
    Recordset dates(league, QStringLiteral("dates"), kCompanionSchema);

    gLeagueType = readTypeCode(league);
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

    gPosPlayer = QList<QString>(kTeamGames * e + 1);
    gScores = QList<QString>(kTeamGames * e + 1);
    gPosScoreB = QList<QString>(kTeamGames * e + 1);
    if (gTeamLeague) {
        readPositions(league, e);
        rebuildTeamResults(e);
    }
    gRoundsPerCycle = static_cast<std::int16_t>(n - 1);

    if (!gTeamLeague) {
        requireRecords(scores, e);
        scores.MoveFirst();
        for (int i = 1; i <= e; ++i, scores.MoveNext())
            gScores[i] = textField(scores, QStringLiteral("field1"));
    }
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
            OpenPair(db, pair.LeagueTemp(), pair.CompanionTemp());
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
        rewriteLeague(db);
        MarkOnePair(db);
        if (transaction)
            transaction->Commit();
        gSaved = true;
        return {true, {}};
    } catch (const DatabaseError &error) {
        return {false, writeFailure(error)};
    }
}

FileResult LoadLeague()
{
    gDialogFilter = QStringLiteral("Fixtora Leagues (*.tbl)") + QChar(u'\0') + QStringLiteral("*.tbl") + QChar(u'\0');
    ShowOpenDialog();
    if (gDialogResult == 0)
        return abandonLoad(QString());
    setCaption(QStringLiteral("Fixtora          League Name :") + gFileFolder);
    try {
        readLeague(gLeagueFile, gExtFileName);
    } catch (const LoadError &error) {
        return abandonLoad(error.message);
    } catch (const DatabaseError &error) {
        return abandonLoad(error.kind() == DatabaseError::Kind::Busy ? kBusy : kNotValid);
    }
    BuildFixtureList();
    gLeagueOnDisk = true;
    gDatesPending = false;
    gFixturesClosed = false;
    setCaption(CurrentLeagueCaption(gTableName));
    return {true, {}};
}

PositionEntry ParsePositionEntry(const QString &entry)
{
    const QString nameSeparator = QStringLiteral("//");
    const QString scoreSeparator = QStringLiteral("\\\\");
    PositionEntry parsed;
    const qsizetype i = entry.indexOf(nameSeparator);
    if (entry == nameSeparator) {
        parsed.who = QStringLiteral("empty");
        parsed.first = kNotEntered;
    } else {
        parsed.who = i < 0 ? entry : entry.left(i);
        parsed.first = i < 0 ? QString() : entry.mid(i + nameSeparator.size());
    }
    const QString rest = parsed.first;
    if (rest == scoreSeparator) {
        parsed.first = kNotEntered;
        parsed.second = -1;
        return parsed;
    }
    const qsizetype j = rest.indexOf(scoreSeparator);
    parsed.first = j < 0 ? rest : rest.left(j);
    parsed.second = j < 0 ? 0 : Val(rest.mid(j + scoreSeparator.size()));
    return parsed;
}

} // namespace fixtora
