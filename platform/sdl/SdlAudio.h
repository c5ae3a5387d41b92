// Opening SDL's audio output and SDL2_mixer, audio only.
#pragma once

#include <string>

namespace quorvan {

// Opens the output; returns why it could not ("" when it did). When
// SDL_AUDIODRIVER names a driver only that one is tried; otherwise every real
// driver is, because SDL settles on the first one that loads, not the first
// one that opens a device.
std::string OpenSdlAudio();

// Undoes a successful OpenSdlAudio.
void CloseSdlAudio();

}  // namespace quorvan
