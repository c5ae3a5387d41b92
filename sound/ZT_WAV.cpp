#include "sound/ZT_WAV.h"

#include "sound/SoundDevice.h"

namespace quorvan {

void PlayWav(const std::string& name) { Sound().PlaySoundFile(name, SoundAsync); }

void PlayDemoSound(const std::string& name, int flags) { Sound().PlaySoundFile(name, flags); }

}  // namespace quorvan
