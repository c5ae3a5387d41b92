// The character's attack in flight, one step a frame, by its Wing.
#pragma once

namespace quorvan {

// Runs while ShotActive: moves the shot, destroys what it meets, and
// refreshes the score and enemy labels.
void UpdateShot();

}  // namespace quorvan
