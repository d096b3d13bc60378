#include "model/leaguepair.h"

#include "model/filedialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QUuid>

#include <cerrno>
#include <optional>

namespace fixtora {

const QByteArray kLeagueKey = QByteArrayLiteral("Rk8mQv3Zt6");

namespace {

const QString kIdentityTable = QStringLiteral("leaguepair");
const QString kIdentityField = QStringLiteral("identity");
const QString kMainSchema = QStringLiteral("main");
const QString kLeagueRole = QStringLiteral("league");
const QString kCompanionRole = QStringLiteral("companion");
const QString kPreviousRole = QStringLiteral("previous");
const QString kJournal = QStringLiteral("-journal");
const QString kSuperJournal = QStringLiteral("-mj");

std::function<void(InstallStep)> &installStepHook()
{
    static std::function<void(InstallStep)> hook;
    return hook;
}

void reachStep(InstallStep step)
{
    if (installStepHook())
        installStepHook()(step);
}

// errnum: what the failed open of file left in errno.
[[noreturn]] void failToCreate(const QFile &file, int errnum)
{
    throw DatabaseError(QStringLiteral("Cannot create ") + file.fileName() + QStringLiteral(": ") + file.errorString(),
                        KindOfSystemError(errnum));
}

QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

bool isFile(const QString &path)
{
    return QFileInfo(path).isFile();
}

// ".club.tbl.XXXXXX.league" beside "club.tbl".
QString hiddenName(const QString &leaguePath, const QString &suffix, const QString &role)
{
    const QFileInfo info(leaguePath);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.') + suffix + QLatin1Char('.')
        + role;
}

// Captures the league file's name and the create's suffix.
const QRegularExpression &hiddenNamePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\.(.+)\.([A-Za-z0-9]{6})\.(league|companion|previous|tournament))"
                       R"((-journal|-mj[0-9A-Fa-f]+)?$)"));
    return pattern;
}

QString randomSuffix()
{
    static const QLatin1StringView letters("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += letters[QRandomGenerator::global()->bounded(static_cast<int>(letters.size()))];
    return suffix;
}

// Every file of the folder whose name starts with prefix (names taken as
// they are, not as patterns).
QStringList filesStartingWith(const QString &folder, const QString &prefix)
{
    QStringList files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (name.startsWith(prefix))
            files.append(dir.filePath(name));
    return files;
}

QStringList superJournals(const QString &leaguePath)
{
    return filesStartingWith(folderOf(leaguePath), QFileInfo(leaguePath).fileName() + kSuperJournal);
}

// A super-journal lists the journals of its transaction, each ended by a NUL.
bool namesAnExistingJournal(const QString &superJournal)
{
    QFile file(superJournal);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    for (const QByteArray &name : file.readAll().split('\0'))
        if (!name.isEmpty() && QFile::exists(QFile::decodeName(name)))
            return true;
    return false;
}

enum class PairState { OnePair, Mixed, Unknown };

PairState pairState(const QString &league, const QString &companion)
{
    const bool hasLeague = isFile(league), hasCompanion = isFile(companion);
    if (!hasLeague && !hasCompanion)
        return PairState::OnePair;
    if (!hasLeague || !hasCompanion)
        return PairState::Mixed;
    try {
        Database db;
        OpenPair(db, league, companion);
        db.Execute(QStringLiteral("BEGIN"));
        const bool one = IsOnePair(db);
        db.Execute(QStringLiteral("COMMIT"));
        return one ? PairState::OnePair : PairState::Mixed;
    } catch (const DatabaseError &error) {
        const bool notALeague =
            error.kind() == DatabaseError::Kind::Damaged || error.kind() == DatabaseError::Kind::Missing;
        return notALeague ? PairState::Mixed : PairState::Unknown;
    }
}

// Puts the companion kept by a create back in place; an empty one stands for
// no companion at all.
bool putBackCompanion(const QString &previous, const QString &companion)
{
    bool done;
    if (QFileInfo(previous).size() == 0) {
        done = (!QFile::exists(companion) || QFile::remove(companion)) && QFile::remove(previous);
    } else {
        try {
            ReplaceFile(previous, companion);
            done = true;
        } catch (const DatabaseError &) {
            done = false;
        }
    }
    SyncFolder(folderOf(companion));
    return done;
}

// True when a running create or save holds one of the files (the journals
// SQLite keeps beside them are not locked).
bool heldElsewhere(const QStringList &files)
{
    for (const QString &file : files) {
        if (!hiddenNamePattern().match(QFileInfo(file).fileName()).captured(4).isEmpty())
            continue;
        const FileLock owner(file);
        if (!owner.IsHeld() && QFile::exists(file))
            return true;
    }
    return false;
}

// The hidden files of one create; the new league file goes last, as it marks
// the create.
void removeHiddenFiles(const QStringList &files, const QString &leagueTemp)
{
    for (const QString &file : files)
        if (file != leagueTemp)
            QFile::remove(file);
    QFile::remove(leagueTemp);
    SyncFolder(folderOf(leagueTemp));
}

struct InterruptedCreate {
    QString league;   // the league file it was replacing
    QString suffix;
    QStringList files;
};

void recover(const InterruptedCreate &create)
{
    const QString leagueTemp = hiddenName(create.league, create.suffix, kLeagueRole);
    const QString previous = hiddenName(create.league, create.suffix, kPreviousRole);
    // Until the new league file is renamed into place, the old league is the
    // league: its companion goes back if the new one already replaced it.
    if (QFile::exists(leagueTemp)) {
        const FileLock running(leagueTemp);
        if (!running.IsHeld())
            return;
        if (QFile::exists(previous)) {
            const QString companion = CompanionPath(create.league);
            const PairState state = pairState(create.league, companion);
            if (state == PairState::Unknown)
                return;
            if (state == PairState::Mixed && !putBackCompanion(previous, companion))
                return;
        }
        removeHiddenFiles(create.files, leagueTemp);
        return;
    }
    if (!heldElsewhere(create.files))
        removeHiddenFiles(create.files, leagueTemp);
}

} // namespace

void OpenPair(Database &db, const QString &leaguePath, const QString &companionPath)
{
    OpenLeagueFile(db, leaguePath);
    db.Attach(companionPath, kCompanionSchema);
}

void OpenLeagueFile(Database &db, const QString &leaguePath)
{
    db.Open(leaguePath, Database::Mode::ReadWrite, kLeagueKey);
}

QString ReserveHiddenFile(const QString &path, const QString &role)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        QFile file(hiddenName(path, randomSuffix(), role));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return file.fileName();
        const int errnum = errno;
        if (!file.exists())
            failToCreate(file, errnum);
    }
    throw DatabaseError(QStringLiteral("Cannot create a file in ") + folderOf(path));
}

HeldHiddenFile::HeldHiddenFile(const QString &path, const QString &role)
    : m_path(ReserveHiddenFile(path, role)), m_lock(m_path)
{
    if (!m_lock.IsHeld() || !QFile::exists(m_path)) {
        // Another process took the name over: it is its file now.
        throw DatabaseError(QStringLiteral("Cannot reserve ") + m_path);
    }
}

void RenewCompanion(const QString &leaguePath, const QString &companionPath,
                    const std::function<void(Database &)> &fill)
{
    const HeldHiddenFile fresh(leaguePath, kCompanionRole);
    try {
        Database league;
        OpenLeagueFile(league, leaguePath);
        const Transaction writeLock(league);
        const std::optional<QString> identity = ReadIdentity(league, kMainSchema);
        {
            // The fresh companion is built on a connection of its own, as the
            // league file's write lock is held on this one.
            Database db;
            db.Open(QStringLiteral(":memory:"), Database::Mode::Create);
            db.Attach(fresh.Path(), kCompanionSchema);
            Transaction transaction(db);
            if (identity) {
                db.Execute(QStringLiteral("CREATE TABLE %1.%2 (id INTEGER PRIMARY KEY, %3 TEXT)")
                               .arg(kCompanionSchema, kIdentityTable, kIdentityField));
                Recordset record(db, kIdentityTable, kCompanionSchema);
                record.AddNew();
                record.SetField(kIdentityField, *identity);
                record.Update();
            }
            fill(db);
            transaction.Commit();
        }
        reachStep(InstallStep::FreshCompanionBuilt);
        // A journal the old companion left would be rolled back into the new one.
        QFile::remove(companionPath + kJournal);
        ReplaceFile(fresh.Path(), companionPath);
        SyncFolder(folderOf(leaguePath));
    } catch (...) {
        QFile::remove(fresh.Path());
        QFile::remove(fresh.Path() + kJournal);
        throw;
    }
}

std::optional<QString> ReadIdentity(Database &db, const QString &schema)
{
    if (!db.HasTable(kIdentityTable, schema))
        return std::nullopt;
    const QVariant identity = db.Value(QStringLiteral("SELECT %1 FROM %2.%3 ORDER BY rowid LIMIT 1")
                                           .arg(kIdentityField, schema, kIdentityTable));
    if (identity.isNull())
        return std::nullopt;
    return identity.toString();
}

bool IsOnePair(Database &db)
{
    return ReadIdentity(db, kMainSchema) == ReadIdentity(db, kCompanionSchema);
}

void MarkOnePair(Database &db)
{
    const QString identity = QUuid::createUuid().toString(QUuid::WithoutBraces);
    for (const QString &schema : {kMainSchema, kCompanionSchema}) {
        if (!db.HasTable(kIdentityTable, schema))
            db.Execute(QStringLiteral("CREATE TABLE %1.%2 (id INTEGER PRIMARY KEY, %3 TEXT)")
                           .arg(schema, kIdentityTable, kIdentityField));
        Recordset record(db, kIdentityTable, schema);
        if (record.RecordCount() == 0) {
            record.AddNew();
        } else {
            record.MoveFirst();
            record.Edit();
        }
        record.SetField(kIdentityField, identity);
        record.Update();
    }
}

void RecoverInterruptedCreates(const QString &folder)
{
    const QDir dir(folder);
    QMap<QString, InterruptedCreate> creates;
    for (const QString &name : dir.entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch match = hiddenNamePattern().match(name);
        if (!match.hasMatch())
            continue;
        InterruptedCreate &create = creates[match.captured(1) + QLatin1Char('/') + match.captured(2)];
        create.league = dir.filePath(match.captured(1));
        create.suffix = match.captured(2);
        create.files.append(dir.filePath(name));
    }
    for (const InterruptedCreate &create : creates)
        recover(create);
}

void RemoveDeadSaveJournals(Database &db, const QString &leaguePath, const QString &companionPath)
{
    const QStringList journals{leaguePath + kJournal, companionPath + kJournal};
    const QStringList candidates = superJournals(leaguePath);
    if (candidates.isEmpty() && !QFile::exists(journals[0]) && !QFile::exists(journals[1]))
        return;
    std::optional<Transaction> writeLock;
    if (!db.InTransaction()) {
        try {
            writeLock.emplace(db);
        } catch (const DatabaseError &) {
            return;   // a save runs elsewhere, or the file is write-protected
        }
    }
    for (const QString &journal : journals)
        QFile::remove(journal);
    for (const QString &candidate : candidates)
        if (!namesAnExistingJournal(candidate))
            QFile::remove(candidate);
}

// ---- NewLeaguePair -------------------------------------------------------------------

NewLeaguePair::NewLeaguePair(const QString &leaguePath)
    : m_league(leaguePath), m_companion(CompanionPath(leaguePath)), m_oldKey(leaguePath, kLeagueKey)
{
    m_running = std::make_unique<HeldHiddenFile>(leaguePath, kLeagueRole);
    m_leagueTemp = m_running->Path();
    // The pair's other hidden files share the league file's name but for its role.
    const QString stem = m_leagueTemp.chopped(kLeagueRole.size());
    m_companionTemp = stem + kCompanionRole;
    m_previous = stem + kPreviousRole;
    QFile companion(m_companionTemp);
    if (!companion.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        const int errnum = errno;
        QFile::remove(m_leagueTemp);
        failToCreate(companion, errnum);
    }
}

NewLeaguePair::~NewLeaguePair()
{
    m_oldLock.reset();
    m_oldPair.reset();
    if (m_keep)
        return;
    const QFileInfo temp(m_leagueTemp);
    removeHiddenFiles(filesStartingWith(temp.absolutePath(), temp.completeBaseName() + QLatin1Char('.')),
                      m_leagueTemp);
}

void NewLeaguePair::Open(Database &db) const
{
    OpenPair(db, m_leagueTemp, m_companionTemp);
    for (const QString &schema : {kMainSchema, kCompanionSchema})
        db.Execute(QStringLiteral("PRAGMA %1.journal_mode = MEMORY").arg(schema));
}

void NewLeaguePair::Install()
{
    settleOldPair();
    if (isFile(m_companion)) {
        LinkFile(m_companion, m_previous);
    } else {
        QFile none(m_previous);
        if (!none.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            failToCreate(none, errno);
    }
    SyncFolder(folderOf(m_league));
    reachStep(InstallStep::OldCompanionKept);

    ReplaceFile(m_companionTemp, m_companion);
    try {
        reachStep(InstallStep::CompanionInPlace);
        ReplaceFile(m_leagueTemp, m_league);
    } catch (...) {
        if (!putBackCompanion(m_previous, m_companion))
            m_keep = true;   // the next use of the folder puts it back
        throw;
    }
    SyncFolder(folderOf(m_league));
    reachStep(InstallStep::LeagueInPlace);
    QFile::remove(m_previous);
}

// The old pair is locked for writing until the new one is in place: a save of
// it that runs elsewhere makes the create fail cleanly, and what a save that
// died left in its journals is rolled back first, so the kept companion is
// whole and no journal of the old files is left beside the new ones.
void NewLeaguePair::settleOldPair()
{
    if (isFile(m_league)) {
        try {
            m_oldPair = std::make_unique<Database>();
            m_oldPair->Open(m_league, Database::Mode::ReadWrite, kLeagueKey);
            if (isFile(m_companion))
                m_oldPair->Attach(m_companion, kCompanionSchema);
            m_oldLock = std::make_unique<Transaction>(*m_oldPair);
            RemoveDeadSaveJournals(*m_oldPair, m_league, m_companion);
            return;
        } catch (const DatabaseError &error) {
            // A save of the old league that died and cannot be rolled back
            // yet keeps its journal: should the create fail, it is still
            // needed.
            if (error.kind() == DatabaseError::Kind::Busy || error.kind() == DatabaseError::Kind::CannotRollBack)
                throw;
            m_oldLock.reset();   // not a league: nothing of it to keep whole
            m_oldPair.reset();
        }
    }
    QFile::remove(m_league + kJournal);
    QFile::remove(m_companion + kJournal);
}

void SetInstallStepHook(std::function<void(InstallStep)> hook)
{
    installStepHook() = std::move(hook);
}

} // namespace fixtora
