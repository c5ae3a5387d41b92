// The pads' entry of quorvan-sound.so.
#include "platform/sdl/Gamepads.h"
#include "platform/sdl/SdlGamepads.h"

extern "C" __attribute__((visibility("default"))) quorvan::Gamepads* QuorvanOpenGamepads() {
  return new quorvan::SdlGamepads();
}
