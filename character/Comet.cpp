#include "character/Comet.h"

namespace quorvan {

void UpdateComet() {}

}  // namespace quorvan
