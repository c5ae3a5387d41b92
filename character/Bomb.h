// The enemies' bomb, and its reflection by the Mirror Wing.
#pragma once

namespace quorvan {

void UpdateBomb();

}  // namespace quorvan
