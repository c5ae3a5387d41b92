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

// The Wings, named for their attacks, with the number each has in the game:
// the hidden Wing entry, the item kinds and the trace speak in these numbers.
enum class Wing {
  None = 0,      // a plain straight shot
  Navigate = 1,  // straight, kept in the character's column
  Speed = 2,     // straight, three rows a frame
  Double = 3,    // two shots side by side
  Slant = 4,     // steered to a clicked enemy
  AllHalf = 5,   // sweeps the character's half of the field
  Collect = 6,   // pulls every enemy into the character's column
  Mirror = 7,    // reflects a bomb up its column
  Comet = 8,     // lets comets fall
  Follow = 9,    // each hit blasts a second, random enemy
  Super = 10     // Super Quorvan: sweeps the whole field
};
constexpr int WingNumber(Wing wing) { return static_cast<int>(wing); }
constexpr Wing WingNumbered(int number) { return static_cast<Wing>(number); }

// The edition chosen on the setup window before every game: the same rules
// with other pictures and names. The Standard edition's forms are Wings, the
// Vistrel edition's are costumes.
enum class Edition { None = 0, Standard = 1, Vistrel = 2 };
constexpr int EditionNumber(Edition edition) { return static_cast<int>(edition); }

// What a Wing item carries: a Wing, or energy. Its number, that of its
// picture in the item bank and of the trace, is the Wing's, or 10 for energy.
struct ItemKind {
  static constexpr int EnergyNumber = 10;
  Wing wing = Wing::None;  // given to the character when the item is taken
  bool energy = false;     // the energy item refills energy instead

  static constexpr ItemKind Carrying(Wing given) { return {.wing = given}; }
  static constexpr ItemKind Energy() { return {.energy = true}; }
  static constexpr ItemKind Numbered(int number) {
    return number == EnergyNumber ? Energy() : Carrying(WingNumbered(number));
  }
  constexpr int Number() const { return energy ? EnergyNumber : WingNumber(wing); }
  friend bool operator==(const ItemKind&, const ItemKind&) = default;
};

// How a stage ended: Lost when the energy ran out, Cleared when no enemies
// were left.
enum class StageOutcome { None = 0, Lost = 1, Cleared = 2 };

// What the keys ask of the character's next frame.
enum class Command { None = 0, Right = 1, Left = 2, Fire = 3 };

struct GameState {
  // --- Flow: written by the game cycle and the waits ---
  bool GameRunning = false;   // true from StartGame until game over
  bool StageRunning = false;  // true from SetupStage until the end test
  StageOutcome StageResult = StageOutcome::None;
  bool FrameWait = false;         // the next frame waits for a tick of the frame timer
  bool TickWait = false;          // a WaitMs pause runs until the pause timer ticks
  bool WaitingForButton = false;  // true while the flow waits for a window's button
  bool Paused = false;            // the player's pause: no frame runs while it is set

  // --- Score and progress ---
  std::int32_t Score = 0;      // reset at game start
  std::int32_t HighScore = 0;  // lives as long as the program
  int StageNo = 0;             // 0..6, reset at game start
  int EnemiesLeft = 0;         // 50 + EnemyCarry at stage start; may go below 0
  int EnemyCarry = 0;          // EnemiesLeft at the last clear (0 or less)
  float Energy = 0;            // 100 at stage start; the stage is lost below 0
  std::int32_t HitBonus = 0;   // worth of the next hit of the current shot
  int ItemsTaken = 0;          // Wing items taken this stage
  quorvan::Edition Edition = quorvan::Edition::None;  // chosen before every game

  // --- Character, input and shot (never reset at game start) ---
  Wing WingNo = Wing::None;  // stage start: None, or a random Wing 1..9 after Super
  int PlayerX = 0;           // 0..38, reset at stage start
  Command InputCommand = Command::None;
  bool ShotActive = false;
  int ShotX = 0, ShotY = 0;
  int TargetX = 0, TargetY = 0;

  // --- Enemies: re-scattered at stage start ---
  std::array<int, EnemySlots> EnemyX{};
  std::array<int, EnemySlots> EnemyY{};

  // --- Spawned objects: inactive at stage start ---
  bool WingItemActive = false;
  int WingItemX = 0, WingItemY = 0;
  ItemKind WingItemKind;  // a Wing 1..9 or energy when it enters
  int WingItemTicks = 0;  // drift counter, never reset
  bool BombActive = false;
  int BombX = 0, BombY = 0;
  bool CometActive = false;
  int CometX = 0, CometY = 0;

  friend bool operator==(const GameState&, const GameState&) = default;
};

extern GameState G;

}  // namespace quorvan
