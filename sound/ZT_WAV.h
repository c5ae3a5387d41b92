// Sound effects: one at a time, a new one cuts the one playing.
#pragma once

#include <string>

namespace quorvan {

// Plays the effect file `name` asynchronously.
void PlayWav(const std::string& name);

// The opening demo plays its jingle and the silent file that cuts it with
// flags of its own (see SoundDevice.h).
void PlayDemoSound(const std::string& name, int flags);

}  // namespace quorvan
