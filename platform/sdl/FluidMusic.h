// The game's music: Standard MIDI Files played by FluidSynth from one
// General MIDI soundfont, rendered at the output's rate without reverb or
// chorus (our short pieces do not need them, and they were most of the cost),
// so nothing converts it on its way under the effects.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>

#include "platform/sdl/SoundFiles.h"

namespace quorvan {

class FluidMusic {
 public:
  // Loads `soundfont` for output at `outputRate`; on failure returns null and
  // says why in `why`.
  static std::unique_ptr<FluidMusic> Load(const std::filesystem::path& soundfont, int outputRate,
                                          std::string& why);
  ~FluidMusic();
  FluidMusic(const FluidMusic&) = delete;
  FluidMusic& operator=(const FluidMusic&) = delete;

  // Plays the whole Standard MIDI File in `piece` once from its beginning,
  // cutting the piece before; anything else is silence.
  void Play(Bytes piece);
  // Silences the piece.
  void Stop();
  // True from Play until the piece and its last notes have died away.
  bool Sounding() const;
  // Called once a piece has died away: lets go of its instruments' samples.
  void Release();

  // From the audio thread: writes `frames` stereo frames of music, 16-bit at
  // the output rate, into `stream`, replacing what is there.
  void Render(std::int16_t* stream, int frames);

 private:
  struct Fluid;
  explicit FluidMusic(std::unique_ptr<Fluid> fluid);
  bool PieceOver();

  std::unique_ptr<Fluid> fluid_;
  mutable std::mutex mutex_;  // between the audio thread and the player's own
  Bytes piece_;               // FluidSynth reads the piece from here
  std::atomic<bool> playing_ = false;
  // The piece's length in ticks, once FluidSynth knows it: asking walks
  // every event of every track.
  int pieceTicks_ = 0;
};

}  // namespace quorvan
