#include "character/WingItem.h"

#include "character/Character.h"
#include "character/Wings.h"
#include "game/GameState.h"
#include "game/Pieces.h"
#include "screens/GridPlacement.h"
#include "screens/Playfield.h"
#include "sound/Music.h"

namespace quorvan {
namespace {

constexpr int DriftCycle = 3;  // the item rests one frame in three
constexpr int FlightStepMs = 200;
constexpr int ItemPoints = 500;  // whatever hit it
constexpr int ItemsForStrongestWing = 5;
constexpr double EnergyRefill = 1.5;
constexpr double FullEnergy = 100;

void TakeEnergyItem() {
  PlayMusic(pieces::EnergyTaken);
  Playfield().WingItem.Hide();
  G.WingItemActive = false;
  const double energy = G.Energy * EnergyRefill;
  G.Energy = static_cast<float>(energy > FullEnergy ? FullEnergy : energy);
}

// Only a show: the Wing is given wherever the item ends up.
void FlyDownToCharacter() {
  auto& item = Playfield().WingItem;
  for (int row = G.WingItemY; row <= RowAboveCharacter; ++row) {
    if (G.WingItemX < G.PlayerX) ++G.WingItemX;
    if (G.WingItemX > G.PlayerX) --G.WingItemX;
    WaitMs(FlightStepMs);
    item.Hide();
    PlaceOnGrid(G.WingItemX, row, item);
    item.Show();
    Tk().ProcessPendingEvents();
  }
}

void TakeWing() {
  PlayMusic(pieces::WingTaken);
  ++G.ItemsTaken;
  FlyDownToCharacter();
  G.WingItemActive = false;
  if (G.ItemsTaken == ItemsForStrongestWing) G.WingItemKind = ItemKind::Carrying(Wing::Super);
  Playfield().WingItem.Hide();
  WearWing(G.WingItemKind.wing);
  EndShot();
}

}  // namespace

void MoveWingItem() {
  if (++G.WingItemTicks >= DriftCycle) G.WingItemTicks = 0;
  if (G.WingItemTicks == 0) return;
  ++G.WingItemX;
  auto& item = Playfield().WingItem;
  if (G.WingItemX > LastColumn) {
    G.WingItemActive = false;
    item.Hide();
    return;
  }
  PlaceOnGrid(G.WingItemX, G.WingItemY, item);
  item.Show();
}

void TakeWingItem() {
  if (G.WingItemKind.energy) {
    TakeEnergyItem();
  } else {
    TakeWing();
  }
  G.Score += ItemPoints;
}

}  // namespace quorvan
