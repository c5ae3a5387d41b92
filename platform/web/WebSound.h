// The sound player of the page: Web Audio, fed by the page's script. Effects
// are the game's WAV files; each piece of music was rendered to MP3 when the
// page was built, and is fetched when the game first asks for it.
#pragma once

#include "sound/SoundDevice.h"

namespace quorvan {

class WebSound : public SoundDevice {
 public:
  void PlayPiece(const std::filesystem::path& file) override;
  void StopPiece() override;
  void PlayEffect(const std::filesystem::path& file) override;
  void CutEffect() override;
  void PauseAll(bool paused) override;
};

}  // namespace quorvan
