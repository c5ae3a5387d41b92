#include <dlfcn.h>

#include "platform/sdl/Gamepads.h"

namespace quorvan {

std::unique_ptr<Gamepads> LoadGamepads(const std::filesystem::path& module) {
  // The sound player has usually loaded it already; it stays loaded.
  void* library = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return nullptr;
  using Open = decltype(&QuorvanOpenGamepads);
  auto open = reinterpret_cast<Open>(dlsym(library, "QuorvanOpenGamepads"));
  if (open == nullptr) return nullptr;
  return std::unique_ptr<Gamepads>(open());
}

}  // namespace quorvan
