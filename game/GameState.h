// Everything the game knows, in one place.
//
// One program-wide instance, G, read and written directly by every procedure
// and window handler. It holds no toolkit objects, so tests copy and compare
// it. Every field is zero or false when the program starts; the comments say
// who resets it and when.
#pragma once

#include <array>
#include <cstdint>

namespace quorvan {

inline constexpr int EnemyCount = 8;  // slots 0..7 are the enemies
inline constexpr int EnemySlots = 9;  // slot 8 exists and is never used
inline constexpr int StageCount = 7;
inline constexpr int WingCount = 11;  // Wings 0..10

struct GameState {
  // --- Flow: written by the game cycle and the waits ---
  bool GameRunning = false;   // true from StartGame until game over
  bool StageRunning = false;  // true from SetupStage until the end test
  int StageResult = 0;        // 1 energy ran out, 2 no enemies left
  bool FrameWait = false;     // the next frame waits for a tick of Form1.Timer1
  bool TickWait = false;      // a WaitMs pause runs until Form1.Timer2 ticks
  bool DialogDone = false;    // true while the flow waits for a window's button
  bool Paused = false;        // the player's pause: no frame runs while it is set

  // --- Score and progress ---
  std::int32_t Score = 0;      // reset at game start
  std::int32_t HighScore = 0;  // lives as long as the program
  int StageNo = 0;             // 0..6, reset at game start
  int EnemiesLeft = 0;         // 50 + EnemyCarry at stage start; may go below 0
  int EnemyCarry = 0;          // EnemiesLeft at the last clear (0 or less)
  float Energy = 0;            // 100 at stage start; the stage is lost below 0
  std::int32_t HitBonus = 0;   // worth of the next hit of the current shot
  int ItemsTaken = 0;          // Wing items taken this stage
  int Edition = 0;             // 1 or 2, chosen before every game

  // --- Character, input and shot (never reset at game start) ---
  int WingNo = 0;        // 0..10; stage start: 0, or a random 1..9 after Wing 10
  int PlayerX = 0;       // 0..38, reset at stage start
  int InputCommand = 0;  // 0 none, 1 right, 2 left, 3 fire
  bool ShotActive = false;
  int ShotX = 0, ShotY = 0;
  int TargetX = 0, TargetY = 0;

  // --- Enemies: re-scattered at stage start ---
  std::array<int, EnemySlots> EnemyX{};
  std::array<int, EnemySlots> EnemyY{};

  // --- Spawned objects: inactive at stage start ---
  bool WingItemActive = false;
  int WingItemX = 0, WingItemY = 0;
  int WingItemKind = 0;   // 1..9 a Wing, 10 the energy item
  int WingItemTicks = 0;  // drift counter, never reset
  bool BombActive = false;
  int BombX = 0, BombY = 0;
  bool CometActive = false;
  int CometX = 0, CometY = 0;

  friend bool operator==(const GameState&, const GameState&) = default;
};

extern GameState G;

}  // namespace quorvan
