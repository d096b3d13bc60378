// Files beside a database (declared in database.h): the lock that marks a
// file as owned by a running process, and the renames, links and folder
// syncs that make a pair of files replace another in steps that survive a
// crash. Plain POSIX calls, apart from SQLite.
#include "platform/database.h"

#include "platform/sqlitecalls.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace fixtora {

using sql::FailFile;

FileLock::FileLock(const QString &path)
{
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void ReplaceFile(const QString &from, const QString &to)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        FailFile(QStringLiteral("Cannot write ") + to);
}

void LinkFile(const QString &from, const QString &to)
{
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return;
    if (errno == EEXIST || !QFile::copy(from, to))
        FailFile(QStringLiteral("Cannot keep a copy of ") + from);
    const int fd = ::open(QFile::encodeName(to).constData(), O_RDONLY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!synced)
        FailFile(QStringLiteral("Cannot keep a copy of ") + from);
}

void SyncFolder(const QString &folder)
{
    // Some file systems cannot sync a folder; the names are then as durable
    // as the file system makes them.
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace fixtora
