#include "model/settings.h"

#include "model/league.h"
#include "platform/numbers.h"
#include "platform/profilefile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace fixtora {

namespace {

// Kept for the file, which has always held it; nothing in the program reads it.
QString sortLeague;

// What a key's value must hold to be used.
enum class IniValue { Text, Number, Points, Boolean };

// One key of "config.ini": the text written when the file is created, the
// text stood for by a key an existing file lacks or holds a value of the wrong
// kind in, and the variable it is read into (text or boolean, exactly one of
// the two).
struct IniKey {
    const char *name;
    IniValue kind;
    const char *creationText;
    const char *fallbackText;
    QString *text;
    bool *flag;
};

const std::array<IniKey, std::tuple_size_v<IniSnapshot>> kIniKeys{{
    {"PointsforWin", IniValue::Points, "3", "3", &gPointsForWin, nullptr},
    {"PointsforDraw", IniValue::Points, "1", "1", &gPointsForDraw, nullptr},
    {"PointsforLose", IniValue::Points, "0", "0", &gPointsForLose, nullptr},
    {"DateisVisible", IniValue::Boolean, "1", "1", nullptr, &gDateVisible},
    {"WeekisVisible", IniValue::Boolean, "1", "1", nullptr, &gWeekVisible},
    {"TablenameVisible", IniValue::Boolean, "1", "1", nullptr, &gTableNameVisible},
    {"startendsummary", IniValue::Boolean, "1", "1", nullptr, &gStartEndSummary},
    {"addgamespermatch", IniValue::Boolean, "0", "0", nullptr, &gAddGamesPerMatch},
    {"Eachgameis", IniValue::Text, "Frame", "Frame", &gEachGameIs, nullptr},
    {"maxframes", IniValue::Number, "5", "5", &gMaxFrames, nullptr},
    {"showsplash", IniValue::Number, "1", "1", &gShowSplash, nullptr},
    {"sortleague", IniValue::Number, "1", "1", &sortLeague, nullptr},
    {"homeaway", IniValue::Boolean, "1", "0", nullptr, &gHomeAwayRule},
}};

// The most points a result can score.
constexpr double kMaxPoints = 99;

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

// Whether text begins with a number as Val reads one (blanks anywhere
// skipped), rather than reading 0 for want of one.
bool holdsNumber(QString text)
{
    static const QRegularExpression blanks(QStringLiteral("[ \\t\\r\\n]"));
    static const QRegularExpression leadingNumber(QStringLiteral("^[+-]?\\.?[0-9]"));
    return leadingNumber.match(text.remove(blanks)).hasMatch();
}

bool usable(const IniKey &key, const QString &value)
{
    switch (key.kind) {
    case IniValue::Text:
        return true;
    case IniValue::Number:
        return holdsNumber(value);
    case IniValue::Points:
        return IsPointsValue(value);
    case IniValue::Boolean:
        return toBoolean(value).has_value();
    }
    return false;
}

// What a read of a key gives: at most 49 characters, and the empty text for a
// missing key or a value that begins with "Failed".
QString readValue(const std::optional<QString> &stored)
{
    const QString read = stored.value_or(QLatin1String(kMissingValue)).left(kIniValueLength);
    return read.startsWith(QLatin1String(kMissingValue)) ? QString() : read;
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

QString problemText(ProfileProblem problem)
{
    switch (problem) {
    case ProfileProblem::NotAFile:
        return QStringLiteral("it is not an ordinary file");
    case ProfileProblem::TooLarge:
        return QStringLiteral("it is larger than 1 MB");
    case ProfileProblem::Unreadable:
        return QStringLiteral("you have no permission to read it");
    case ProfileProblem::LinkToNothing:
        return QStringLiteral("it is a link to a file that does not exist");
    case ProfileProblem::None:
        break;
    }
    return {};
}

QString setAsideNotice(const QString &file, ProfileProblem problem, const QString &aside)
{
    const QString what = QStringLiteral("Fixtora cannot read the settings file %1: %2. ")
                             .arg(QDir::toNativeSeparators(file), problemText(problem));
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

bool IsPointsValue(const QString &text)
{
    const double points = Val(text);
    return holdsNumber(text) && points >= 0 && points <= kMaxPoints;
}

QStringList ReadIniSettings()
{
    gIniFile = IniFilePath();
    QStringList notices;
    for (const QString &file : {gIniFile, RegistryFile()}) {
        const ProfileProblem problem = ProblemWithProfile(file);
        if (problem != ProfileProblem::None)
            notices.append(setAsideNotice(file, problem, SetProfileAside(file)));
    }
    std::array<std::optional<QString>, kIniKeys.size()> stored;
    for (std::size_t i = 0; i < kIniKeys.size(); ++i)
        stored[i] = ReadProfileString(gIniFile, QLatin1String(kIniSection), QLatin1String(kIniKeys[i].name));
    // A file holding none of the keys (emptied, or cut short before its first
    // write) is as new as a missing one.
    const bool holdsNoKey =
        std::none_of(stored.begin(), stored.end(), [](const std::optional<QString> &v) { return v.has_value(); });
    if (!FileExists(gIniFile) || holdsNoKey) {
        createIniFile();
        return notices;
    }
    QList<ProfileEntry> replaced;
    for (std::size_t i = 0; i < kIniKeys.size(); ++i) {
        const IniKey &key = kIniKeys[i];
        const QString value = readValue(stored[i]);
        if (stored[i] && usable(key, value)) {
            storeValue(key, value);
        } else {
            replaced.append({QLatin1String(key.name), QLatin1String(key.fallbackText)});
            storeValue(key, replaced.last().value);
        }
    }
    // As for a new file, the defaults apply even when they cannot be written.
    if (!replaced.isEmpty())
        static_cast<void>(writeIniFile(replaced));
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
    if (upper == QLatin1String("GET"))
        return readValue(ReadProfileString(gIniFile, section, key));
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
