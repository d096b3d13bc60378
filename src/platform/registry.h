#pragma once
// The per-user preference store: named string values kept under a root and a
// subkey, in the profile file "registry.ini" of the user's configuration folder.
// The one place the program uses is HKEY_LOCAL_MACHINE\Software, the section
// "[Software]" of that file; the file holds the login password, so only its
// owner may read it.

#include <QString>

#include <cstdint>
#include <optional>

namespace fixtora {

using RegRoot = std::uint32_t;
inline constexpr RegRoot kHKeyLocalMachine = 0x80000002u;
inline constexpr const char *kSoftwareKey = "Software";

// The preference values and the defaults the start-up writes when one is missing.
inline constexpr const char *kRegPassword = "pazz";
inline constexpr const char *kRegBubbleHelp = "bubblehelp";
inline constexpr const char *kRegDefaultSavePath = "DefaultSavePath";
inline constexpr const char *kRegWeekName = "weekdispname";
inline constexpr const char *kRegSortOrder = "sortorder";
inline constexpr const char *kRegTableShow = "Tableshow";
inline constexpr const char *kRegTableOrder = "Tableorder";
inline constexpr const char *kRegVersion = "version";

inline constexpr const char *kDefaultTableColumns = "Index,Name,Wins,Lost,Points";
inline constexpr const char *kDefaultSortOrder = "Points,Wins,Name";
inline constexpr const char *kDefaultWeekName = "Week";

// The folder the open and save dialogs start in when none was chosen: the
// user's home folder.
QString DefaultSavePath();

// $XDG_CONFIG_HOME/fixtora, or ~/.config/fixtora when XDG_CONFIG_HOME is unset,
// empty or not an absolute path.
QString UserConfigFolder();

// Creates the user's configuration folder (owner access only) when it is
// missing; false when it does not exist afterwards.
[[nodiscard]] bool MakeUserConfigFolder();

// The file of the store.
QString RegistryFile();

// The stored data of a value, its terminating NUL included, or nothing when
// the place or the value does not exist.
std::optional<QString> ReadRegData(RegRoot root, const QString &subkey, const QString &name);

// Stores text as the value name (any text, NUL and line breaks included),
// creating the file and the folder when needed; false when it was not stored.
[[nodiscard]] bool WriteRegData(RegRoot root, const QString &subkey, const QString &name, const QString &text);

} // namespace fixtora
