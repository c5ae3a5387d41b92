#include "platform/sdl/SoundModule.h"

#include <dlfcn.h>

#include <cstdio>

namespace quorvan {

std::unique_ptr<SoundDevice> LoadSoundPlayer(const std::filesystem::path& module) {
  // The player's threads run until the program ends, so the module stays.
  void* library = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    std::fprintf(stderr, "quorvan: sound is off: %s\n", dlerror());
    return nullptr;
  }
  using Make = decltype(&QuorvanMakeSoundPlayer);
  auto make = reinterpret_cast<Make>(dlsym(library, "QuorvanMakeSoundPlayer"));
  if (make == nullptr) {
    std::fprintf(stderr, "quorvan: sound is off: %s is not the game's sound module\n",
                 module.c_str());
    return nullptr;
  }
  return std::unique_ptr<SoundDevice>(make());
}

}  // namespace quorvan
