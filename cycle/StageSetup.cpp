#include "cycle/StageSetup.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "character/Wings.h"
#include "game/GameState.h"
#include "game/Random.h"
#include "game/Text.h"
#include "screens/GridPlacement.h"
#include "screens/PictureBanks.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"

namespace quorvan {
namespace {

// The count is a 16-bit number. The carry is never positive in play, but a
// count entered by hand can be anything, so the sum is kept in range rather
// than overflowing.
int QuotaAfterCarry(int carry) {
  const long long quota = static_cast<long long>(carry) + EnemyQuota;
  return static_cast<int>(std::clamp<long long>(quota, std::numeric_limits<std::int16_t>::min(),
                                                std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

void SetupStage() {
  G.PlayerX = 0;
  // Super Quorvan is not kept into the next stage, but it leaves a random Wing behind.
  WearWing(G.WingNo == Wing::Super ? WingNumbered(Int(Rnd() * 9) + 1) : Wing::None);
  G.Energy = 100;
  G.EnemiesLeft = QuotaAfterCarry(G.EnemyCarry);
  G.ItemsTaken = 0;

  ShowScoreAndEnemiesLeft();
  StatusPanel().StageLabel.SetCaption(Text(G.StageNo + 1));
  ShowEnergyLeft();

  G.WingItemActive = false;
  G.ShotActive = false;
  G.CometActive = false;
  G.BombActive = false;
  G.StageRunning = true;

  auto& field = Playfield();
  for (int i = 0; i < EnemyCount; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    field.Enemies[slot].CopyPictureFrom(
        WorkingBanks().EnemyPictures[static_cast<std::size_t>(G.StageNo)]);
    G.EnemyX[slot] = RandomColumn();
    G.EnemyY[slot] = Int(Rnd() * 15);
    PlaceOnGrid(G.EnemyX[slot], G.EnemyY[slot], field.Enemies[slot]);
  }

  // A row higher than in play, until the first frame puts it on its own row.
  PlaceOnGrid(G.PlayerX, RowAboveCharacter, field.Character);
  field.Character.Show();
}

}  // namespace quorvan
