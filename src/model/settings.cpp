#include "model/settings.h"

#include "model/league.h"
#include "platform/profilefile.h"

#include <QDir>
#include <QFileInfo>

#include <array>

namespace fixtora {

namespace {

// Kept for the file, which has always held it; nothing in the program reads it.
QString sortLeague;

// One key of "config.ini": the text written when the file is created, the
// text a key an existing file lacks (or a boolean it cannot read) stands for,
// and the variable it is read into (text or boolean, exactly one of the two).
struct IniKey {
    const char *name;
    const char *creationText;
    const char *fallbackText;
    QString *text;
    bool *flag;
};

const std::array<IniKey, std::tuple_size_v<IniSnapshot>> kIniKeys{{
    {"PointsforWin", "3", "3", &gPointsForWin, nullptr},
    {"PointsforDraw", "1", "1", &gPointsForDraw, nullptr},
    {"PointsforLose", "0", "0", &gPointsForLose, nullptr},
    {"DateisVisible", "1", "1", nullptr, &gDateVisible},
    {"WeekisVisible", "1", "1", nullptr, &gWeekVisible},
    {"TablenameVisible", "1", "1", nullptr, &gTableNameVisible},
    {"startendsummary", "1", "1", nullptr, &gStartEndSummary},
    {"addgamespermatch", "0", "0", nullptr, &gAddGamesPerMatch},
    {"Eachgameis", "Frame", "Frame", &gEachGameIs, nullptr},
    {"maxframes", "5", "5", &gMaxFrames, nullptr},
    {"showsplash", "1", "1", &gShowSplash, nullptr},
    {"sortleague", "1", "1", &sortLeague, nullptr},
    {"homeaway", "1", "0", nullptr, &gHomeAwayRule},
}};

// The longest value a read returns.
constexpr int kIniValueLength = 49;
// What a read of a missing key yields before it is turned into the empty text.
constexpr const char *kMissingValue = "Failed";

// "True"/"False" in any letter case, or a number (0 is false); anything else
// gives nothing.
std::optional<bool> toBoolean(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = t.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return number != 0;
}

void storeValue(const IniKey &key, const QString &value)
{
    if (key.text)
        *key.text = value;
    else
        *key.flag = toBoolean(value).value_or(*toBoolean(QLatin1String(key.fallbackText)));
}

QString writtenForm(const IniKey &key)
{
    if (key.text)
        return *key.text;
    return *key.flag ? QStringLiteral("True") : QStringLiteral("False");
}

// The user's configuration folder is the only place gIniFile may name that does
// not exist yet.
bool writeIniFile(const QList<ProfileEntry> &entries)
{
    if (!QFileInfo(gIniFile).dir().exists() && !MakeUserConfigFolder())
        return false;
    return WriteProfileStrings(gIniFile, QLatin1String(kIniSection), entries);
}

// The defaults apply for this run even when the file cannot be written; the
// next write of the settings tries again.
void createIniFile()
{
    QList<ProfileEntry> entries;
    for (const IniKey &key : kIniKeys)
        entries.append({QLatin1String(key.name), QLatin1String(key.creationText)});
    static_cast<void>(writeIniFile(entries));
    for (const IniKey &key : kIniKeys)
        storeValue(key, QLatin1String(key.creationText));
}

QString setAsideNotice(const QString &file, const QString &aside)
{
    const QString what =
        QStringLiteral("%1 is not a settings file Fixtora can read: it is not an ordinary file, or it is larger "
                       "than 1 MB. ")
            .arg(QDir::toNativeSeparators(file));
    if (aside.isEmpty())
        return what + QStringLiteral("It could not be moved aside, so the default settings are used and changed "
                                     "settings cannot be saved until it is removed.");
    return what + QStringLiteral("It was renamed to %1 and the default settings are used.")
                      .arg(QDir::toNativeSeparators(aside));
}

} // namespace

QString IniFilePath(const QString &programFolder)
{
    const QFileInfo folder(programFolder);
    const bool beside = folder.isDir() && folder.isWritable() && !IsInstalledCopy(programFolder);
    const QString base = beside ? programFolder : UserConfigFolder();
    return base + QStringLiteral("/config.ini");
}

QStringList ReadIniSettings()
{
    gIniFile = IniFilePath();
    QStringList notices;
    for (const QString &file : {gIniFile, RegistryFile()})
        if (IsUnusableProfile(file))
            notices.append(setAsideNotice(file, SetProfileAside(file)));
    if (!FileExists(gIniFile)) {
        createIniFile();
        return notices;
    }
    QList<ProfileEntry> missing;
    for (const IniKey &key : kIniKeys) {
        const QLatin1String name(key.name);
        if (ReadProfileString(gIniFile, QLatin1String(kIniSection), name)) {
            storeValue(key, IniAccess(QStringLiteral("GET"), QLatin1String(kIniSection), name));
        } else {
            missing.append({name, QLatin1String(key.fallbackText)});
            storeValue(key, missing.last().value);
        }
    }
    // As for a new file, the defaults apply even when they cannot be written.
    if (!missing.isEmpty())
        static_cast<void>(writeIniFile(missing));
    return notices;
}

bool WriteIniSettings()
{
    gIniFile = IniFilePath();
    QList<ProfileEntry> entries;
    for (const IniKey &key : kIniKeys)
        entries.append({QLatin1String(key.name), writtenForm(key)});
    return writeIniFile(entries);
}

QString IniAccess(const QString &mode, const QString &section, const QString &key, const QString &value)
{
    if (mode.isEmpty())
        return QStringLiteral("ERROR MODE");
    if (section.isEmpty())
        return QStringLiteral("ERROR Secname");
    if (key.isEmpty())
        return QStringLiteral("ERROR Keyname");
    const QString upper = mode.toUpper();
    if (upper == QLatin1String("WRITE")) {
        if (value.isEmpty())
            return QStringLiteral("ERROR KeyValue");
        return WriteProfileString(gIniFile, section, key, value) ? QString() : QStringLiteral("ERROR Write");
    }
    if (upper == QLatin1String("GET")) {
        const QString read = ReadProfileString(gIniFile, section, key)
                                 .value_or(QLatin1String(kMissingValue)).left(kIniValueLength);
        return read.startsWith(QLatin1String(kMissingValue)) ? QString() : read;
    }
    return {};
}

bool FileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

QString GetRegString(RegRoot root, const QString &subkey, const QString &name, const QString &def)
{
    const std::optional<QString> data = ReadRegData(root, subkey, name);
    gRegValue = data.value_or(QString());
    if (!data)
        return def;
    return data->left(data->indexOf(QChar(0)));
}

bool SaveRegString(RegRoot root, const QString &subkey, const QString &name, const QString &value)
{
    return WriteRegData(root, subkey, name, value);
}

QString ReadPreference(const char *name)
{
    return GetRegString(kHKeyLocalMachine, QLatin1String(kSoftwareKey), QLatin1String(name), QString());
}

bool StorePreference(const char *name, const QString &value)
{
    return SaveRegString(kHKeyLocalMachine, QLatin1String(kSoftwareKey), QLatin1String(name), value);
}

bool ReadRegList(const char *name, std::span<QString> items, const char *defaultText)
{
    ReadPreference(name);
    QString rest = gRegValue;
    for (QString &slot : items)
        slot.clear();
    bool stored = true;
    if (rest.isEmpty()) {
        stored = StorePreference(name, QLatin1String(defaultText));
        rest = QLatin1String(defaultText) + QChar(0);
    }
    for (std::size_t k = 1; k < items.size() && !rest.isEmpty(); ++k) {
        qsizetype end = rest.indexOf(QLatin1Char(','));
        if (end < 0)
            end = rest.size() - 1;
        items[k] = rest.left(end);
        rest = rest.mid(end + 1);
    }
    return stored;
}

IniSnapshot CurrentIniSettings()
{
    IniSnapshot snapshot;
    for (std::size_t i = 0; i < kIniKeys.size(); ++i)
        snapshot[i] = writtenForm(kIniKeys[i]);
    return snapshot;
}

void RestoreIniSettings(const IniSnapshot &snapshot)
{
    for (std::size_t i = 0; i < kIniKeys.size(); ++i)
        storeValue(kIniKeys[i], snapshot[i]);
}

} // namespace fixtora
