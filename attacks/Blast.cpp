#include "attacks/Blast.h"

#include <cstdint>
#include <limits>

#include "character/Enemies.h"
#include "game/GameState.h"
#include "game/Grid.h"
#include "game/Random.h"
#include "screens/Playfield.h"

namespace quorvan {

void RespawnEnemy(int i) {
  const auto slot = static_cast<std::size_t>(i);
  G.EnemyX[slot] = Int(Rnd() * 39);
  G.EnemyY[slot] = Int(Rnd() * 20);
  PlaceOnGrid(G.EnemyX[slot], G.EnemyY[slot], Form1().Image2[slot]);
}

void BlastEnemy(int i) {
  const auto slot = static_cast<std::size_t>(i);
  PlaceOnGrid(G.EnemyX[slot], G.EnemyY[slot], Form1().Zbang);
  ShowExplosion();
}

void CountDestroyedEnemy() {
  if (G.EnemiesLeft > std::numeric_limits<std::int16_t>::min()) G.EnemiesLeft -= 1;
}

}  // namespace quorvan
