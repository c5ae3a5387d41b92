// The two screens that close a stage, printed on the message window.
#pragma once

#include <string>

namespace quorvan {

// Prints text on the message window: columns are half a grid cell, rows are
// lines of text.
void PrintAt(int column, int row, const std::string& text);

void StageClear();
void GameOver();

}  // namespace quorvan
