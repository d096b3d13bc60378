#pragma once
// What a league file can hold, decided in one place. The wizard checks a
// pasted fixture string and typed names with these rules before it accepts
// them; create, save and load all ask LeagueProblem, so a save refuses exactly
// what a load would refuse and nothing is written that cannot be opened again.

#include <QString>

namespace fixtora {

// The check of a pasted custom fixture string for a league of n entries: its
// length must be 2*n*(n-1) and each two-character code must read (leading
// number, blanks skipped, as Val in platform/numbers.h does) as 1..n.
struct FixtureStringCheck {
    enum class Verdict { Valid, WrongLength, BadCode };
    Verdict verdict = Verdict::Valid;
    int length = 0;      // characters in the string
    QString badCode;     // the first two-character code outside 1..n
};
FixtureStringCheck CheckCustomFixtureString(const QString &fixtures, int n);

// A name as typed, made into the name that is checked and stored: what would
// show nothing is taken out, so that a name pasted with a byte-order mark, a
// tab or a trailing blank is compared with the others as the name that shows.
// Taken out wherever they stand: control characters (tabs, line breaks),
// line and paragraph separators and a surrogate without its pair; at either
// end: blanks and format characters (byte-order mark, zero-width space,
// direction marks). Within a name a format character stays: a joiner shapes
// the letters or the emoji beside it. The wizard's pages, the rename, the
// team match's players and a tournament's entrants all take names through it.
QString TypedName(const QString &typed);

// The form in which names are told apart: composed (Unicode NFC, so an accent
// typed as a letter of its own matches the accented letter) and without the
// format characters that TypedName leaves within a name (a zero-width space,
// a direction mark, a joiner). Two names whose forms are equal look alike
// wherever they show; letter case counts ("ann" and "Ann" are two names).
QString ComparableName(const QString &name);

// A name that a league file can hold and give back as it stands: not empty,
// at most kMaxNameLength (16) characters, no surrogate without its pair (it
// has no UTF-8 form). Names of files written before TypedName, blanks and
// invisible characters included, stay storable.
bool IsStorableName(QStringView name);

// A squad player name a position entry can hold: IsStorableName's rule (an
// empty name is allowed: no player) and neither "//" nor "\\" inside, nor a
// "/" at its end (the entry "name//score" would then split one place early).
bool IsStorableSquadName(QStringView name);

// Empty when the open league (the model in league.h) may be written and read
// back; otherwise the message to show. Create, save and load all use it.
QString LeagueProblem();

// The part of LeagueProblem a loader needs before it sizes anything by the
// league: entries, games to play, type code, names and the custom fixture
// string. Empty when they are sound.
QString LeagueDefinitionProblem();

} // namespace fixtora
