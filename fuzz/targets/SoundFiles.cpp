// The checks a music or sound file passes before a library is handed it: a
// Quor*.mid or a WAV lying in the current folder may be anything. The MIDI
// check takes only files whose chunks tile the file behind a sane header,
// with at least as many tracks as the header counts, as a plain walk over the
// chunks finds them (it also looks inside each track); the WAV check takes
// exactly the RIFF files of the WAVE kind.
//
// A piece the check takes is then read by FluidSynth's player as the music
// starts, so it is handed to one here and played for a moment, with no
// soundfont. FluidSynth is not built with the fuzzer's coverage: the fuzzer
// finds its way by the check's edges alone, and the sanitizers see FluidSynth
// only where it calls the C library (memcpy, malloc and the like).
#include "platform/sdl/SoundFiles.h"

#include <fluidsynth.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

extern "C" void Quiet(int, const char*, void*) {}

fluid_synth_t* Synth() {
  static fluid_synth_t* synth = [] {
    for (int level = 0; level < LAST_LOG_LEVEL; ++level)
      fluid_set_log_function(level, &Quiet, nullptr);
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_settings_setint(settings, "synth.reverb.active", 0);
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    return new_fluid_synth(settings);
  }();
  return synth;
}

// A few milliseconds of the piece: the player reads the whole file at the start.
void PlayAMoment(const quorvan::Bytes& piece) {
  fluid_synth_t* synth = Synth();
  fluid_player_t* player = new_fluid_player(synth);
  if (fluid_player_add_mem(player, piece.data(), piece.size()) == FLUID_OK &&
      fluid_player_play(player) == FLUID_OK) {
    std::vector<float> left(64), right(64);
    for (int block = 0; block < 8 && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING;
         ++block)
      fluid_synth_write_float(synth, 64, left.data(), 0, 1, right.data(), 0, 1);
    fluid_player_stop(player);
  }
  delete_fluid_player(player);
  fluid_synth_system_reset(synth);
}

std::uint64_t BigEndian(const std::uint8_t* at, int count) {
  std::uint64_t value = 0;
  for (int i = 0; i < count; ++i) value = value * 256 + at[i];
  return value;
}

bool ReferenceMidi(const std::uint8_t* data, std::uint64_t size) {
  if (size < 14 || std::memcmp(data, "MThd", 4) != 0) return false;
  const std::uint64_t headerLength = BigEndian(data + 4, 4);
  const std::uint64_t format = BigEndian(data + 8, 2);
  const std::uint64_t tracks = BigEndian(data + 10, 2);
  if (headerLength < 6 || format > 2 || tracks == 0) return false;
  std::uint64_t at = 8 + headerLength;
  std::uint64_t found = 0;
  while (at < size) {
    if (at + 8 > size) return false;
    const std::uint64_t length = BigEndian(data + at + 4, 4);
    if (at + 8 + length > size) return false;
    if (std::memcmp(data + at, "MTrk", 4) == 0) ++found;
    at += 8 + length;
  }
  return at == size && found >= tracks;
}

bool ReferenceWave(const std::uint8_t* data, std::size_t size) {
  return size >= 12 && std::memcmp(data, "RIFF", 4) == 0 && std::memcmp(data + 8, "WAVE", 4) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The game reads a file into a buffer of exactly its size, as here.
  const quorvan::Bytes file(data, data + size);
  if (quorvan::IsWholeMidiFile(file) && !ReferenceMidi(data, size)) {
    std::fprintf(stderr, "the MIDI check takes a file whose chunks are not whole\n");
    std::abort();
  }
  if (quorvan::IsWaveFile(file) != ReferenceWave(data, size)) {
    std::fprintf(stderr, "the WAV check and the plain test disagree\n");
    std::abort();
  }
  if (quorvan::IsWholeMidiFile(file)) PlayAMoment(file);
  return 0;
}
