// What a flying shot meets on its cell: enemies, the chain blast of the
// Follow Wing and the Wing item.
#pragma once

namespace quorvan {

// How far a shot reaches to the right of ShotX. A one-cell shot is hit by
// anything whose left cell is ShotX or ShotX - 1 (things are two cells
// wide); the double shot also covers ShotX + 1.
enum class ShotReach { OneCell = 0, TwoCells = 1 };

// Destroys every enemy on the shot's cell, slots in order. With `mayChain`,
// each kill made while the Follow Wing is worn sets off a second blast that
// moves the scan on to a random slot.
void ScanEnemies(ShotReach reach, const char* killSound, bool mayChain);

// Takes the Wing item when it is on the shot's cell.
void CheckWingItem(ShotReach reach);

}  // namespace quorvan
