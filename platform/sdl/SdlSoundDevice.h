// The game's real sound player: SDL2_mixer, with MIDI through FluidSynth.
#pragma once

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
};

// Always a device: without audio output it stays silent, without a
// soundfont it plays effects only; either is said once on stderr.
std::unique_ptr<SoundDevice> OpenSdlSoundDevice();
std::unique_ptr<SoundDevice> OpenSdlSoundDevice(const SdlSoundOptions& options);

}  // namespace quorvan
