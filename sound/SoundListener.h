// What the music and effect modules ask for, in the words of the MIDI
// sequencer and the effect call of the game's home platform: "close Midi",
// "open \"PATH\" type sequencer alias Midi", "play Midi", and an effect file
// with its flags (1 asynchronous, 3 also silent when the file cannot be
// played). The simulator writes these into its trace; the real game installs
// nobody.
#pragma once

#include <string>

namespace quorvan {

class SoundListener {
 public:
  virtual void MusicCommandSent(const std::string& command) = 0;
  virtual void EffectRequested(const std::string& file, int flags) = 0;

 protected:
  ~SoundListener() = default;
};

SoundListener* InstalledSoundListener();  // nullptr when nobody listens
void InstallSoundListener(SoundListener* listener);

}  // namespace quorvan
