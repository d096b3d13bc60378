#include "model/tournamentfile.h"

#include "model/league.h"
#include "model/leaguefileformat.h"
#include "model/leaguepair.h"
#include "model/tournament.h"
#include "platform/database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace fixtora {

namespace {

using leaguefile::DecodeDate;
using leaguefile::EncodeDate;
using leaguefile::FolderOf;

const QString kHeadTable = QStringLiteral("tournament");
const QString kNamesTable = QStringLiteral("names");
const QString kScoresTable = QStringLiteral("scores");
const QString kDatesTable = QStringLiteral("dates");
const QStringList kHeadFields{QStringLiteral("title"), QStringLiteral("entrants")};
const QString kNameField = QStringLiteral("name");
const QString kWinnerField = QStringLiteral("winner");
const QString kDateField = QStringLiteral("date");

// A failed save or open of the tournament at path, in the user's words.
QString failure(FileProblem problem, FileAction action, const QString &path)
{
    const QString file = QDir::toNativeSeparators(path);
    if (action == FileAction::Save)
        return QStringLiteral("Fixtora could not save the tournament in %1: %2. The last saved copy of the "
                              "tournament is intact.")
            .arg(file, WhatHappened(problem, action, path));
    const QString happened = problem == FileProblem::Damaged || problem == FileProblem::Failed
        ? QStringLiteral("it is not a Fixtora tournament file, or it is damaged")
        : WhatHappened(problem, action, path);
    return QStringLiteral("Fixtora could not open the tournament %1: %2.").arg(file, happened);
}

// ---- Writing -----------------------------------------------------------------------

// The hidden file a save fills, held while the save runs and removed unless
// it was put in place.
class NewFile {
public:
    explicit NewFile(const QString &path) : m_file(path, kTournamentRole) {}
    ~NewFile()
    {
        if (!m_installed)
            QFile::remove(m_file.Path());
    }
    NewFile(const NewFile &) = delete;
    NewFile &operator=(const NewFile &) = delete;
    const QString &Path() const { return m_file.Path(); }
    void Install(const QString &path)
    {
        ReplaceFile(m_file.Path(), path);
        m_installed = true;
        SyncFolder(FolderOf(path));
    }

private:
    HeldHiddenFile m_file;
    bool m_installed = false;
};

void createTable(Database &db, const QString &table, const QString &columns)
{
    db.Execute(QStringLiteral("CREATE TABLE %1 (id INTEGER PRIMARY KEY, %2)").arg(table, columns));
}

void writeTournament(Database &db)
{
    const int entrants = gTourEntrants;
    createTable(db, kHeadTable, QStringLiteral("title TEXT, entrants INTEGER"));
    createTable(db, kNamesTable, QStringLiteral("name TEXT"));
    createTable(db, kScoresTable, QStringLiteral("winner INTEGER"));
    createTable(db, kDatesTable, QStringLiteral("date TEXT"));

    RecordWriter head(db, kHeadTable, kHeadFields, RecordWriter::Mode::Append);
    head.SetText(0, gTourTitle);
    head.Set(1, entrants);
    head.Write();
    RecordWriter names(db, kNamesTable, {kNameField}, RecordWriter::Mode::Append);
    for (int slot = 1; slot <= entrants; ++slot) {
        names.SetText(0, gTourNames[slot]);
        names.Write();
    }
    RecordWriter scores(db, kScoresTable, {kWinnerField}, RecordWriter::Mode::Append);
    for (int winner : PairWinners(entrants)) {
        scores.Set(0, winner);
        scores.Write();
    }
    RecordWriter dates(db, kDatesTable, {kDateField}, RecordWriter::Mode::Append);
    for (int round = 1; round <= ChartLevels(entrants); ++round) {
        dates.SetText(0, EncodeDate(gTourDates[round]));
        dates.Write();
    }
}

// ---- Reading -----------------------------------------------------------------------

struct Refused {};

// The values of one field of a table's records, in record order.
QList<QVariant> readField(Database &db, const QString &table, const QStringList &fields, int field)
{
    if (!db.HasTable(table))
        throw Refused{};
    RecordReader reader(db, table, fields);
    QList<QVariant> values;
    while (reader.Next())
        values.append(reader.Value(field));
    return values;
}

struct ReadTournament {
    QString title;
    TourSlots names;
    int entrants = 0;
    std::array<QDate, kMaxTourDates + 1> dates{};
};

ReadTournament readTournament(Database &db)
{
    ReadTournament read;
    const QList<QVariant> titles = readField(db, kHeadTable, kHeadFields, 0);
    const QList<QVariant> sizes = readField(db, kHeadTable, kHeadFields, 1);
    if (titles.size() != 1 || titles[0].typeId() != QMetaType::QString || sizes[0].typeId() != QMetaType::LongLong)
        throw Refused{};
    read.title = titles[0].toString();
    read.entrants = static_cast<int>(sizes[0].toLongLong());
    if (read.title.size() > kMaxTourTitle || !IsChartSize(read.entrants))
        throw Refused{};

    QStringList firstRound;
    for (const QVariant &name : readField(db, kNamesTable, {kNameField}, 0)) {
        if (name.typeId() != QMetaType::QString)
            throw Refused{};
        firstRound.append(name.toString());
    }
    QList<int> winners;
    for (const QVariant &winner : readField(db, kScoresTable, {kWinnerField}, 0)) {
        if (winner.typeId() != QMetaType::LongLong)
            throw Refused{};
        winners.append(static_cast<int>(std::clamp<qlonglong>(winner.toLongLong(), -1, 3)));
    }
    if (firstRound.size() != read.entrants)
        throw Refused{};
    const std::optional<TourSlots> names = RebuildTournament(firstRound, winners);
    if (!names)
        throw Refused{};
    read.names = *names;

    const QList<QVariant> dates = readField(db, kDatesTable, {kDateField}, 0);
    if (dates.size() != ChartLevels(read.entrants))
        throw Refused{};
    for (qsizetype round = 1; round <= dates.size(); ++round) {
        const std::optional<QDate> date = DecodeDate(dates[round - 1]);
        if (!date)
            throw Refused{};
        read.dates[round] = *date;
    }
    return read;
}

} // namespace

bool IsTournamentPath(const QString &path)
{
    return path.endsWith(kTournamentExt, Qt::CaseInsensitive);
}

FileResult SaveTournament(const QString &path)
{
    if (!IsChartSize(gTourEntrants) || gTourTitle.size() > kMaxTourTitle)
        return {false, QStringLiteral("There is no tournament to save")};
    const QFileInfo existing(path);
    if (existing.isDir())
        return {false, failure(FileProblem::NotALeague, FileAction::Save, path), FileProblem::NotALeague};
    // A write-protected file is kept as it is, as a league file is.
    if (existing.isFile() && !existing.isWritable())
        return {false, failure(FileProblem::WriteProtected, FileAction::Save, path), FileProblem::WriteProtected};
    try {
        RecoverInterruptedCreates(FolderOf(path));
        NewFile file(path);
        {
            Database db;
            db.Open(file.Path(), Database::Mode::ReadWrite, kLeagueKey);
            Transaction transaction(db);
            writeTournament(db);
            transaction.Commit();
        }
        file.Install(path);
    } catch (const DatabaseError &error) {
        const FileProblem problem = ProblemOf(error);
        return {false, failure(problem, FileAction::Save, path), problem};
    }
    gTourFile = path;
    gTourChanged = false;
    return {true, {}};
}

FileResult LoadTournament(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return {false, failure(FileProblem::LeagueMissing, FileAction::Open, path), FileProblem::LeagueMissing};
    ReadTournament read;
    try {
        RecoverInterruptedCreates(FolderOf(path));
        Database db;
        db.Open(path, Database::Mode::ReadOnly, kLeagueKey);
        db.CheckIntegrity();
        read = readTournament(db);
    } catch (const DatabaseError &error) {
        const FileProblem problem = ProblemOf(error);
        return {false, failure(problem, FileAction::Open, path), problem};
    } catch (const Refused &) {
        return {false, failure(FileProblem::Damaged, FileAction::Open, path), FileProblem::Damaged};
    }
    gTourTitle = read.title;
    gTourEntrants = read.entrants;
    gTourNames = read.names;
    gTourDates = read.dates;
    gTourFile = path;
    gTourChanged = false;
    gSelectedSlot = 0;
    return {true, {}};
}

} // namespace fixtora
