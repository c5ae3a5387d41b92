// The Wing item: it drifts in from the left; hit, it refills energy or flies
// down to the character and gives its Wing.
#pragma once

namespace quorvan {

void MoveWingItem();
// Whoever hit the item adds its 500 points after this returns.
void TakeWingItem();

}  // namespace quorvan
