// The checks a music or sound file passes before a library is handed it: a
// Quor*.mid or a WAV lying in the current folder may be anything. The MIDI
// check must take exactly the files whose chunks tile the file behind a sane
// header, with at least as many tracks as the header counts, as a plain walk
// over the chunks finds them; the WAV check exactly the RIFF files of the WAVE kind.
#include "platform/sdl/SoundFiles.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

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
  if (quorvan::IsWholeMidiFile(file) != ReferenceMidi(data, size)) {
    std::fprintf(stderr, "the MIDI check and the plain walk disagree\n");
    std::abort();
  }
  if (quorvan::IsWaveFile(file) != ReferenceWave(data, size)) {
    std::fprintf(stderr, "the WAV check and the plain test disagree\n");
    std::abort();
  }
  return 0;
}
