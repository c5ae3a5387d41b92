// The player's pause: while it holds, the stage loop runs no frame, the
// sound is held and the status panel says so.
#pragma once

namespace quorvan {

void PauseGame();
void ResumeGame();

}  // namespace quorvan
