#include "record/FrameLog.h"

#include <chrono>
#include <cstdlib>

#include "record/FrameState.h"

namespace quorvan {

namespace {

const char* Named(const char* variable) {
  const char* value = std::getenv(variable);
  return value && *value ? value : nullptr;
}

}  // namespace

FrameLog::FrameLog() {
  if (const char* path = Named("QUORVAN_FRAME_LOG")) {
    file_ = std::fopen(path, "w");
    states_ = true;
  } else if (const char* times = Named("QUORVAN_FRAME_TIMES")) {
    file_ = std::fopen(times, "w");
  }
}

FrameLog::~FrameLog() {
  if (file_) std::fclose(file_);
}

void FrameLog::FrameEnded() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  std::fprintf(
      file_, "%lld",
      static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
  ++frames_;
  if (states_) {
    JsonObject frame;
    frame.Int("n", frames_);
    AppendFrameState(frame);
    std::fprintf(file_, " %s", frame.Close().c_str());
  }
  std::fputc('\n', file_);
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
