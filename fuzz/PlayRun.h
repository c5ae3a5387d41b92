// One run of a scenario text in the simulator under the invariant checks.
#pragma once

#include <cstdint>
#include <string>

#include "fuzz/Coverage.h"

namespace quorvan::fuzz {

struct PlayResult {
  std::string check;  // the check that failed; empty when every check held
  std::string detail;
  std::int64_t frame = 0;  // the frame it failed at
  std::int64_t frames = 0;
  int code = 0;             // the program's exit code
  std::uint64_t trace = 0;  // digest of the whole trace
  bool Failed() const { return !check.empty(); }
};

// Frames from `stopAt` on are not played (0: as the scenario says).
PlayResult RunPlay(const std::string& scenario, Coverage* coverage = nullptr,
                   std::int64_t stopAt = 0);

}  // namespace quorvan::fuzz
