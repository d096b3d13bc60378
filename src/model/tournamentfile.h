#pragma once
// Tournament files ("*.tr"): one SQLite file encrypted with the database
// password, as a league file is, holding one knock-out tournament.
//
// Tables (every table has an integer primary key "id"; record i is the i-th
// record added, and the reader reads in that order):
//   tournament  1 record      title: the tournament's title (up to 30 characters);
//                             entrants: N, the first-round slots (4, 8, 16, 32, 64)
//   names       N records     name: first-round slot i's entrant, "none" for a bye
//   scores      N-1 records   winner: who won pair k, the pair that feeds slot
//                             N+k: 0 undecided, 1 its upper slot, 2 its lower
//   dates       C records     date: round r's date, "yyyy-MM-dd" or empty
// The later rounds are not stored: they are rebuilt from the first round and
// the winners (RebuildTournament, model/tournament.h), so a file whose
// winners do not make a tournament is refused as damaged.
//
// A save writes a whole new file under a hidden name beside the old one and
// puts it in place with one rename: the file at the path is always either
// the old tournament or the new one.

#include "model/leaguefile.h"

#include <QString>

namespace fixtora {

inline const QString kTournamentExt = QStringLiteral(".tr");

// True for a path that names a tournament file.
bool IsTournamentPath(const QString &path);

// Writes the open tournament (gTourTitle, gTourEntrants, gTourNames,
// gTourDates) to path, replacing a file there. On success gTourFile becomes
// path and the tournament is saved; on failure the file at path is as it was
// and the result says why, naming the file.
FileResult SaveTournament(const QString &path);

// Reads the tournament file at path into the tournament model. A file that
// is missing, damaged, foreign or holds no sound tournament is refused with a
// message naming it, and the open tournament stays as it was.
FileResult LoadTournament(const QString &path);

} // namespace fixtora
