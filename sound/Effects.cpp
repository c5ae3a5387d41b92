#include "sound/Effects.h"

#include "sound/FileLookup.h"
#include "sound/SoundDevice.h"
#include "sound/SoundListener.h"

namespace quorvan {
namespace {

// The flags of the home platform's effect call: asynchronous, and also
// silent when the file cannot be played.
constexpr int Async = 1;
constexpr int AsyncNoDefault = 3;

void Tell(const std::string& file, int flags) {
  if (SoundListener* listener = InstalledSoundListener()) listener->EffectRequested(file, flags);
}

}  // namespace

void PlaySoundEffect(const std::string& name) {
  Tell(name, Async);
  Sound().PlayEffect(FindGameFile(name));
}

// The demo silences its jingle by playing a silent file in its place, which
// is what the trace tells.
void SilenceDemoJingle() {
  Tell("Dummy.wav", AsyncNoDefault);
  Sound().CutEffect();
}

}  // namespace quorvan
