#include "character/Enemies.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "game/GameState.h"
#include "game/Random.h"
#include "screens/GridPlacement.h"
#include "screens/Playfield.h"
#include "sound/Effects.h"

namespace quorvan {

void WanderEnemy() {
  const auto i = static_cast<std::size_t>(Int(Rnd() * EnemyCount));
  const int direction = Int(Rnd() * 4) + 1;
  int& x = G.EnemyX[i];
  int& y = G.EnemyY[i];
  switch (direction) {
    case 1:
      x = std::min(x + 1, LastPairColumn);
      break;
    case 2:
      x = std::max(x - 1, 0);
      break;
    case 3:
      y = std::min(y + 1, EnemyLowestRow);
      break;
    case 4:
      y = std::max(y - 1, 0);
      break;
  }
  PlaceOnGrid(x, y, Playfield().Enemies[i]);
}

void ShowExplosion() {
  auto& field = Playfield();
  field.Explosion.Show();
  field.ExplosionTimer.SetEnabled(true);
  field.ExplosionTimer.SetInterval(ExplosionMs);
}

void BlastEnemy(int i) {
  const auto slot = static_cast<std::size_t>(i);
  PlaceOnGrid(G.EnemyX[slot], G.EnemyY[slot], Playfield().Explosion);
  ShowExplosion();
}

void RespawnEnemy(int i) {
  const auto slot = static_cast<std::size_t>(i);
  G.EnemyX[slot] = RandomColumn();
  G.EnemyY[slot] = Int(Rnd() * 20);
  PlaceOnGrid(G.EnemyX[slot], G.EnemyY[slot], Playfield().Enemies[slot]);
}

// An entered count may stand at the lowest 16-bit number; a kill leaves it there.
void CountDestroyedEnemy() {
  if (G.EnemiesLeft > std::numeric_limits<std::int16_t>::min()) G.EnemiesLeft -= 1;
}

// The marker must be placed before the respawn moves the enemy away. The
// other steps take no time and pump no events, so nobody sees their order.
void DestroyEnemy(int i, int points, const char* sound) {
  BlastEnemy(i);
  PlaySoundEffect(sound);
  CountDestroyedEnemy();
  G.Score += points;
  RespawnEnemy(i);
}

}  // namespace quorvan
