#include "attacks/Shot.h"

namespace quorvan {

void UpdateShot() {}

}  // namespace quorvan
