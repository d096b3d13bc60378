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

#include <QDebug>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace fixtora {

using namespace leaguefile;

namespace {

// The league file whose companion the last load found missing or damaged: the
// next save gives it a fresh one.
QString companionToRenew;

// A failure that is the league's, not the file's: its message is LeagueProblem's.
struct Refusal {
    QString message;
};

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

QString datesSchema()
{
    return kCompanionSchema + QStringLiteral(".dates (id INTEGER PRIMARY KEY, dates TEXT)");
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
        datesSchema(),
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
        throw Refusal{problem};
}

using WriteMode = RecordWriter::Mode;

// Writes the first count records of table in record order, fill(writer, i)
// setting the fields of record i: appended to a new table, or rewritten.
template <typename Fill>
void writeRecords(Database &db, const Table &table, int count, WriteMode mode, Fill fill)
{
    RecordWriter writer(db, table.name, table.fields, mode, table.schema);
    if (mode != WriteMode::Append && writer.RecordCount() < count)
        throw DatabaseError(QStringLiteral("The league file holds fewer records than the league needs"),
                            DatabaseError::Kind::Damaged);
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

void writeDates(Database &db, int w, WriteMode mode)
{
    writeRecords(db, kDatesTable, w, mode,
                 [](RecordWriter &dates, int r) { dates.SetText(0, EncodeDate(gWeekDates[r])); });
}

// A fresh companion: the open league's round dates.
void writeFreshCompanion(Database &db)
{
    db.Execute(QStringLiteral("CREATE TABLE ") + datesSchema());
    writeDates(db, gGamesToPlay * (gNumSlots - 1), WriteMode::Append);
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
    writeDates(db, w, append);
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
    writeDates(db, w, mode);
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
        throw DatabaseError(QStringLiteral("No league file at ") + path, DatabaseError::Kind::Missing);
}

bool isMissing(const QString &path)
{
    return !QFileInfo::exists(path) && !QFileInfo(path).isSymLink();
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

FileProblem ProblemOf(const DatabaseError &error)
{
    qWarning().noquote() << error.message();
    switch (error.kind()) {
    case DatabaseError::Kind::Busy:
        return FileProblem::InUse;
    case DatabaseError::Kind::CannotRollBack:
        return FileProblem::CannotRollBack;
    case DatabaseError::Kind::DiskFull:
        return FileProblem::DiskFull;
    case DatabaseError::Kind::WriteProtected:
        return FileProblem::WriteProtected;
    case DatabaseError::Kind::Damaged:
    case DatabaseError::Kind::Missing:   // a table, field or record a league holds
        return FileProblem::Damaged;
    case DatabaseError::Kind::Other:
        break;
    }
    return FileProblem::Failed;
}

QString WhatHappened(FileProblem problem, FileAction action, const QString &file)
{
    const QString folder = QFileInfo(file).absolutePath();
    switch (problem) {
    case FileProblem::LeagueMissing:
        return QStringLiteral("there is no file of that name");
    case FileProblem::NotALeague:
        for (const QString &path : {file, CompanionPath(file)})
            if (QFileInfo(path).isDir())
                return QStringLiteral("a folder named %1 is in the way").arg(native(path));
        return QStringLiteral("it is not a league file");
    case FileProblem::WrongPassword:
        return QStringLiteral("it is locked with a password that is not the league password");
    case FileProblem::Damaged:
        return QStringLiteral("the file is damaged");
    case FileProblem::NotOnePair:
        return QStringLiteral("its date file %1 belongs to another copy of this league (move %1 to another folder "
                              "to open the league without it)")
            .arg(native(CompanionPath(file)));
    case FileProblem::InUse:
        return QStringLiteral("the file is in use by another program; close it there and try again");
    case FileProblem::DiskFull:
        return QStringLiteral("the disk is full");
    case FileProblem::WriteProtected:
        if (action == FileAction::Open)
            return QStringLiteral("you do not have permission to read it");
        return QFileInfo(folder).isWritable() ? QStringLiteral("the file is write-protected")
                                              : QStringLiteral("the folder %1 is write-protected").arg(native(folder));
    case FileProblem::CannotRollBack:
        return QStringLiteral("a save of this league did not finish, and it cannot be undone while the league's "
                              "files or folder are write-protected");
    default:
        return action == FileAction::Open ? QStringLiteral("the file could not be read")
                                          : QStringLiteral("the file could not be written");
    }
}

namespace {

// A write-protected date file beside a league file and folder that are not.
bool onlyCompanionWriteProtected(const QString &league)
{
    const QFileInfo companion(CompanionPath(league));
    return companion.isFile() && !companion.isWritable() && QFileInfo(league).isWritable()
        && QFileInfo(companion.absolutePath()).isWritable();
}

// Which file, what happened and what became of the copy on disk.
FileResult failure(FileProblem problem, FileAction action, const QString &file, bool fileWasThere = true)
{
    const QString happened =
        problem == FileProblem::WriteProtected && action != FileAction::Open && onlyCompanionWriteProtected(file)
        ? QStringLiteral("its date file %1 is write-protected").arg(native(CompanionPath(file)))
        : WhatHappened(problem, action, file);
    QString message;
    switch (action) {
    case FileAction::Open:
        message = QStringLiteral("Fixtora could not open the league %1: %2.").arg(native(file), happened);
        if (problem != FileProblem::LeagueMissing)
            message += QStringLiteral(" Nothing in the file was changed.");
        break;
    case FileAction::Save:
        message = QStringLiteral("Fixtora could not save the league in %1: %2. The last saved copy of the league is "
                                 "intact.")
                      .arg(native(file), happened);
        break;
    case FileAction::Create:
        message = QStringLiteral("Fixtora could not save the league as %1: %2.").arg(native(file), happened)
            + (fileWasThere ? QStringLiteral(" The file that was there is intact.")
                            : QStringLiteral(" No file was written."));
        break;
    }
    return {false, message, problem};
}

// What a league that opened has to tell.
QString openedNotice(const leaguefile::PairRead &read, const QString &companion)
{
    if (read.notice == FileProblem::DatesChanged)
        return QStringLiteral("The round dates in %1 are not the dates this league was last saved with: that file "
                              "has changed since. The league is open with the dates it holds now. Check the date of "
                              "every round on the fixtures screen, then save the league.")
            .arg(native(companion));
    const QString what = read.notice == FileProblem::CompanionMissing
        ? QStringLiteral("The league's date file %1 is missing")
        : QStringLiteral("The league's date file %1 is damaged and was not read");
    const QString dates = read.datesWorkedOut
        ? QStringLiteral("its round dates were worked out again from its start date and the interval between rounds")
        : QStringLiteral("its round dates could not be worked out and are left for you to set");
    return what.arg(native(companion)) + QStringLiteral(": the league opened with every name and result, and ") + dates
        + QStringLiteral(". Check the date of every round on the fixtures screen; the next save writes a new date "
                         "file.");
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
FileResult abandonLoad(const FileResult &failed)
{
    InitialiseGlobals();
    gLeagueOnDisk = false;
    setCaption(CurrentLeagueCaption(QString()));
    if (!failed.message.isEmpty())
        showMessage(failed.message);
    return failed;
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
    const bool fileWasThere = QFileInfo::exists(gLeagueFile);
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
        companionToRenew.clear();
        KeepSavedLeague();
        return {true, {}};
    } catch (const Refusal &refusal) {
        gLeagueType = previousCode;
        return {false, refusal.message, FileProblem::Refused};
    } catch (const DatabaseError &error) {
        gLeagueType = previousCode;
        const FileProblem problem = QFileInfo(gLeagueFile).isDir() || QFileInfo(gExtFile).isDir()
            ? FileProblem::NotALeague
            : ProblemOf(error);
        return failure(problem, FileAction::Create, gLeagueFile, fileWasThere);
    }
}

FileResult SaveLeague()
{
    gExtFile = CompanionPath(gLeagueFile);
    try {
        checkLeagueToWrite();
        requireFileAt(gLeagueFile);
        RecoverInterruptedCreates(FolderOf(gLeagueFile));
        if (isMissing(gExtFile) || companionToRenew == gLeagueFile)
            RenewCompanion(gLeagueFile, gExtFile, writeFreshCompanion);
        requireFileAt(gExtFile);
        Database db;
        OpenPair(db, gLeagueFile, gExtFile);
        Transaction transaction(db);
        RemoveDeadSaveJournals(db, gLeagueFile, gExtFile);
        if (!IsOnePair(db))
            return failure(FileProblem::NotOnePair, FileAction::Save, gLeagueFile);
        rewriteLeague(db, WriteMode::RewriteChanged);
        MarkOnePair(db);
        transaction.Commit();
        companionToRenew.clear();
        KeepSavedLeague();
        return {true, {}};
    } catch (const Refusal &refusal) {
        return {false, refusal.message, FileProblem::Refused};
    } catch (const DatabaseError &error) {
        FileProblem problem = ProblemOf(error);
        if (isMissing(gLeagueFile))
            problem = FileProblem::LeagueMissing;
        else if (QFileInfo(gLeagueFile).isDir() || QFileInfo(gExtFile).isDir())
            problem = FileProblem::NotALeague;   // a folder in the way
        else if (problem == FileProblem::Failed && !QFileInfo(FolderOf(gLeagueFile)).isWritable())
            problem = FileProblem::WriteProtected;   // the folder takes no journal
        return failure(problem, FileAction::Save, gLeagueFile);
    }
}

FileResult LoadLeague(const QString &chosen)
{
    gDialogFilter = QStringLiteral("Fixtora Leagues (*.tbl)") + QChar(u'\0') + QStringLiteral("*.tbl") + QChar(u'\0');
    ShowOpenDialog(chosen);
    if (gDialogResult == 0)
        return abandonLoad({});
    setCaption(QStringLiteral("Fixtora          League Name :") + gFileFolder);
    const QString leagueFile = gLeagueFile;
    PairRead read;
    try {
        read = ReadLeaguePair(leagueFile, gExtFileName);
    } catch (const LoadError &error) {
        return abandonLoad(failure(error.problem, FileAction::Open, leagueFile));
    } catch (const DatabaseError &error) {
        return abandonLoad(failure(ProblemOf(error), FileAction::Open, leagueFile));
    }
    const bool companionLost =
        read.notice == FileProblem::CompanionMissing || read.notice == FileProblem::CompanionDamaged;
    companionToRenew = companionLost ? gLeagueFile : QString();
    BuildFixtureList();
    gLeagueOnDisk = true;
    gDatesPending = false;
    gFixturesClosed = false;
    KeepSavedLeague();
    setCaption(CurrentLeagueCaption(gTableName));
    if (read.notice == FileProblem::None)
        return {true, {}};
    const QString notice = openedNotice(read, gExtFileName);
    showMessage(notice);
    return {true, notice, read.notice};
}

} // namespace fixtora
