#pragma once

namespace quorvan {

inline constexpr int CharacterRow = 23;
inline constexpr int ShotStartRow = 22;  // just above the character
inline constexpr int LastColumn = 38;    // sprites two cells wide end at column 39

// The first step of every frame: the pending command moves the character or
// fires its shot; then the character is drawn on its row.
void MoveCharacter();

// With the Slant Wing, a click on enemy slot `enemy` launches a shot steered
// to its cell, unless a shot is already in flight.
void SteerShotAt(int enemy);

}  // namespace quorvan
