// Where the game cycle stands, in the terms of a scenario: the frame wait
// before frame F ("at F"), or the K-th wait of frame F ("at F wait K"). The
// waits of a frame are its own pauses and then, when it ends its stage, the
// wait for "O K" and the game-over pauses. Between them a frame may show its
// drawing step by step (a sweep's curtain, the flight of a Wing item): the
// P-th step after the frame's start or after its K-th wait is
// "at F step P" or "at F wait K step P".
#pragma once

#include <compare>
#include <cstdint>
#include <deque>
#include <vector>

#include "game/GameObserver.h"
#include "record/Scenario.h"

namespace quorvan {

struct Moment {
  std::int64_t frame = 1;  // counted from 1 over the whole run
  int wait = 0;            // 0: the frame wait before the frame
  int step = 0;            // drawing steps since that wait
  friend auto operator<=>(const Moment&, const Moment&) = default;
};

// Follows the game cycle's moments; its owner forwards them, or adds it as
// an onlooker.
class MomentTracker : public GameObserver {
 public:
  Moment Now() const { return now_; }
  std::int64_t FramesEnded() const { return framesEnded_; }

  void StageStarted() override;
  void FrameEnded() override;
  void WaitStarted(int ms) override;
  void ConfirmWaitStarted() override;
  void StepShown();  // the toolkit handled the pending events of a drawing step

 private:
  Moment now_;
  std::int64_t framesEnded_ = 0;
};

// Takes from the front of `inputs`, kept in order of moments, those due by
// `now`, and gives back the ones due exactly then; an input whose moment
// passed without being seen is dropped.
std::vector<ScenarioInput> TakeInputsDueAt(std::deque<TimedInput>& inputs, Moment now);

}  // namespace quorvan
