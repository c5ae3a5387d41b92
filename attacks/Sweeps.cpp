#include "attacks/Sweeps.h"

#include "character/Enemies.h"
#include "character/WingItem.h"
#include "character/Wings.h"
#include "game/GameState.h"
#include "game/Pieces.h"
#include "game/Random.h"
#include "screens/GridPlacement.h"
#include "screens/Palette.h"
#include "screens/Playfield.h"
#include "sound/Music.h"

namespace quorvan {
namespace {

constexpr int FirstRightColumn = 20;   // the right half starts here
constexpr int CurtainTopMargin = 500;  // twips: the curtain starts this far above the bottom edge
constexpr int HalfBrightStep = 2;
constexpr int HalfDarkStep = 4;
constexpr int FullStep = 10;
constexpr std::size_t HalfCurtainColour = 3;  // dark cyan, 0/128/128
constexpr std::size_t DarkColour = 0;         // black
constexpr double PaletteSize = 16;
constexpr int SweepKillPoints = 50;
constexpr int SweepKillWaitMs = 300;

bool OnLeftHalf(int x) { return x < FirstRightColumn; }

// Each kill pauses, so the blasts come one by one.
void SweepKill(int i) {
  DestroyEnemy(i, SweepKillPoints, "Bang1.Wav");
  WaitMs(SweepKillWaitMs);
}

// Lines from the curtain's top down to the top of the window, every `step`
// twips, each drawn and shown before the next.
void HalfCurtainPass(bool left, int step, Rgb colour) {
  auto& field = Playfield();
  const int height = field.Height();
  for (int y = height - CurtainTopMargin; y >= 0; y -= step) {
    const int width = field.Width();
    field.DrawLine(left ? 0 : width, y, width / 2, y, colour);
    Tk().ProcessPendingEvents();
  }
}

// The bright pass takes a fresh random colour for every line.
void FullCurtainPass(bool randomColours) {
  auto& field = Playfield();
  const int height = field.Height();
  for (int y = height - CurtainTopMargin; y >= 0; y -= FullStep) {
    const int width = field.Width();
    const Rgb colour = randomColours ? Palette16[static_cast<std::size_t>(Int(Rnd() * PaletteSize))]
                                     : Palette16[DarkColour];
    field.DrawLine(0, y, width, y, colour);
    Tk().ProcessPendingEvents();
  }
}

}  // namespace

void SweepHalf() {
  PlayMusic(pieces::SweepHalf);
  const bool left = OnLeftHalf(G.PlayerX);
  HalfCurtainPass(left, HalfBrightStep, Palette16[HalfCurtainColour]);
  HalfCurtainPass(left, HalfDarkStep, Palette16[DarkColour]);
  for (int i = 0; i < EnemyCount; ++i) {
    if (OnLeftHalf(G.EnemyX[static_cast<std::size_t>(i)]) == left) SweepKill(i);
  }
  if (G.WingItemActive && OnLeftHalf(G.WingItemX) == left) TakeWingItem();
  G.ShotActive = false;
}

void SweepAll() {
  PlayMusic(pieces::SweepAll);
  FullCurtainPass(true);
  FullCurtainPass(false);
  for (int i = 0; i < EnemyCount; ++i) SweepKill(i);
  G.ShotActive = false;
}

// The shot fired with it flies on as the new Wing's shot from the next frame.
void CollectEnemies() {
  auto& field = Playfield();
  for (std::size_t i = 0; i < EnemyCount; ++i) {
    G.EnemyX[i] = G.PlayerX;
    PlaceOnGrid(G.EnemyX[i], G.EnemyY[i], field.Enemies[i]);
  }
  WearWing(Int(2 * Rnd()) == 0 ? Wing::Double : Wing::Speed);
}

}  // namespace quorvan
