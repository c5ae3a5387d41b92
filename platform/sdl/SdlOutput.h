// SDL's audio output through SDL2_mixer, audio only.
#pragma once

#include <string>

namespace quorvan {

// The output always runs at this rate, 16-bit stereo; SDL converts when the
// hardware wants something else.
inline constexpr int OutputRate = 44100;

// Starts SDL's audio and opens the output; returns why it could not ("" when
// it did). When SDL_AUDIODRIVER names a driver only that one is tried;
// otherwise SDL's own choice, then the sound servers SDL may have passed over.
std::string OpenSdlOutput();

// While nothing sounds the output is closed, so that its thread does not
// wake; it opens again, on the driver chosen above, before the next sound.
void SleepSdlOutput();
bool WakeSdlOutput();

// Undoes a successful OpenSdlOutput, asleep or awake.
void CloseSdlOutput();

}  // namespace quorvan
