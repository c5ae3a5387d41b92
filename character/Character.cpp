#include "character/Character.h"

#include "game/GameState.h"
#include "screens/GridPlacement.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"

namespace quorvan {
namespace {

// One energy per shot; the two sweeping Wings cost extra on top of it.
void ChargeShot() {
  G.Energy = static_cast<float>(G.Energy - 1.0);
  if (G.WingNo == Wing::AllHalf) G.Energy = static_cast<float>(G.Energy - 3.0);
  if (G.WingNo == Wing::Super) G.Energy = static_cast<float>(G.Energy - 6.0);
  ShowEnergyLeft();
}

// Every shot starts just above the character, and a pending fire is used up.
void StartShotAboveCharacter() {
  G.ShotActive = true;
  G.ShotX = G.PlayerX;
  G.ShotY = RowAboveCharacter;
  G.InputCommand = Command::None;
}

void LaunchShot() {
  StartShotAboveCharacter();
  if (G.WingNo == Wing::Slant) {  // the Slant Wing's keyboard shot flies straight up
    G.TargetX = G.PlayerX;
    G.TargetY = 0;
  }
  ChargeShot();
  G.HitBonus = 0;
}

}  // namespace

// The steered shot is free: no energy is charged, and HitBonus is left as the
// last shot left it, so its first hit may be worth more than 50.
void SteerShotAt(int enemy) {
  if (G.WingNo != Wing::Slant || G.ShotActive) return;
  StartShotAboveCharacter();
  G.TargetX = G.EnemyX[static_cast<std::size_t>(enemy)];
  G.TargetY = G.EnemyY[static_cast<std::size_t>(enemy)];
}

void EndShot() {
  G.ShotActive = false;
  Playfield().Shot.Hide();
  Playfield().DoubleShotRight.Hide();
}

// Movement commands stay until a key is released, so a held arrow moves one
// column a frame. A fire while a shot is in flight stays pending until it ends.
void MoveCharacter() {
  const Command command = G.InputCommand;
  if (command == Command::Right) {
    G.PlayerX = G.PlayerX + 1 > LastPairColumn ? LastPairColumn : G.PlayerX + 1;
  } else if (command == Command::Left) {
    G.PlayerX = G.PlayerX - 1 < 0 ? 0 : G.PlayerX - 1;
  } else if (command == Command::Fire && !G.ShotActive) {
    LaunchShot();
  }
  PlaceOnGrid(G.PlayerX, CharacterRow, Playfield().Character);
}

}  // namespace quorvan
