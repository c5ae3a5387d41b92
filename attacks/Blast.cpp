#include "attacks/Blast.h"

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
  PlaceOnGrid(G.EnemyX[slot], G.EnemyY[slot], Playfield().Enemies[slot]);
}

void BlastEnemy(int i) {
  const auto slot = static_cast<std::size_t>(i);
  PlaceOnGrid(G.EnemyX[slot], G.EnemyY[slot], Playfield().Explosion);
  ShowExplosion();
}

}  // namespace quorvan
