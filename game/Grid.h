// The playfield's grid.
#pragma once

namespace quorvan {

inline constexpr int GridCell = 240;  // twips: 16 pixels
inline constexpr int Columns = 40;
inline constexpr int Rows = 25;

}  // namespace quorvan
