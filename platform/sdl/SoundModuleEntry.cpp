// The entry of quorvan-sound.so, the one name it shows.
#include "platform/sdl/SdlSoundDevice.h"
#include "platform/sdl/SoundModule.h"

extern "C" __attribute__((visibility("default"))) quorvan::SoundDevice* QuorvanMakeSoundPlayer() {
  return new quorvan::SdlSoundDevice();
}
