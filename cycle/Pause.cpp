#include "cycle/Pause.h"

#include "game/GameObserver.h"
#include "game/GameState.h"
#include "screens/StatusPanel.h"
#include "sound/SoundDevice.h"

namespace quorvan {

void PauseGame() {
  G.Paused = true;
  Sound().PauseAll(true);
  StatusPanel().PauseLabel.SetVisible(true);
  Observer().PauseChanged();
}

// The next frame waits for a whole tick, as after any other frame: ticks
// that fell into the pause do not count.
void ResumeGame() {
  G.Paused = false;
  G.FrameWait = true;
  Sound().PauseAll(false);
  StatusPanel().PauseLabel.SetVisible(false);
  Observer().PauseChanged();
}

}  // namespace quorvan
