#include "attacks/Shot.h"

#include "attacks/ShotHits.h"
#include "attacks/Sweeps.h"
#include "character/Character.h"
#include "game/GameState.h"
#include "screens/GridPlacement.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"

namespace quorvan {
namespace {

constexpr int SpeedWingSteps = 3;
constexpr const char* StraightKillSound = "Bang1.wav";
constexpr const char* KillSound = "Bang1.Wav";

void ShowShotSprite(Sprite& sprite, int x) {
  sprite.SetHeight(GridCell);
  PlaceOnGrid(x, G.ShotY, sprite);
  sprite.Show();
}

// No Wing, Navigate, Speed, Mirror, Comet and Follow. A Wing item that gives a new Wing ends the
// shot, and the Speed Wing's remaining steps with it.
void StraightShot() {
  auto& shot = Playfield().Shot;
  const int steps = G.WingNo == Wing::Speed ? SpeedWingSteps : 1;
  for (int step = 0; step < steps && G.ShotActive; ++step) {
    G.ShotY -= 1;
    if (G.WingNo == Wing::Navigate) G.ShotX = G.PlayerX;
    if (G.ShotY < 0) {
      G.ShotActive = false;
      shot.Hide();
      continue;
    }
    ShowShotSprite(shot, G.ShotX);
    ScanEnemies(ShotReach::OneCell, StraightKillSound, true);
    CheckWingItem(ShotReach::OneCell);
  }
}

// The Double Wing: two sprites side by side.
void DoubleShot() {
  auto& field = Playfield();
  G.ShotY -= 1;
  if (G.ShotY < 0) {
    EndShot();
    return;
  }
  ShowShotSprite(field.Shot, G.ShotX);
  ShowShotSprite(field.DoubleShotRight, G.ShotX + 1);
  ScanEnemies(ShotReach::TwoCells, KillSound, false);
  CheckWingItem(ShotReach::TwoCells);
}

// The Slant Wing: rises no higher than the target row and slides one column a frame
// towards the target column; once on the target it flies straight out.
void SteeredShot() {
  auto& shot = Playfield().Shot;
  G.ShotY -= 1;
  if (G.ShotY < G.TargetY) G.ShotY = G.TargetY;
  if (G.ShotX > G.TargetX) G.ShotX -= 1;
  if (G.ShotX < G.TargetX) G.ShotX += 1;
  if (G.ShotY < 0) {
    G.ShotActive = false;
    shot.Hide();
  } else {
    ShowShotSprite(shot, G.ShotX);
    ScanEnemies(ShotReach::OneCell, KillSound, false);
    CheckWingItem(ShotReach::OneCell);
  }
  if (G.ShotX == G.TargetX && G.ShotY == G.TargetY) G.TargetY = -1;
}

}  // namespace

void UpdateShot() {
  switch (G.WingNo) {
    case Wing::None:
    case Wing::Navigate:
    case Wing::Speed:
    case Wing::Mirror:
    case Wing::Comet:
    case Wing::Follow:
      StraightShot();
      break;
    case Wing::Double:
      DoubleShot();
      break;
    case Wing::Slant:
      SteeredShot();
      break;
    case Wing::AllHalf:
      SweepHalf();
      break;
    case Wing::Collect:
      CollectEnemies();
      break;
    case Wing::Super:
      SweepAll();
      break;
    default:  // no attack of its own: only the panel
      break;
  }
  ShowScoreAndEnemiesLeft();
}

}  // namespace quorvan
