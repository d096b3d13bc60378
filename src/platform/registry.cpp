#include "platform/registry.h"

#include "platform/profilefile.h"

#include <QDir>
#include <QFile>

namespace fixtora {

namespace {

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;

// A line of a profile file cannot hold line breaks or NUL, and a hand edit may
// lose blanks at either end: such characters, and "%" itself, are stored as
// "%" and two hex digits.
bool needsEscape(const QString &text, qsizetype i)
{
    const QChar c = text[i];
    const bool edge = i == 0 || i == text.size() - 1;
    return c.unicode() < 0x20 || c == QLatin1Char('%') || (edge && c == QLatin1Char(' '));
}

QString escapeValue(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (needsEscape(text, i))
            result += QStringLiteral("%%1").arg(text[i].unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            result += text[i];
    }
    return result;
}

int hexValue(QChar c)
{
    const int digit = QStringLiteral("0123456789ABCDEF").indexOf(c.toUpper());
    return c.unicode() < 0x80 ? digit : -1;
}

// A "%" not followed by two hex digits stands for itself.
QString unescapeValue(const QString &stored)
{
    QString result;
    result.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const int high = i + 2 < stored.size() ? hexValue(stored[i + 1]) : -1;
        const int low = i + 2 < stored.size() ? hexValue(stored[i + 2]) : -1;
        if (stored[i] == QLatin1Char('%') && high >= 0 && low >= 0) {
            result += QChar(high * 16 + low);
            i += 2;
        } else {
            result += stored[i];
        }
    }
    return result;
}

bool isStorePlace(RegRoot root, const QString &subkey)
{
    return root == kHKeyLocalMachine && !subkey.isEmpty();
}

// The store holds the password: the file is created, and kept, owner-only
// before anything is written into it (the rewrite keeps the file's mode).
bool prepareStoreFile(const QString &file)
{
    if (!MakeUserConfigFolder())
        return false;
    QFile f(file);
    if (f.exists())
        return f.setPermissions(kOwnerOnly);
    return f.open(QIODevice::WriteOnly, kOwnerOnly);
}

} // namespace

QString DefaultSavePath()
{
    return QDir::homePath();
}

QString UserConfigFolder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/fixtora");
}

bool MakeUserConfigFolder()
{
    const QString folder = UserConfigFolder();
    QDir dir(folder);
    if (dir.exists())
        return true;
    if (!QDir().mkpath(folder))
        return false;
    return QFile::setPermissions(folder, kOwnerOnly | QFile::ExeOwner);
}

QString RegistryFile()
{
    return UserConfigFolder() + QStringLiteral("/registry.ini");
}

std::optional<QString> ReadRegData(RegRoot root, const QString &subkey, const QString &name)
{
    if (!isStorePlace(root, subkey))
        return std::nullopt;
    const std::optional<QString> stored = ReadProfileString(RegistryFile(), subkey, name);
    if (!stored)
        return std::nullopt;
    return unescapeValue(*stored) + QChar(0);
}

bool WriteRegData(RegRoot root, const QString &subkey, const QString &name, const QString &text)
{
    if (!isStorePlace(root, subkey))
        return false;
    const QString file = RegistryFile();
    return prepareStoreFile(file) && WriteProfileString(file, subkey, name, escapeValue(text));
}

} // namespace fixtora
