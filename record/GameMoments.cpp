#include "record/GameMoments.h"

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

std::vector<ScenarioInput> TakeInputsDueAt(std::deque<TimedInput>& inputs, Moment now) {
  std::vector<ScenarioInput> due;
  while (!inputs.empty()) {
    const TimedInput& front = inputs.front();
    const Moment at{.frame = front.when, .wait = front.wait, .step = front.step};
    if (at > now) break;
    if (at == now) due.push_back(front.input);
    inputs.pop_front();
  }
  return due;
}

}  // namespace quorvan
