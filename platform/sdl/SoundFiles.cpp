#include "platform/sdl/SoundFiles.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <system_error>

namespace quorvan {
namespace {

constexpr std::size_t ChunkHeader = 8;
constexpr std::size_t MidiHeaderLength = 6;

std::uint32_t BigEndian(const Bytes& data, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = (value << 8) | data[at + static_cast<std::size_t>(i)];
  return value;
}

bool HasTag(const Bytes& data, std::size_t at, const char* tag) {
  return data.size() >= at + 4 && std::memcmp(data.data() + at, tag, 4) == 0;
}

// A variable-length number of at most four bytes, read from `at` onwards
// without passing `end`; false when it does not end in time.
bool ReadVariable(const Bytes& data, std::size_t& at, std::size_t end, std::uint32_t& value) {
  value = 0;
  for (int i = 0; i < 4 && at < end; ++i) {
    const unsigned char byte = data[at++];
    value = (value << 7) | (byte & 0x7Fu);
    if ((byte & 0x80) == 0) return true;
  }
  return false;
}

// Every event of the track lies inside it and it closes with its
// end-of-track event. FluidSynth reads a track's events from the file, not
// from the chunk, so an event that runs past its track makes it read the
// next track's bytes as events of this one. A file whose first track ended
// inside a text event 84 bytes long kept the player busy for minutes.
bool IsWholeTrack(const Bytes& data, std::size_t at, std::size_t end) {
  unsigned char running = 0;  // the status a channel event may leave out
  std::uint32_t value = 0;
  while (at < end) {
    if (!ReadVariable(data, at, end, value) || at == end) return false;  // the delta time
    unsigned char status = data[at];
    if (status & 0x80) {
      ++at;
    } else if (running != 0) {
      status = running;
    } else {
      return false;
    }
    if (status == 0xFF || status == 0xF0 || status == 0xF7) {
      const bool meta = status == 0xFF;
      if (meta && at == end) return false;
      const unsigned char type = meta ? data[at++] : 0;
      if (!ReadVariable(data, at, end, value) || value > end - at) return false;
      at += value;
      if (meta && type == 0x2F) return true;
      running = 0;
    } else if (status >= 0xF0) {
      return false;  // system messages have no place in a file
    } else {
      const std::size_t bytes = (status & 0xE0) == 0xC0 ? 1 : 2;  // program and pressure: one
      if (bytes > end - at) return false;
      for (std::size_t i = 0; i < bytes; ++i)
        if (data[at + i] & 0x80) return false;
      at += bytes;
      running = status;
    }
  }
  return false;
}

}  // namespace

Bytes ReadSmallFile(const std::filesystem::path& path, std::size_t limit) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  if (error || size > limit) return {};
  std::ifstream in(path, std::ios::binary);
  Bytes data(static_cast<std::size_t>(size));
  if (!in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(size))) {
    return {};
  }
  return data;
}

// A chunk's type is four printable ASCII characters. FluidSynth refuses a
// file with any other while its player plays it, and its player then tries
// the file again and again and never returns.
bool HasChunkType(const Bytes& data, std::size_t at) {
  return std::all_of(data.begin() + static_cast<std::ptrdiff_t>(at),
                     data.begin() + static_cast<std::ptrdiff_t>(at + 4),
                     [](unsigned char c) { return c >= 0x20 && c <= 0x7E; });
}

bool IsWholeMidiFile(const Bytes& data) {
  if (!HasTag(data, 0, "MThd") || data.size() < ChunkHeader + MidiHeaderLength) return false;
  const std::uint32_t headerLength = BigEndian(data, 4, 4);
  const std::uint32_t format = BigEndian(data, 8, 2);
  const std::uint32_t tracks = BigEndian(data, 10, 2);
  if (headerLength < MidiHeaderLength || format > 2 || tracks == 0) return false;
  std::size_t at = ChunkHeader + headerLength;
  std::uint32_t found = 0;
  while (at < data.size()) {
    if (data.size() - at < ChunkHeader || !HasChunkType(data, at)) return false;
    const std::size_t length = BigEndian(data, at + 4, 4);
    if (length > data.size() - at - ChunkHeader) return false;
    if (HasTag(data, at, "MTrk")) {
      if (!IsWholeTrack(data, at + ChunkHeader, at + ChunkHeader + length)) return false;
      ++found;
    }
    at += ChunkHeader + length;
  }
  return found >= tracks;
}

bool IsWaveFile(const Bytes& data) { return HasTag(data, 0, "RIFF") && HasTag(data, 8, "WAVE"); }

std::filesystem::path FirstExistingFile(const std::vector<std::filesystem::path>& candidates) {
  for (const auto& candidate : candidates) {
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return candidate;
  }
  return {};
}

}  // namespace quorvan
