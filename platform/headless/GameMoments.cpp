#include "platform/headless/GameMoments.h"

#include "game/GameState.h"

namespace quorvan {

void MomentTracker::StageStarted() { now_ = {.frame = framesEnded_ + 1}; }

// A frame that ends its stage keeps the waits of the stage end.
void MomentTracker::FrameEnded() {
  ++framesEnded_;
  if (G.StageRunning) now_ = {.frame = framesEnded_ + 1};
}

void MomentTracker::WaitStarted(int /*ms*/) {
  ++now_.wait;
  now_.step = 0;
}

void MomentTracker::ConfirmWaitStarted() {
  ++now_.wait;
  now_.step = 0;
}

void MomentTracker::StepShown() { ++now_.step; }

}  // namespace quorvan
