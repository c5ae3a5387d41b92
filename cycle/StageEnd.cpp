#include "cycle/StageEnd.h"

#include "game/GameObserver.h"
#include "game/GameState.h"
#include "game/Pieces.h"
#include "game/Random.h"
#include "game/Text.h"
#include "screens/GridPlacement.h"
#include "screens/MessageWindow.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"
#include "sound/Music.h"

namespace quorvan {
namespace {

constexpr int LastStage = StageCount - 1;
constexpr int FinalClearPauseMs = 12000;
constexpr int GameOverPauseMs = 10000;

void OpenMessage() {
  auto& message = StageEndMessage();
  message.Show();
  message.ClearSurface();
  message.OkButton.Hide();
}

// Energy left at a clear, times ten, rounded down.
int EnergyBonus() { return Int(static_cast<double>(G.Energy) * 10); }

void AwardBonus() {
  const int bonus = EnergyBonus();
  PrintAt(18, 7, "Bonus=" + Text(bonus) + "Points");
  G.Score += bonus;
}

}  // namespace

void PrintAt(int column, int row, const std::string& text) {
  auto& message = StageEndMessage();
  const int x = column * 120;
  const int y = row * message.TextHeight(text);
  message.Print(x, y, text);
}

void StageClear() {
  OpenMessage();
  if (G.StageNo < LastStage) {
    PlayMusic(pieces::StageClear);
    PrintAt(19, 3, "Stage " + Text(G.StageNo + 1) + " Clear");
    AwardBonus();
    PrintAt(18, 9, "Score=" + Text(G.Score) + "Points");
    StageEndMessage().OkButton.Show();
    G.WaitingForButton = true;
    Observer().ConfirmWaitStarted();
    while (G.WaitingForButton) Tk().PumpEvents();
    StopMusic();
    StageEndMessage().Hide();
    auto& field = Playfield();
    for (Sprite* sprite : {&field.Character, &field.Shot, &field.WingItem, &field.Bomb,
                           &field.DoubleShotRight, &field.Comet, &field.MirrorBeam})
      sprite->Hide();
    G.EnemyCarry = G.EnemiesLeft;
    G.StageNo += 1;
    return;
  }
  PlayMusic(pieces::AllStagesClear);
  PrintAt(19, 3, "All Stage Clear!!");
  AwardBonus();
  WaitMs(FinalClearPauseMs);
  G.GameRunning = false;
  GameOver();
}

void GameOver() {
  OpenMessage();
  PlayMusic(pieces::GameOver);
  PrintAt(14, 3, "Ｇａｍｅ　Ｏｖｅｒ…");
  PrintAt(16, 5, "Score=" + Text(G.Score) + "Points");
  PrintAt(16, 7, "High Score=" + Text(G.HighScore) + "Points");
  WaitMs(GameOverPauseMs);
  if (G.Score > G.HighScore) {
    G.HighScore = G.Score;
    PrintAt(13, 9, "New High Score=" + Text(G.HighScore) + "Points");
    PlayMusic(pieces::HighScore);
    PrintAt(16, 11, "You got a High Score!");
    WaitMs(GameOverPauseMs);
  }
  // The game's music plays on into the setup window's.
  StageEndMessage().Unload();
  Playfield().Unload();
  StatusPanel().Unload();
  Observer().GameEnded();
}

}  // namespace quorvan
