// Sprites put on the playfield's grid, and the game's one way to pause, which
// runs on the playfield's pause timer.
#pragma once

#include "game/Grid.h"
#include "screens/Window.h"

namespace quorvan {

// Puts the sprite's top-left corner on cell (x, y); no clipping, no check.
void PlaceOnGrid(int x, int y, Sprite& sprite);

// Pauses for ms (at least 1) while window events go on being handled.
void WaitMs(int ms);

}  // namespace quorvan
