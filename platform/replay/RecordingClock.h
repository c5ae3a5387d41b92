// What a real game's recorder and replay run on: the monotonic clock in
// milliseconds, and the recording file, closed when its owner goes.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace quorvan {

inline std::int64_t SteadyMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using RecordingFile = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace quorvan
