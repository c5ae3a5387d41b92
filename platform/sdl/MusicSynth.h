// The game's music: Standard MIDI Files played by FluidSynth from one
// soundfont, of which each piece loads only the presets it plays, rendered
// at half the output rate without reverb or chorus (our short pieces do not
// need them, and they were most of the cost), and doubled to the output rate
// as it is mixed under the effects.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/sdl/SoundFiles.h"
#include "platform/sdl/SoundFontSubset.h"

namespace quorvan {

class MusicSynth {
 public:
  // Loads `soundfont`; on failure returns null and says why in `why`.
  static std::unique_ptr<MusicSynth> Load(const std::filesystem::path& soundfont, int outputRate,
                                          std::string& why);
  ~MusicSynth();
  MusicSynth(const MusicSynth&) = delete;
  MusicSynth& operator=(const MusicSynth&) = delete;

  // Plays the whole Standard MIDI File in `piece` once from its beginning,
  // cutting the piece before; anything else is silence.
  void Play(Bytes piece);
  // Silences the piece and lets go of what it held.
  void Stop();
  // True from Play until the piece and its last notes have died away.
  bool Sounding() const;
  // Called once a piece has died away: gives its memory back.
  void Release();

  // From the audio thread: writes `frames` stereo frames of music, 16-bit at
  // the output rate, into `stream`, replacing what is there.
  void Render(std::int16_t* stream, int frames);

 private:
  struct Fluid;
  explicit MusicSynth(std::unique_ptr<Fluid> fluid);
  static bool LoadFont(Fluid& fluid, const Programs& programs);
  static void UnloadFont(Fluid& fluid);
  bool PieceOver();

  std::unique_ptr<Fluid> fluid_;
  mutable std::mutex mutex_;  // between the audio thread and the player's own
  Bytes piece_;               // FluidSynth reads the piece from here
  std::atomic<bool> playing_ = false;
  // The piece's length in ticks, once FluidSynth knows it: asking walks
  // every event of every track.
  int pieceTicks_ = 0;
  // A block rendered at half rate, behind the end of the block before,
  // which the doubling filter still reads.
  std::vector<float> left_, right_;
  bool secondFrameDue_ = false;  // the last output pair was cut by the buffer's end
  float dueLeft_ = 0.0f, dueRight_ = 0.0f;
};

}  // namespace quorvan
