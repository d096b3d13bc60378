#pragma once
// Exchanging the home and away sides of one pairing. The league's schedule is
// one cycle of pairings (the fixture string, two-digit slot codes, home code
// first) repeated once for every time the pairings are played; a swap changes
// the cycle, so the pairing changes sides in every leg, and every result
// stored for it moves with its team: both score texts, both blocks of
// position entries and both secondary totals, in every leg.

namespace fixtora {

// Swaps the sides of the fixture whose home side is slot entry homeEntry
// (odd, 1..E, in any leg). The league then plays from a custom fixture string
// (gAltFixtures, custom type code: 4 for a player league, the custom team code
// of its scoring system otherwise), is marked changed and its fixture slot
// list is rebuilt. A second swap of the same pairing restores the order; the
// league stays custom. Returns false, changing nothing, when homeEntry names
// no fixture of the league or the pairing has nothing to exchange.
[[nodiscard]] bool SwapFixtureSides(int homeEntry);

} // namespace fixtora
