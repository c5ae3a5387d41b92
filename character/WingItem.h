// The Wing item: it drifts in from the left; hit, it refills energy or flies
// down to the character and gives its Wing.
#pragma once

namespace quorvan {

// What hitting the item is worth, whatever hit it.
inline constexpr int WingItemPoints = 500;

void MoveWingItem();
// Whoever hit the item adds WingItemPoints after this returns.
void TakeWingItem();

}  // namespace quorvan
