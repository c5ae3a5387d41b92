#include "cycle/Spawns.h"

#include "game/GameState.h"
#include "game/Random.h"
#include "screens/GridPlacement.h"
#include "screens/PictureBanks.h"
#include "screens/Playfield.h"

namespace quorvan {

inline constexpr double WingItemChance = 0.01;
inline constexpr double BombChancePerStage = 0.05;
inline constexpr double CometChance = 0.07;

// An item enters at the left edge on one of the upper twenty rows.
void WingItemSpawnTest() {
  if (Rnd() >= WingItemChance) return;
  G.WingItemActive = true;
  G.WingItemX = 0;
  G.WingItemY = Int(Rnd() * 20);
  G.WingItemKind = ItemKind::Numbered(Int(Rnd() * 10) + 1);
  auto& item = Playfield().WingItem;
  item.CopyPictureFrom(
      WorkingBanks().ItemPictures[static_cast<std::size_t>(G.WingItemKind.Number())]);
  PlaceOnGrid(G.WingItemX, G.WingItemY, item);
  item.Show();
}

// Any of the eight enemies may drop it, one row below itself; later stages
// drop more often.
void BombSpawnTest() {
  if (Rnd() >= (G.StageNo + 1) * BombChancePerStage) return;
  G.BombActive = true;
  const auto k = static_cast<std::size_t>(Int(Rnd() * EnemyCount));
  G.BombX = G.EnemyX[k];
  G.BombY = G.EnemyY[k] + 1;
  auto& bomb = Playfield().Bomb;
  PlaceOnGrid(G.BombX, G.BombY, bomb);
  bomb.Show();
}

// The number is drawn whatever the Wing; only the Comet Wing lets it count.
void CometSpawnTest() {
  if (!(Rnd() < CometChance && G.WingNo == Wing::Comet)) return;
  G.CometActive = true;
  G.CometX = Int(Rnd() * 15);
  G.CometY = 0;
  auto& comet = Playfield().Comet;
  PlaceOnGrid(G.CometX, G.CometY, comet);
  comet.Show();
}

}  // namespace quorvan
