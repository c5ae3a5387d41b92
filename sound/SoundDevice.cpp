#include "sound/SoundDevice.h"

namespace quorvan {
namespace {

// Until main() installs a player the game runs silent.
class SilentDevice final : public SoundDevice {
 public:
  void PlayPiece(const std::filesystem::path&) override {}
  void StopPiece() override {}
  void PlayEffect(const std::filesystem::path&) override {}
  void CutEffect() override {}
  void PauseAll(bool) override {}
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
