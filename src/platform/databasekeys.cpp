#include "platform/databasekeys.h"

#include "platform/database.h"
#include "platform/sqlitecalls.h"

#include <QFile>

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <future>
#include <mutex>
#include <utility>

namespace fixtora {

namespace sql {

namespace {

constexpr int kSaltSize = 16;      // at the start of every encrypted file
constexpr int kKeySize = 32;       // AES-256
constexpr qsizetype kKeptKeys = 16;

// SQLCipher 3 derives a key with PBKDF2-HMAC-SHA1 over the rounds it reports
// as its default. Another major version derives differently: 0 then, and the
// passphrase is handed to SQLCipher as it is.
int derivationRounds()
{
    static const int rounds = [] {
        sqlite3 *db = nullptr;
        QString version;
        int iterations = 0;
        try {
            if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
                RunStatement(db, QStringLiteral("PRAGMA cipher_version"),
                             [&](sqlite3_stmt *stmt) { version = ColumnValue(stmt, 0).toString(); });
                RunStatement(db, QStringLiteral("PRAGMA cipher_default_kdf_iter"),
                             [&](sqlite3_stmt *stmt) { iterations = sqlite3_column_int(stmt, 0); });
            }
        } catch (const DatabaseError &) {
            iterations = 0;
        }
        sqlite3_close(db);
        return version.startsWith(QLatin1String("3.")) ? iterations : 0;
    }();
    return rounds;
}

// The raw key SQLCipher takes for passphrase and salt, "x'<key><salt>'" in
// hexadecimal; empty when it cannot be derived.
QByteArray deriveKey(const QByteArray &passphrase, const QByteArray &salt)
{
    QByteArray key(kKeySize, Qt::Uninitialized);
    if (PKCS5_PBKDF2_HMAC_SHA1(passphrase.constData(), static_cast<int>(passphrase.size()),
                               reinterpret_cast<const unsigned char *>(salt.constData()),
                               static_cast<int>(salt.size()), derivationRounds(), kKeySize,
                               reinterpret_cast<unsigned char *>(key.data()))
        != 1)
        return {};
    return QByteArrayLiteral("x'") + key.toHex() + salt.toHex() + '\'';
}

// The keys derived so far, the most recent last.
struct DerivedKeys {
    std::mutex mutex;
    QList<std::pair<QByteArray, std::shared_future<QByteArray>>> keys;
};

DerivedKeys &derivedKeys()
{
    static DerivedKeys keys;
    return keys;
}

// The derivation of passphrase with salt: the one known or under way, else a
// new one, run as launch says.
std::shared_future<QByteArray> derivation(const QByteArray &passphrase, const QByteArray &salt, std::launch launch)
{
    const QByteArray id = salt + passphrase;
    std::shared_future<QByteArray> forgotten;   // waited for once the lock is released
    DerivedKeys &cache = derivedKeys();
    const std::lock_guard lock(cache.mutex);
    for (const auto &[known, key] : cache.keys)
        if (known == id)
            return key;
    std::shared_future<QByteArray> key = std::async(launch, deriveKey, passphrase, salt).share();
    cache.keys.append({id, key});
    if (cache.keys.size() > kKeptKeys)
        forgotten = cache.keys.takeFirst().second;
    return key;
}

// The salt kept by the main file of db, read through the connection's own
// file (no second open of it, which would drop the locks this process holds
// on it): empty when the file is shorter than a salt. An empty file gets a
// fresh random one (its first write stores it) when fresh is set.
QByteArray saltOf(sqlite3 *db, bool fresh)
{
    sqlite3_file *file = nullptr;
    sqlite3_int64 size = 0;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file
        || !file->pMethods || file->pMethods->xFileSize(file, &size) != SQLITE_OK)
        return {};
    QByteArray salt(kSaltSize, Qt::Uninitialized);
    auto *bytes = reinterpret_cast<unsigned char *>(salt.data());
    if (size == 0)
        return fresh && RAND_bytes(bytes, kSaltSize) == 1 ? salt : QByteArray();
    if (size < kSaltSize || file->pMethods->xRead(file, bytes, kSaltSize, 0) != SQLITE_OK)
        return {};
    return salt;
}

} // namespace

int JournalPageSize(const QString &path)
{
    static const QByteArray magic = QByteArray::fromHex("d9d505f920a163d7");
    constexpr int kPageSizeAt = 24;
    QFile journal(path + QStringLiteral("-journal"));
    if (!journal.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = journal.read(kPageSizeAt + 4);
    if (header.size() < kPageSizeAt + 4 || !header.startsWith(magic))
        return 0;
    const auto *size = reinterpret_cast<const unsigned char *>(header.constData() + kPageSizeAt);
    return static_cast<int>((quint32(size[0]) << 24) | (quint32(size[1]) << 16) | (quint32(size[2]) << 8) | size[3]);
}

QByteArray KeyFor(sqlite3 *db, const QByteArray &passphrase)
{
    if (passphrase.startsWith("x'") || derivationRounds() <= 0)
        return passphrase;
    const QByteArray salt = saltOf(db, true);
    if (salt.isEmpty())
        return passphrase;
    const QByteArray key = derivation(passphrase, salt, std::launch::deferred).get();
    return key.isEmpty() ? passphrase : key;
}

} // namespace sql

using namespace sql;

// ---- Keys of encrypted files ------------------------------------------------------

KeyPreparation::KeyPreparation(const QString &path, const QByteArray &key)
{
    if (key.isEmpty() || key.startsWith("x'") || derivationRounds() <= 0)
        return;
    sqlite3 *db = nullptr;
    QByteArray salt;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK)
        salt = saltOf(db, false);
    sqlite3_close(db);
    if (salt.size() == kSaltSize)
        m_key = derivation(key, salt, std::launch::async);
}

KeyPreparation::~KeyPreparation()
{
    if (m_key.valid())
        m_key.wait();
}

void ForgetDerivedKeys()
{
    DerivedKeys &cache = derivedKeys();
    decltype(cache.keys) forgotten;   // waited for once the lock is released
    const std::lock_guard lock(cache.mutex);
    forgotten.swap(cache.keys);
}

} // namespace fixtora
