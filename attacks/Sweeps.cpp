#include "attacks/Sweeps.h"

namespace quorvan {

void SweepHalf() {}
void SweepAll() {}
void CollectEnemies() {}

}  // namespace quorvan
