#pragma once
// The round-date rule: round 1 is played on the start date and every later
// round gFreqCount units of gFreqUnit after the round before ("d" days, "ww"
// weeks, "m" calendar months). A month step keeps the day of the month or, in
// a shorter month, falls back to its last day; since each step starts from
// the round before, a shortened day stays shortened.

#include <QDate>
#include <QString>

namespace fixtora {

// The most units between rounds a league may have.
inline constexpr int kMaxIntervalCount = 31;

// date moved by count units of unit ("d", "ww" or "m"); any other unit
// leaves it where it is.
QDate AddInterval(const QDate &date, const QString &unit, int count);

// Dates rounds 1..lastRound (at most the last round the model holds) from
// gStartDate with gFreqUnit and gFreqCount; later rounds keep their dates.
// Returns the end date: the date one step after the last round, moved back
// one step.
QDate DateRounds(int lastRound);

} // namespace fixtora
