// The per-frame chances that a Wing item, a bomb or a comet appears. Each
// test draws one random number while its object is not on the playfield.
#pragma once

namespace quorvan {

void WingItemSpawnTest();
void BombSpawnTest();
void CometSpawnTest();

}  // namespace quorvan
