// The comets that fall while the character wears the Comet Wing.
#pragma once

namespace quorvan {

void UpdateComet();

}  // namespace quorvan
