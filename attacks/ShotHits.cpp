#include "attacks/ShotHits.h"

#include "character/Enemies.h"
#include "character/WingItem.h"
#include "game/GameState.h"
#include "game/Random.h"
#include "screens/GridPlacement.h"
#include "sound/Effects.h"

namespace quorvan {
namespace {

constexpr int HitBonusStep = 50;
constexpr int ChainWaitMs = 300;
constexpr int ChainPoints = 10;
constexpr const char* ChainSound = "Bang1.Wav";

bool OnShotCell(int x, int y, ShotReach reach) {
  return y == G.ShotY && x >= G.ShotX - 1 && x <= G.ShotX + static_cast<int>(reach);
}

// Every further enemy of the same shot is worth 50 more than the one before.
void ShotKill(int i, const char* sound) {
  G.HitBonus += HitBonusStep;
  DestroyEnemy(i, G.HitBonus, sound);
}

// The marker shows where slot i has just reappeared, and a random enemy goes
// down with it. Returns that enemy's slot: the scan goes on after it. Not a
// DestroyEnemy: the marker and the enemy that goes down are different slots.
int ChainBlast(int i) {
  WaitMs(ChainWaitMs);
  BlastEnemy(i);
  const int j = Int(Rnd() * EnemyCount);
  CountDestroyedEnemy();
  G.Score += ChainPoints;
  RespawnEnemy(j);
  PlaySoundEffect(ChainSound);
  return j;
}

}  // namespace

void ScanEnemies(ShotReach reach, const char* killSound, bool mayChain) {
  for (int i = 0; i < EnemyCount; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    if (!OnShotCell(G.EnemyX[slot], G.EnemyY[slot], reach)) continue;
    ShotKill(i, killSound);
    if (mayChain && G.WingNo == Wing::Follow) i = ChainBlast(i);
  }
}

void CheckWingItem(ShotReach reach) {
  if (!G.WingItemActive || !OnShotCell(G.WingItemX, G.WingItemY, reach)) return;
  TakeWingItem();
}

}  // namespace quorvan
