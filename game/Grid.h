// The playfield's grid: its size, the rows and columns the rules name, and
// where a thing two cells wide may stand.
#pragma once

#include "game/Random.h"

namespace quorvan {

inline constexpr int GridCell = 240;  // twips: 16 pixels
inline constexpr int Columns = 40;
inline constexpr int Rows = 25;
inline constexpr int LastColumn = Columns - 1;
// The character, the enemies and the Wing item are two cells wide: standing
// on this column, they end on the last one.
inline constexpr int LastPairColumn = LastColumn - 1;

inline constexpr int CharacterRow = 23;
// A shot starts here and a Wing item's flight ends here; a bomb or a comet
// that falls past it is gone.
inline constexpr int RowAboveCharacter = CharacterRow - 1;

// Something two cells wide that stands on `leftColumn` covers that column and
// the next: hits are told by columns, never by pixels.
constexpr bool CoversColumn(int leftColumn, int column) {
  return column == leftColumn || column == leftColumn + 1;
}

// A column on which something two cells wide fits, 0..LastPairColumn: one draw.
inline int RandomColumn() { return Int(Rnd() * (LastPairColumn + 1)); }

}  // namespace quorvan
