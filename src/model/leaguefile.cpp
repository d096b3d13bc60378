#include "model/leaguefile.h"

#include "model/filedialogs.h"
#include "model/fixturelist.h"
#include "model/league.h"
#include "model/leaguefileformat.h"
#include "model/leaguefileread.h"
#include "model/leaguepair.h"
#include "model/leaguerules.h"
#include "model/settings.h"
#include "model/teamscoring.h"
#include "platform/database.h"
#include "platform/usermessage.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <utility>

namespace fixtora {

using namespace leaguefile;

namespace {

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
        alt.SetText(i, Piece(gAltFixtureString, i));
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
        const QStringView first = withScores ? ListItem(gPosScoreA, p, kNotEntered) : kNotEntered;
        const QStringView second = withScores ? ListItem(gPosScoreB, p, kNotEntered) : kNotEntered;
        positions.SetJoined(j - 1, {ListItem(gPosPlayer, p, {}), u"//", first, u"\\\\", second});
    }
}

// The rule the league's results are stored under and the digest of its dates.
void setHowWritten(RecordWriter &written, int w)
{
    written.Set(0, gHomeAwayRule ? 1 : 0);
    written.SetText(1, DatesDigest(w));
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
                 [](RecordWriter &dates, int r) { dates.SetText(0, EncodeDate(gWeekDates[r])); });
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
        players.SetText(2, EncodeDate(gStartDate));
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
                 [](RecordWriter &scores, int i) { scores.SetText(0, ListItem(gScores, i, kNotEntered)); });
    if (gTeamLeague)
        writeRecords(db, kPositionsTable, e, mode,
                     [](RecordWriter &positions, int i) { setPositions(positions, i, true); });
    writeRecords(db, kDatesTable, w, mode,
                 [](RecordWriter &dates, int r) { dates.SetText(0, EncodeDate(gWeekDates[r])); });
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
        ShowUserMessage(message);
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
        RecoverInterruptedCreates(FolderOf(gLeagueFile));
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
        RecoverInterruptedCreates(FolderOf(gLeagueFile));
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
        notice = ReadLeaguePair(gLeagueFile, gExtFileName);
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

} // namespace fixtora
