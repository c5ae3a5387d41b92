#include "character/WingItem.h"

namespace quorvan {

void MoveWingItem() {}
void TakeWingItem() {}

}  // namespace quorvan
