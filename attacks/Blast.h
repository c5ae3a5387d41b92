// What happens to an enemy that is destroyed: the explosion marker shows
// where it was, and it reappears at once somewhere else.
#pragma once

namespace quorvan {

// Slot i moves to a random cell: a column 0..38 is drawn first, then a row 0..19.
void RespawnEnemy(int i);

// The explosion marker on slot i's cell, shown for a moment.
void BlastEnemy(int i);

// One enemy fewer left to destroy. The count is 16 bits wide: one entered at
// its very bottom stays there instead of wrapping round.
void CountDestroyedEnemy();

}  // namespace quorvan
