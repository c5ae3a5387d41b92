#include "character/Bomb.h"

namespace quorvan {

void UpdateBomb() {}

}  // namespace quorvan
