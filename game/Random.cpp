#include "game/Random.h"

#include <cmath>
#include <deque>
#include <random>

namespace quorvan {
namespace {

struct RandomSource {
  std::mt19937_64 engine{0};
  std::deque<double> queued;
  bool repeatLast = false;
};

RandomSource& Source() {
  static RandomSource source;
  return source;
}

}  // namespace

void SeedRandom(std::uint64_t seed) { Source().engine.seed(seed); }

double Rnd() {
  auto& s = Source();
  if (!s.queued.empty()) {
    const double v = s.queued.front();
    if (s.queued.size() > 1 || !s.repeatLast) s.queued.pop_front();
    return v;
  }
  // 53 random bits make a double in [0, 1), the same on every platform.
  return static_cast<double>(s.engine() >> 11) * 0x1.0p-53;
}

int Int(double v) { return static_cast<int>(std::floor(v)); }

void QueueRandomValues(const std::vector<double>& values, bool repeatLast) {
  auto& s = Source();
  if (s.repeatLast && !s.queued.empty()) s.queued.clear();
  s.queued.insert(s.queued.end(), values.begin(), values.end());
  s.repeatLast = repeatLast;
}

void ClearQueuedRandomValues() {
  Source().queued.clear();
  Source().repeatLast = false;
}

}  // namespace quorvan
