#include "screens/GridPlacement.h"

#include "game/GameObserver.h"
#include "game/GameState.h"
#include "screens/Playfield.h"

namespace quorvan {

void PlaceOnGrid(int x, int y, Sprite& sprite) { sprite.MoveTo(x * GridCell, y * GridCell); }

// The pause ends at the first tick of the pause timer. The timer is left with interval
// 0 and disabled, so a late tick cannot cut a later pause short.
void WaitMs(int ms) {
  auto& timer = Playfield().PauseTimer;
  Observer().WaitStarted(ms);
  timer.SetInterval(ms);
  G.TickWait = true;
  timer.SetEnabled(true);
  while (G.TickWait) Tk().PumpEvents();
  timer.SetInterval(0);
  timer.SetEnabled(false);
}

}  // namespace quorvan
