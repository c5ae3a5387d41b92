// The game's one random generator: Rnd in [0, 1) and Int, as the rules use them.
#pragma once

#include <cstdint>
#include <vector>

namespace quorvan {

void SeedRandom(std::uint64_t seed);
double Rnd();

// The largest integer not greater than v.
int Int(double v);

// Values that Rnd returns next, in order, before the generator is used again.
// With repeatLast the last value is returned for ever after.
void QueueRandomValues(const std::vector<double>& values, bool repeatLast);
void ClearQueuedRandomValues();

}  // namespace quorvan
