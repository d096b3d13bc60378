#include "platform/profilefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace fixtora {

namespace {

struct ProfileText {
    QStringList lines;
    QString lineEnd = QStringLiteral("\n");
};

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString withoutBlanksAround(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text.toString();
}

bool holdsLineBreakOrNul(const QString &s)
{
    return s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r'))
        || s.contains(QChar(0));
}

bool validSection(const QString &section)
{
    return !section.trimmed().isEmpty() && !section.contains(QLatin1Char(']'))
        && !holdsLineBreakOrNul(section);
}

bool validKey(const QString &key)
{
    const QString k = key.trimmed();
    return !k.isEmpty() && !k.startsWith(QLatin1Char('[')) && !k.startsWith(QLatin1Char(';'))
        && !key.contains(QLatin1Char('=')) && !holdsLineBreakOrNul(key);
}

// False when what stands at file cannot be read (a link to nothing too); a
// missing file is empty.
bool readProfile(const QString &file, ProfileText &text)
{
    if (IsUnusableProfile(file))
        return false;
    QFile f(file);
    if (!f.exists())
        return true;
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QString all = QString::fromUtf8(f.readAll());
    if (all.contains(QLatin1String("\r\n")))
        text.lineEnd = QStringLiteral("\r\n");
    text.lines = all.split(QLatin1Char('\n'));
    if (text.lines.last().isEmpty())
        text.lines.removeLast();
    for (QString &line : text.lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return true;
}

// The name of the section a header line opens, or a null text for other lines.
QString sectionName(const QString &line)
{
    const QString t = line.trimmed();
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    if (!t.startsWith(QLatin1Char('[')) || close < 0)
        return {};
    return t.mid(1, close - 1).trimmed();
}

qsizetype findSection(const QStringList &lines, const QString &section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString name = sectionName(lines[i]);
        if (!name.isNull() && name.compare(section.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype sectionEnd(const QStringList &lines, qsizetype header)
{
    qsizetype i = header + 1;
    while (i < lines.size() && sectionName(lines[i]).isNull())
        ++i;
    return i;
}

qsizetype findKey(const QStringList &lines, qsizetype from, qsizetype to, const QString &key)
{
    for (qsizetype i = from; i < to; ++i) {
        const qsizetype eq = lines[i].indexOf(QLatin1Char('='));
        if (eq >= 0 && lines[i].left(eq).trimmed().compare(key.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void setEntry(QStringList &lines, const QString &section, const ProfileEntry &entry)
{
    const QString line = entry.key + QLatin1Char('=') + entry.value;
    const qsizetype header = findSection(lines, section);
    if (header < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QString());
        lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        lines.append(line);
        return;
    }
    const qsizetype end = sectionEnd(lines, header);
    const qsizetype at = findKey(lines, header + 1, end, entry.key);
    if (at >= 0) {
        lines[at] = line;
        return;
    }
    qsizetype insertAt = end;
    while (insertAt > header + 1 && lines[insertAt - 1].trimmed().isEmpty())
        --insertAt;
    lines.insert(insertAt, line);
}

bool saveProfile(const QString &file, const ProfileText &text)
{
    QString all;
    for (const QString &line : text.lines)
        all += line + text.lineEnd;
    QSaveFile f(file);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = all.toUtf8();
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

} // namespace

ProfileProblem ProblemWithProfile(const QString &file)
{
    const QFileInfo info(file);
    if (!info.exists())
        return info.isSymLink() ? ProfileProblem::LinkToNothing : ProfileProblem::None;
    if (!info.isFile())
        return ProfileProblem::NotAFile;
    if (info.size() > kMaxProfileBytes)
        return ProfileProblem::TooLarge;
    // Opening, not the permission bits, tells: root reads what its bits refuse.
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? ProfileProblem::None : ProfileProblem::Unreadable;
}

bool IsUnusableProfile(const QString &file)
{
    return ProblemWithProfile(file) != ProfileProblem::None;
}

QString SetProfileAside(const QString &file)
{
    constexpr int kTries = 100;
    for (int n = 1; n <= kTries; ++n) {
        const QString aside = file + QStringLiteral(".set-aside") + (n > 1 ? QString::number(n) : QString());
        const QFileInfo taken(aside);
        if (taken.exists() || taken.isSymLink())
            continue;
        return std::rename(QFile::encodeName(file).constData(), QFile::encodeName(aside).constData()) == 0
            ? aside
            : QString();
    }
    return {};
}

std::optional<QString> ReadProfileString(const QString &file, const QString &section,
                                         const QString &key)
{
    ProfileText text;
    if (!readProfile(file, text))
        return std::nullopt;
    const qsizetype header = findSection(text.lines, section);
    if (header < 0)
        return std::nullopt;
    const qsizetype at = findKey(text.lines, header + 1, sectionEnd(text.lines, header), key);
    if (at < 0)
        return std::nullopt;
    const QString &line = text.lines[at];
    return withoutBlanksAround(QStringView(line).mid(line.indexOf(QLatin1Char('=')) + 1));
}

bool WriteProfileStrings(const QString &file, const QString &section,
                         const QList<ProfileEntry> &entries)
{
    if (!validSection(section))
        return false;
    for (const ProfileEntry &entry : entries) {
        if (!validKey(entry.key) || holdsLineBreakOrNul(entry.value))
            return false;
    }
    ProfileText text;
    if (!readProfile(file, text))
        return false;
    for (const ProfileEntry &entry : entries)
        setEntry(text.lines, section, entry);
    return saveProfile(file, text);
}

bool WriteProfileString(const QString &file, const QString &section, const QString &key,
                        const QString &value)
{
    return WriteProfileStrings(file, section, {{key, value}});
}

} // namespace fixtora
