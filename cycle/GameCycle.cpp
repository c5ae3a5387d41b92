#include "cycle/GameCycle.h"

#include "attacks/Shot.h"
#include "character/Bomb.h"
#include "character/Character.h"
#include "character/Comet.h"
#include "character/Enemies.h"
#include "character/HiddenEntries.h"
#include "character/WingItem.h"
#include "cycle/Pause.h"
#include "cycle/Spawns.h"
#include "cycle/StageEnd.h"
#include "cycle/StageSetup.h"
#include "game/GameObserver.h"
#include "game/GameState.h"
#include "game/InputRules.h"
#include "game/Pieces.h"
#include "game/Random.h"
#include "screens/Demo.h"
#include "screens/PictureBanks.h"
#include "screens/Playfield.h"
#include "screens/SetupWindow.h"
#include "screens/StatusPanel.h"
#include "sound/Music.h"

namespace quorvan {
namespace {

constexpr double EnergyDrainPerFrame = 0.02;

class GameInputRules final : public InputRules {
  // Only a running stage pauses: not a message window, nor the setup.
  void PauseOrResume() override {
    if (!G.StageRunning) return;
    if (G.Paused) {
      ResumeGame();
    } else {
      PauseGame();
    }
  }
  void SteerShotAt(int enemy) override { quorvan::SteerShotAt(enemy); }
  void AskWingNumber() override { quorvan::AskWingNumber(); }
  void AskEnemyCount() override { quorvan::AskEnemyCount(); }
};

GameInputRules gameInputRules;

}  // namespace

void InstallGameInputRules() { InstallInputRules(&gameInputRules); }

void FillWorkingBanks(Edition edition) {
  const bool standard = edition == Edition::Standard;
  auto& objects = EditionBanks();
  auto& characters = standard ? objects.Edition1Characters : objects.Edition2Characters;
  auto& items = standard ? objects.Edition1Items : objects.Edition2Items;
  for (std::size_t i = 0; i < WingCount; ++i) {
    WorkingBanks().CharacterPictures[i].CopyPictureFrom(characters[i]);
    WorkingBanks().ItemPictures[i].CopyPictureFrom(items[i]);
  }
  const auto& shot = objects.EditionShots[standard ? 0 : 1];
  Playfield().Shot.CopyPictureFrom(shot);
  Playfield().DoubleShotRight.CopyPictureFrom(shot);
}

namespace {

void RunFrame() {
  G.Energy = static_cast<float>(G.Energy - EnergyDrainPerFrame);
  ShowEnergyLeft();
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
    G.StageResult = StageOutcome::Lost;
    G.StageRunning = false;
  } else if (G.EnemiesLeft <= 0) {
    G.StageResult = StageOutcome::Cleared;
    G.StageRunning = false;
  }
}

void StartUp() {
  InstallGameInputRules();
  SeedRandom(Tk().ClockSeed());
  OpeningDemo().Show();
  while (OpeningDemo().Visible()) Tk().PumpEvents();
  OpeningDemo().Unload();
  G.HighScore = 0;
  for (;;) {
    SetupGame();
    StartGame();
    G.GameRunning = true;
    while (G.GameRunning) RunStage();
  }
}

void SetupGame() {
  G.WaitingForButton = true;
  EditionSetup().Show();
  PlayMusic(pieces::Setup);
  while (G.WaitingForButton) Tk().PumpEvents();

  WorkingBanks().Load();
  EditionBanks().Load();
  G.Edition = EditionSetup().FirstEdition.Value() ? Edition::Standard : Edition::Vistrel;
  FillWorkingBanks(G.Edition);
  EditionSetup().Unload();
  StopMusic();
}

void StartGame() {
  G.Score = 0;
  G.StageNo = 0;
  G.EnemyCarry = 0;
  auto& field = Playfield();
  for (Sprite* sprite : {&field.WingItem, &field.Shot, &field.Bomb, &field.DoubleShotRight,
                         &field.Comet, &field.MirrorBeam})
    sprite->Hide();
  field.Show();
  StatusPanel().Show();
  G.FrameWait = true;
  field.FrameTimer.SetEnabled(true);
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
  if (G.StageResult == StageOutcome::Lost) {
    GameOver();
    G.GameRunning = false;
  } else if (G.StageResult == StageOutcome::Cleared) {
    StageClear();
  }
}

}  // namespace quorvan
