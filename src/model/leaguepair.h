#pragma once
// The two files of a league on disk: the league file and its companion are
// opened on one connection, carry one shared identity, and are replaced
// together. A process that dies part-way never leaves a mixed pair behind:
// a save is one transaction over both files (SQLite rolls a half-written one
// back when the pair is next opened), and a create builds a new pair under
// hidden names beside the old one and puts it in place with two renames,
// keeping the old companion until the second rename is done. The next create,
// save or load in the folder undoes a create that stopped before that.
//
// Hidden names of a create, for the league file "club.tbl" (XXXXXX random):
//   .club.tbl.XXXXXX.league     the new league file (locked while the create runs)
//   .club.tbl.XXXXXX.companion  the new companion
//   .club.tbl.XXXXXX.previous   the old companion (empty when there was none)
// and any journal SQLite keeps on disk beside the first two ("-journal",
// "-mj...": a create keeps its journals in memory, but the names are cleared
// with the rest). A save that renews a companion builds it alone as
// ".club.tbl.XXXXXX.companion", and a save of the tournament "cup.tr" its new
// file as ".cup.tr.XXXXXX.tournament"; each is locked while its save runs, and
// is cleared with its journal once no running save holds it.

#include "platform/database.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace fixtora {

// The key of league and tournament files.
extern const QByteArray kLeagueKey;

// Alias of the companion on the league file's connection.
inline const QString kCompanionSchema = QStringLiteral("ext");

// The role of a tournament save's hidden file (ReserveHiddenFile).
inline const QString kTournamentRole = QStringLiteral("tournament");

// Opens the league file with its key for reading and writing (reading only
// for a write-protected file) and attaches the companion as kCompanionSchema.
void OpenPair(Database &db, const QString &leaguePath, const QString &companionPath);
// Opens the league file alone, as OpenPair opens it.
void OpenLeagueFile(Database &db, const QString &leaguePath);

// Puts a fresh companion in place of a missing or damaged one: built under a
// hidden name beside the league file (as a create's companion is), given the
// league file's identity and what fill writes into it (attached as
// kCompanionSchema), then renamed over whatever stands at companionPath in
// one step. The league file is locked for writing from before the build until
// the rename is done, so no save of the pair runs in between. Throws
// DatabaseError and leaves the folder as it was when it could not.
void RenewCompanion(const QString &leaguePath, const QString &companionPath,
                    const std::function<void(Database &)> &fill);

// The identity of the file of schema ("main" or kCompanionSchema); nothing
// when it carries none (no record, or a pair written before identities were
// kept). Throws DatabaseError when its record cannot be read.
std::optional<QString> ReadIdentity(Database &db, const QString &schema);

// True when the two files belong together: both carry the same identity, or
// neither carries one (a pair written before identities were kept).
bool IsOnePair(Database &db);

// Gives both files of the open pair one new identity.
void MarkOnePair(Database &db);

// Undoes every create in folder whose process died before both files were in
// place, and removes the hidden files of every create, companion renewal and
// tournament save that is not running (one whose file is locked runs).
// Best effort: what cannot be decided now (a file locked elsewhere) is left
// for the next time.
void RecoverInterruptedCreates(const QString &folder);

// Removes what saves that died left beside the pair and SQLite leaves there:
// journals that never became hot (the process died before it changed a
// file; SQLite rolls hot ones back as the pair is opened) and super-journals
// that no journal names any more. db is the open pair; outside a transaction
// of the caller's (whose write lock then keeps every other save out) it takes
// the write lock for the removal, and leaves them when it cannot.
void RemoveDeadSaveJournals(Database &db, const QString &leaguePath, const QString &companionPath);

// Makes a new empty file under a hidden name beside path
// (".NAME.XXXXXX.ROLE", XXXXXX chosen at random so that saves never meet),
// for a save to fill and then put in place of path; the caller removes it
// when it is not put in place. Throws DatabaseError when the folder takes no
// new file.
QString ReserveHiddenFile(const QString &path, const QString &role);

// A file reserved as ReserveHiddenFile reserves it and locked while the object
// lives, so that RecoverInterruptedCreates leaves it to the save that owns it.
// The lock is released as the object goes: no database may then have the
// file open in this process, as closing the lock would release its locks too.
class HeldHiddenFile {
public:
    // Throws DatabaseError when the file cannot be made, or was taken over
    // before it was locked.
    HeldHiddenFile(const QString &path, const QString &role);
    HeldHiddenFile(const HeldHiddenFile &) = delete;
    HeldHiddenFile &operator=(const HeldHiddenFile &) = delete;
    const QString &Path() const { return m_path; }

private:
    QString m_path;
    FileLock m_lock;
};

// A new pair of files built under hidden names beside a league's files and
// put in place whole, or not at all. Whatever was not put in place is
// removed when the object goes.
class NewLeaguePair {
public:
    // Reserves the hidden names and marks the create as running.
    explicit NewLeaguePair(const QString &leaguePath);
    ~NewLeaguePair();
    NewLeaguePair(const NewLeaguePair &) = delete;
    NewLeaguePair &operator=(const NewLeaguePair &) = delete;

    // Opens the new pair as OpenPair opens a league's. Its changes are
    // journalled in memory only: nothing reads the pair before Install, and
    // a create that fails or dies leaves it to be removed, so a journal on
    // disk would only cost the create its writes and syncs.
    void Open(Database &db) const;

    // Puts the built pair in place of the league's files. Throws DatabaseError
    // when it could not; the old pair then stands as it was (or, should even
    // the undoing fail, is restored by the next use of the folder).
    void Install();

private:
    void settleOldPair();
    void restoreOldCompanion();

    QString m_league, m_companion;
    QString m_leagueTemp, m_companionTemp, m_previous;
    std::unique_ptr<HeldHiddenFile> m_running;   // the new league file
    KeyPreparation m_oldKey;                     // derived while the new pair is built
    std::unique_ptr<Database> m_oldPair;         // holds the old pair's write lock
    std::unique_ptr<Transaction> m_oldLock;
    bool m_keep = false;                         // leave the hidden files for recovery
};

// The points of Install at which the step hook is called, and the point of
// RenewCompanion where the fresh companion is built but not yet in place.
// Tests stop a create there to check what the next use of the folder makes of
// it: the hook may end the process at any step, or throw at the first two.
enum class InstallStep { OldCompanionKept, CompanionInPlace, LeagueInPlace, FreshCompanionBuilt };
void SetInstallStepHook(std::function<void(InstallStep)> hook);

} // namespace fixtora
