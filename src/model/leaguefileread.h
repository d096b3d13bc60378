#pragma once
// Reading a league's pair of files into the model: kept apart from the
// writer (leaguefile.cpp) because the reader trusts nothing it reads, so it
// is mostly checks; the format both follow is in leaguefileformat.h.

#include "model/leaguefile.h"

#include <QString>

namespace fixtora::leaguefile {

// Why a load stopped.
struct LoadError {
    FileProblem problem;
};

// What the user should be told of a league that opened: nothing
// (FileProblem::None), its dates changed outside the program, or its
// companion missing or damaged, and then whether its dates were worked out.
struct PairRead {
    FileProblem notice = FileProblem::None;
    bool datesWorkedOut = false;
};

// Reads the pair into the model. Throws LoadError for a file that is missing
// or not a league, DatabaseError for one that cannot be read.
PairRead ReadLeaguePair(const QString &leaguePath, const QString &companionPath);

} // namespace fixtora::leaguefile
