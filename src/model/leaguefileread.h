#pragma once
// Reading a league's pair of files into the model: kept apart from the
// writer (leaguefile.cpp) because the reader trusts nothing it reads, so it
// is mostly checks; the format both follow is in leaguefileformat.h.

#include <QString>

namespace fixtora::leaguefile {

// Why a load stopped: the message the user is shown.
struct LoadError {
    QString message;
};

// Reads the pair into the model and returns what the user should be told of
// the league that opened (a notice), or nothing. Throws LoadError for a file
// that is missing or not a league, DatabaseError for one that cannot be read.
QString ReadLeaguePair(const QString &leaguePath, const QString &companionPath);

} // namespace fixtora::leaguefile
