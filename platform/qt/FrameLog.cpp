#include "platform/qt/FrameLog.h"

#include <chrono>
#include <cstdlib>

#include "platform/headless/FrameState.h"

namespace quorvan {

FrameLog::FrameLog() {
  const char* path = std::getenv("QUORVAN_FRAME_LOG");
  if (path && *path) file_ = std::fopen(path, "w");
}

FrameLog::~FrameLog() {
  if (file_) std::fclose(file_);
}

void FrameLog::FrameEnded() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  JsonObject frame;
  frame.Int("n", ++frames_);
  AppendFrameState(frame);
  std::fprintf(
      file_, "%lld %s\n",
      static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
      frame.Close().c_str());
  std::fflush(file_);
}

void FrameLog::StageEnded() {
  std::fputs("stage end\n", file_);
  std::fflush(file_);
}

void FrameLog::WaitStarted(int) {
  std::fputs("pause\n", file_);
  std::fflush(file_);
}

}  // namespace quorvan
