#pragma once
// The fixture slot list: the league's schedule as a flat list of two-digit
// slot codes, entries 2m-1 and 2m being the home and away slot of fixture m.

#include <QString>

namespace fixtora {

// Rebuilds gFixtureString and entries 1..E of gFixtureSlots
// from gNumSlots, gLeagueType, gGamesToPlay and gAltFixtureString.
void BuildFixtureList();

// The stored round-robin pairing string for n entries; empty when n is not
// an even number from 4 to 32.
QString PairingTable(int n);

} // namespace fixtora
