#include "character/Bomb.h"

#include "character/Enemies.h"
#include "character/WingItem.h"
#include "character/Wings.h"
#include "game/GameState.h"
#include "screens/GridPlacement.h"
#include "screens/Palette.h"
#include "screens/Playfield.h"
#include "sound/Effects.h"

namespace quorvan {
namespace {

constexpr int FallPerFrame = 4;
constexpr int HitFlashMs = 200;
constexpr float HitCost = 20;
constexpr int BeamStepMs = 5;
constexpr int ReflectedBlastMs = 300;
constexpr int ReflectedEnemyPoints = 50;

void HitCharacter() {
  auto& field = Playfield();
  PlaySoundEffect("Bang2.Wav");
  field.SetBackColor(Red);
  WaitMs(HitFlashMs);
  WearWing(Wing::None);
  field.SetBackColor(Black);
  G.Energy -= HitCost;
}

// The beam goes straight up the bomb's column; every slot is looked at once,
// so an enemy that reappears in the column survives this beam.
void Reflect() {
  auto& beam = Playfield().MirrorBeam;
  PlaySoundEffect("Ching.Wav");
  for (int row = RowAboveCharacter; row >= 0; --row) {
    PlaceOnGrid(G.BombX, row, beam);
    beam.Show();
    WaitMs(BeamStepMs);
  }
  for (int i = 0; i < EnemyCount; ++i) {
    if (!CoversColumn(G.EnemyX[static_cast<std::size_t>(i)], G.BombX)) continue;
    DestroyEnemy(i, ReflectedEnemyPoints, "Bang1.Wav");
    WaitMs(ReflectedBlastMs);
  }
  if (G.WingItemActive && CoversColumn(G.WingItemX, G.BombX)) TakeWingItem();
  beam.Hide();
}

}  // namespace

void UpdateBomb() {
  auto& bomb = Playfield().Bomb;
  G.BombY += FallPerFrame;
  // The bomb is tested once it passes the row above the character.
  if (G.BombY <= RowAboveCharacter) {
    PlaceOnGrid(G.BombX, G.BombY, bomb);
    bomb.Show();
    return;
  }
  G.BombActive = false;
  bomb.Hide();
  if (!CoversColumn(G.PlayerX, G.BombX)) return;
  if (G.WingNo == Wing::Mirror) {
    Reflect();
  } else {
    HitCharacter();
  }
}

}  // namespace quorvan
