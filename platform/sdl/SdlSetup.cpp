#include "platform/sdl/SdlSetup.h"

namespace quorvan {

std::mutex& SdlSetupLock() {
  static std::mutex lock;
  return lock;
}

}  // namespace quorvan
