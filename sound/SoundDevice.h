// The one contract between the game and a sound player: five calls, each
// returning at once. Every failure stays inside the device: the game never
// hears of one.
#pragma once

#include <filesystem>

namespace quorvan {

class SoundDevice {
 public:
  virtual ~SoundDevice() = default;
  // Plays the piece in `file` once from its beginning, cutting the piece
  // before. A file that is missing or cannot be played is silence.
  virtual void PlayPiece(const std::filesystem::path& file) = 0;
  // Silences the piece; harmless when none plays.
  virtual void StopPiece() = 0;
  // Plays the effect in `file` once, cutting the effect playing, even when
  // this one cannot be played (an empty path is such a file). Music goes on.
  virtual void PlayEffect(const std::filesystem::path& file) = 0;
  // Silences the effect playing; the music goes on.
  virtual void CutEffect() = 0;
  // Holds the piece and the effect where they are, or lets them go on.
  virtual void PauseAll(bool paused) = 0;
};

// The device the game plays on, installed once by main() or a test.
SoundDevice& Sound();
void InstallSoundDevice(SoundDevice* device);

}  // namespace quorvan
