// When QUORVAN_FRAME_LOG names a file, the game writes one line to it at the
// end of every frame: the monotonic time in microseconds, a blank, and the
// frame as the simulator's trace shows it (a JSON object with "n", every
// variable of the game state, "labels" and "sprites"); and a line "pause" or
// "stage end" where the game itself holds the next frame back. The
// record-and-replay test compares the states with the simulator's.
// QUORVAN_FRAME_TIMES writes the same lines without the states: what the
// frame-timing bench reads, at a cost that does not weigh on what it measures.
#pragma once

#include <cstdint>
#include <cstdio>

#include "game/GameObserver.h"

namespace quorvan {

class FrameLog final : public GameObserver {
 public:
  // Opens the file named by QUORVAN_FRAME_LOG, or else QUORVAN_FRAME_TIMES.
  FrameLog();
  ~FrameLog();
  FrameLog(const FrameLog&) = delete;
  FrameLog& operator=(const FrameLog&) = delete;
  bool Active() const { return file_ != nullptr; }

 private:
  void FrameEnded() override;
  void StageEnded() override;
  void WaitStarted(int ms) override;
  std::FILE* file_ = nullptr;
  bool states_ = false;
  std::int64_t frames_ = 0;
};

}  // namespace quorvan
