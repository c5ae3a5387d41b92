// The Wing item: it drifts in from the left; hit, it refills energy or flies
// down to the character and gives its Wing.
#pragma once

namespace quorvan {

void MoveWingItem();
// The item is hit, by whatever attack: it gives its Wing or its energy, and
// scores 500.
void TakeWingItem();

}  // namespace quorvan
