#pragma once

namespace quorvan {

// The first step of every frame: the pending command moves the character or
// fires its shot; then the character is drawn on its row.
void MoveCharacter();

// With the Slant Wing, a click on enemy slot `enemy` launches a shot steered
// to its cell, unless a shot is already in flight.
void SteerShotAt(int enemy);

// The shot in flight ends, and both of its sprites go.
void EndShot();

}  // namespace quorvan
