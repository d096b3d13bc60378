#pragma once
// Profile files: "[section]" header lines, each followed by "key=value" lines.
//
// Section names and keys match without regard to letter case. A value is what
// stands after the first "=" of its line, without the blanks (spaces, tabs)
// around it, so "PointsforWin = 2" reads "2". A key
// written again is replaced on its own line; a new key goes at the end of its
// section, and a missing section at the end of the file, which is created on
// the first write. Every other line is kept as it was. Files with CRLF or LF
// line ends are read; a rewritten file keeps its line ends.
//
// Only a regular file of at most kMaxProfileBytes is read or written: a FIFO
// would hang the reader and a device or a huge file would fill the memory.

#include <QList>
#include <QString>

#include <optional>

namespace fixtora {

struct ProfileEntry {
    QString key;
    QString value;
};

inline constexpr qint64 kMaxProfileBytes = 1024 * 1024;

// What keeps something standing at a profile file's place from being read.
enum class ProfileProblem {
    None,          // nothing stands there, or a file that can be read
    NotAFile,      // a folder, a FIFO, a device, or a link to one
    TooLarge,      // over kMaxProfileBytes
    Unreadable,    // a file its reader has no permission to open
    LinkToNothing, // a symbolic link whose target does not exist
};

ProfileProblem ProblemWithProfile(const QString &file);

// True when something stands at file that is no profile file to read.
bool IsUnusableProfile(const QString &file);

// Renames what stands at file (a link itself, not what it points to) to
// file + ".set-aside", or that name with a number when it is taken; the new
// name, or the empty text when it could not be moved.
QString SetProfileAside(const QString &file);

// The value of key in section, or nothing when the file, the section or the
// key is missing or the file cannot be read (or is unusable).
std::optional<QString> ReadProfileString(const QString &file, const QString &section,
                                         const QString &key);

// Writes all entries into section in one rewrite of the whole file, so the file
// is either fully updated or left as it was. False when nothing was written: the
// file could not be read or written, or a section name, key or value cannot be
// held on its line (a line break or NUL anywhere, "=" in a key, "]" in a section
// name, an empty name, a key starting with "[" or ";").
[[nodiscard]] bool WriteProfileStrings(const QString &file, const QString &section,
                         const QList<ProfileEntry> &entries);

[[nodiscard]] bool WriteProfileString(const QString &file, const QString &section, const QString &key,
                        const QString &value);

} // namespace fixtora
