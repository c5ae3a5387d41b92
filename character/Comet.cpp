#include "character/Comet.h"

#include <cstdlib>

#include "character/Enemies.h"
#include "character/WingItem.h"
#include "game/GameState.h"
#include "screens/GridPlacement.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"

namespace quorvan {
namespace {

constexpr int Reach = 2;  // cells either way, across and down
constexpr int EnemyPoints = 10;

bool InReach(int x, int y) {
  return std::abs(x - G.CometX) <= Reach && std::abs(y - G.CometY) <= Reach;
}

}  // namespace

// The comet never stops at a hit; it falls on to the bottom.
void UpdateComet() {
  auto& comet = Playfield().Comet;
  ++G.CometX;
  ++G.CometY;
  if (G.CometX > LastColumn || G.CometY > RowAboveCharacter) {
    G.CometActive = false;
    comet.Hide();
    return;
  }
  comet.Hide();
  PlaceOnGrid(G.CometX, G.CometY, comet);
  comet.Show();
  for (int i = 0; i < EnemyCount; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    if (!InReach(G.EnemyX[slot], G.EnemyY[slot])) continue;
    DestroyEnemy(i, EnemyPoints, "Bang1.Wav");
  }
  if (G.WingItemActive && InReach(G.WingItemX, G.WingItemY)) TakeWingItem();
  ShowScoreAndEnemiesLeft();
}

}  // namespace quorvan
