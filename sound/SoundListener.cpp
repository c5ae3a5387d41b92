#include "sound/SoundListener.h"

namespace quorvan {
namespace {

SoundListener* installed = nullptr;

}  // namespace

SoundListener* InstalledSoundListener() { return installed; }

void InstallSoundListener(SoundListener* listener) { installed = listener; }

}  // namespace quorvan
