// Opening SDL's audio output and SDL2_mixer, audio only.
#pragma once

#include <string>

namespace quorvan {

// Opens the output; returns why it could not ("" when it did). When
// SDL_AUDIODRIVER names a driver only that one is tried; otherwise SDL's own
// choice, then the sound servers SDL may have passed over.
std::string OpenSdlAudio();

// Undoes a successful OpenSdlAudio.
void CloseSdlAudio();

}  // namespace quorvan
