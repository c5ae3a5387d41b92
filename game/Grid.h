// Grid placement and the game's one way to pause.
#pragma once

#include "screens/Window.h"

namespace quorvan {

inline constexpr int GridCell = 240;  // twips: 16 pixels
inline constexpr int Columns = 40;
inline constexpr int Rows = 25;

// Puts the sprite's top-left corner on cell (x, y); no clipping, no check.
void PlaceOnGrid(int x, int y, Sprite& sprite);

// Pauses for ms (at least 1) while window events go on being handled.
void WaitMs(int ms);

}  // namespace quorvan
