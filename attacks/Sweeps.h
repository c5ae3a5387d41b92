// The three attacks that act on the whole playfield at once.
#pragma once

namespace quorvan {

void SweepHalf();       // the All Half Wing: every enemy on the character's half
void SweepAll();        // Super Quorvan: every enemy
void CollectEnemies();  // the Collect Wing: every enemy into the character's column

}  // namespace quorvan
