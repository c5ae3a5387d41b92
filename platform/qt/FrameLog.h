// When QUORVAN_FRAME_LOG names a file, the game writes the monotonic time of
// every frame's end to it, in microseconds, one a line, and a line "pause"
// or "stage end" where the game itself holds the next frame back: the record
// that the frame-timing bench reads.
#pragma once

#include <cstdio>

#include "game/Hooks.h"

namespace quorvan {

class FrameLog final : public GameObserver {
 public:
  // Opens the file named by QUORVAN_FRAME_LOG, if any.
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
};

}  // namespace quorvan
