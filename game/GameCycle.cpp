#include "game/GameCycle.h"

#include "attacks/Shot.h"
#include "character/Bomb.h"
#include "character/Character.h"
#include "character/Comet.h"
#include "character/Enemies.h"
#include "character/WingItem.h"
#include "game/GameState.h"
#include "game/Hooks.h"
#include "game/Pause.h"
#include "game/Random.h"
#include "game/Spawns.h"
#include "game/StageEnd.h"
#include "game/StageSetup.h"
#include "game/Text.h"
#include "screens/Demo.h"
#include "screens/PictureBanks.h"
#include "screens/Playfield.h"
#include "screens/SetupWindow.h"
#include "screens/StatusPanel.h"
#include "sound/Music.h"

namespace quorvan {
namespace {

constexpr double EnergyDrainPerFrame = 0.02;

}  // namespace

void FillWorkingBanks(int edition) {
  auto& objects = ObjectForm();
  auto& characters = edition == 1 ? objects.Image2 : objects.Image0;
  auto& items = edition == 1 ? objects.Image3 : objects.Image1;
  for (std::size_t i = 0; i < WingCount; ++i) {
    Form2().Image2[i].CopyPictureFrom(characters[i]);
    Form2().Image3[i].CopyPictureFrom(items[i]);
  }
  const auto& shot = objects.Image4[edition == 1 ? 0 : 1];
  Form1().Image3.CopyPictureFrom(shot);
  Form1().Image6.CopyPictureFrom(shot);
}

namespace {

void RunFrame() {
  G.Energy = static_cast<float>(G.Energy - EnergyDrainPerFrame);
  Form3().EnergyLabel.SetCaption(Text(Int(G.Energy)));
  MoveCharacter();
  WanderEnemy();
  if (G.ShotActive) UpdateShot();
  if (G.WingItemActive) {
    MoveWingItem();
  } else {
    WingItemSpawnTest();
  }
  if (G.BombActive) {
    UpdateBomb();
  } else {
    BombSpawnTest();
  }
  if (G.CometActive) {
    UpdateComet();
  } else {
    CometSpawnTest();
  }

  StageEndTest();
}

}  // namespace

// Running out of energy is tested first: it loses even with no enemies left.
void StageEndTest() {
  if (G.Energy < 0) {
    G.StageResult = 1;
    G.StageRunning = false;
  } else if (G.EnemiesLeft <= 0) {
    G.StageResult = 2;
    G.StageRunning = false;
  }
}

void StartUp() {
  SeedRandom(Tk().ClockSeed());
  Demoform().Show();
  while (Demoform().Visible()) Tk().PumpEvents();
  Demoform().Unload();
  G.HighScore = 0;
  for (;;) {
    SetupGame();
    StartGame();
    G.GameRunning = true;
    while (G.GameRunning) RunStage();
  }
}

void SetupGame() {
  G.DialogDone = true;
  Form5().Show();
  PlayMusic("Quor6.mid");
  while (G.DialogDone) Tk().PumpEvents();

  Form2().Load();
  ObjectForm().Load();
  G.Edition = Form5().Option1.Value() ? 1 : 2;
  FillWorkingBanks(G.Edition);
  Form5().Unload();
  StopMusic();
}

void StartGame() {
  G.Score = 0;
  G.StageNo = 0;
  G.EnemyCarry = 0;
  auto& field = Form1();
  for (Sprite* sprite :
       {&field.Image4, &field.Image3, &field.Image5, &field.Image6, &field.Image7, &field.Image8})
    sprite->Hide();
  field.Show();
  Form3().Show();
  G.FrameWait = true;
  field.Timer1.SetEnabled(true);
}

// One stage: frames paced by the frame timer until the end test stops it.
// Ticks never queue: a tick that falls into a long frame is swallowed by the
// FrameWait = true at its end.
void RunStage() {
  SetupStage();
  Observer().StageStarted();
  while (G.StageRunning) {
    while (G.FrameWait || G.Paused) Tk().PumpEvents();
    RunFrame();
    G.FrameWait = true;
    Observer().FrameEnded();
  }
  // A pause pressed during the frame that ended the stage must not hold
  // the stage-end screens.
  if (G.Paused) ResumeGame();
  Observer().StageEnded();
  if (G.StageResult == 1) {
    GameOver();
    G.GameRunning = false;
  } else if (G.StageResult == 2) {
    StageClear();
  }
}

}  // namespace quorvan
