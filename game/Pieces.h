// The nine pieces of music, named for when they play.
#pragma once

namespace quorvan::pieces {

inline constexpr const char* WingTaken = "Quor1.mid";    // a Wing item flies to the character
inline constexpr const char* StageClear = "Quor2.mid";   // the clear screen waits for "O K"
inline constexpr const char* GameOver = "Quor3.mid";     // the game-over screen
inline constexpr const char* EnergyTaken = "Quor4.mid";  // the energy item is hit
inline constexpr const char* AllStagesClear = "Quor5.mid";
inline constexpr const char* Setup = "Quor6.mid";      // the setup window before every game
inline constexpr const char* HighScore = "Quor7.mid";  // a new high score
inline constexpr const char* SweepAll = "Quor8.mid";   // Super Quorvan's sweep
inline constexpr const char* SweepHalf = "Quor9.mid";  // the All Half Wing's sweep

}  // namespace quorvan::pieces
