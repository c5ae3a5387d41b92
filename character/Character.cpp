#include "character/Character.h"

#include "game/GameState.h"
#include "game/Grid.h"
#include "game/Random.h"
#include "game/Text.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"

namespace quorvan {
namespace {

// One energy per shot; the two sweeping Wings cost extra on top of it.
void ChargeShot() {
  G.Energy = static_cast<float>(G.Energy - 1.0);
  if (G.WingNo == 5) G.Energy = static_cast<float>(G.Energy - 3.0);
  if (G.WingNo == 10) G.Energy = static_cast<float>(G.Energy - 6.0);
  StatusPanel().EnergyLabel.SetCaption(Text(Int(G.Energy)));
}

void LaunchShot() {
  G.ShotActive = true;
  G.ShotX = G.PlayerX;
  G.ShotY = ShotStartRow;
  G.InputCommand = 0;
  if (G.WingNo == 4) {  // the Slant Wing's keyboard shot flies straight up
    G.TargetX = G.PlayerX;
    G.TargetY = 0;
  }
  ChargeShot();
  G.HitBonus = 0;
}

}  // namespace

// Movement commands stay until a key is released, so a held arrow moves one
// column a frame. A fire while a shot is in flight stays pending until it ends.
void MoveCharacter() {
  const int command = G.InputCommand;
  if (command == 1) {
    G.PlayerX = G.PlayerX + 1 > LastColumn ? LastColumn : G.PlayerX + 1;
  } else if (command == 2) {
    G.PlayerX = G.PlayerX - 1 < 0 ? 0 : G.PlayerX - 1;
  } else if (command == 3 && !G.ShotActive) {
    LaunchShot();
  }
  PlaceOnGrid(G.PlayerX, CharacterRow, Playfield().Character);
}

}  // namespace quorvan
