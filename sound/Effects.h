// Sound effects: one at a time, a new one cuts the one playing.
#pragma once

#include <string>

namespace quorvan {

// Plays the effect file `name` (looked up as FileLookup.h says) in the
// background.
void PlaySoundEffect(const std::string& name);

// The opening demo's way to silence its jingle: it cuts the effect playing.
void SilenceDemoJingle();

}  // namespace quorvan
