// The game's real sound player: effects through SDL2_mixer, music through
// FluidSynth, all on a thread of its own.
//
// Every call returns at once: it is queued for the player's thread, which
// opens the output and loads the soundfont when the device is made, so a
// piece or an effect asked for meanwhile sounds as soon as they are ready.
// While nothing sounds the output is closed and the thread sleeps.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <vector>

#include "sound/SoundDevice.h"

namespace quorvan {

// Where Debian puts its General MIDI soundfonts (timgm6mb-soundfont and
// fluid-soundfont-gm register the default-GM links).
std::vector<std::filesystem::path> StandardSoundFonts();

struct SdlSoundOptions {
  std::vector<std::filesystem::path> soundfonts = StandardSoundFonts();
  // How long the output stays open once nothing sounds; long enough that a
  // stage's effects do not keep opening it.
  std::chrono::milliseconds sleepAfter{2000};
};

class SdlSoundDevice final : public SoundDevice {
 public:
  // Without audio output it stays silent, without a soundfont it plays
  // effects only; either is said once on stderr.
  explicit SdlSoundDevice(const SdlSoundOptions& options = {});
  ~SdlSoundDevice() override;
  SdlSoundDevice(const SdlSoundDevice&) = delete;
  SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

  void PlayPiece(const std::filesystem::path& file) override;
  void StopPiece() override;
  void PlayEffect(const std::filesystem::path& file) override;
  void CutEffect() override;
  void PauseAll(bool paused) override;

  // Waits until the player's thread has done everything asked of it so far.
  void Settle();

 private:
  class Player;
  std::unique_ptr<Player> player_;
};

}  // namespace quorvan
