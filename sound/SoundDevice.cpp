#include "sound/SoundDevice.h"

namespace quorvan {
namespace {

// Until main() installs a player the game runs silent.
class SilentDevice final : public SoundDevice {
 public:
  void SendMidiCommand(const std::string&) override {}
  void PlaySoundFile(const std::string&, int) override {}
};

SoundDevice*& Installed() {
  static SoundDevice* device = nullptr;
  return device;
}

}  // namespace

SoundDevice& Sound() {
  static SilentDevice silent;
  SoundDevice* device = Installed();
  return device ? *device : silent;
}

void InstallSoundDevice(SoundDevice* device) { Installed() = device; }

}  // namespace quorvan
