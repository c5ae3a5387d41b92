// The real sound player lives in a module of its own, quorvan-sound.so, so
// that SDL, SDL2_mixer and FluidSynth, with the forty-odd libraries they
// bring, are loaded only when the game opens its player and not before its
// first window.
#pragma once

#include <filesystem>
#include <memory>

#include "sound/SoundDevice.h"

// The module's one entry: a new player, which the caller owns.
extern "C" quorvan::SoundDevice* QuorvanMakeSoundPlayer();

namespace quorvan {

inline constexpr const char* kSoundModuleFile = "quorvan-sound.so";

// Loads the module and makes its player. A module that cannot be loaded is
// said once on stderr and gives no player: the game plays on in silence.
std::unique_ptr<SoundDevice> LoadSoundPlayer(const std::filesystem::path& module);

}  // namespace quorvan
