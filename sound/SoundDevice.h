// The one contract between the game and a sound player.
//
// The music module speaks to it in the command texts of a MIDI sequencer
// ("open \"path\" type sequencer alias Midi", "play Midi", "close Midi"); the
// effect module hands it a file name and the flags of an asynchronous play
// (1 asynchronous, 2 stay silent when the file cannot be played). Every
// failure stays inside the device: the game never hears of one.
#pragma once

#include <string>

namespace quorvan {

inline constexpr int SoundAsync = 1;
inline constexpr int SoundNoDefault = 2;

class SoundDevice {
 public:
  virtual ~SoundDevice() = default;
  // One piece at a time under the alias "Midi"; returns at once.
  virtual void SendMidiCommand(const std::string& command) = 0;
  // One effect at a time: a new one cuts the one playing. The name is looked
  // up like any sound file (see FileLookup.h).
  virtual void PlaySoundFile(const std::string& name, int flags) = 0;
};

// The device the game plays on, installed once by main() or a test.
SoundDevice& Sound();
void InstallSoundDevice(SoundDevice* device);

}  // namespace quorvan
