#pragma once
// Edits of a stored league's entries that are written to its file at once:
// a new name for an entry and its penalty points. The rules decide what may
// be stored; the windows show the refusal and write the file.

#include <QString>

#include <optional>

namespace fixtora {

inline constexpr int kMaxPenaltyPoints = 32767;

// Why a new name, as typed, for an entry is refused. The name is taken as
// TypedName (model/leaguerules.h) makes it. Every lookup by name (the lists
// of the windows, the table's find) takes the first match, so two entries
// may not share a name.
enum class RenameRefusal {
    None,
    NoEntry,    // entry is not one of the league's 1..N
    BadLength,  // empty, or longer than 16 characters
    Duplicate,  // another entry already has this name
};
RenameRefusal RenameProblem(int entry, const QString &typed);

// Gives entry the new name typed; in a team league its squad carries the
// team's name too. A name RenameProblem refuses changes nothing; the refusal
// is returned (None when the name is given).
[[nodiscard]] RenameRefusal RenameEntry(int entry, const QString &typed);

// The penalty points a typed text stands for: a whole number from 0 to
// 32767, blanks around it allowed; nothing for anything else.
std::optional<int> PenaltyValue(const QString &text);

// Why a penalty, as typed, for an entry is refused.
enum class PenaltyRefusal {
    None,
    NoEntry,   // entry is not one of the league's 1..N
    BadValue,  // not a penalty (PenaltyValue)
};

// Gives entry the penalty points typed. A refused penalty changes nothing;
// the refusal is returned (None when the points are given).
[[nodiscard]] PenaltyRefusal SetPenalty(int entry, const QString &typed);

} // namespace fixtora
