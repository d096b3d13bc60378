#pragma once
// Reading numbers out of typed or stored text, the way the whole program does.

#include <QString>

namespace fixtora {

// The leading number of a text: blanks (space, tab, line feed, carriage return)
// are skipped wherever they stand, an optional sign, digits, one decimal point
// and an exponent ("E" or "D") are read, and reading stops at the first
// character that cannot continue the number. A text with no number reads 0,
// and so does a number too large or too small for a double ("1e400",
// "1e-400"): the result is always finite.
double Val(const QString &text);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2).
long long RoundHalfEven(double value);

// The leading number of a text, rounded half to even and clamped to
// [low, high]; the form every index typed or read from a file goes through.
int ValInRange(const QString &text, int low, int high);

} // namespace fixtora
