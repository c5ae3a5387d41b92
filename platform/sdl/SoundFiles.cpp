#include "platform/sdl/SoundFiles.h"

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

bool IsWholeMidiFile(const Bytes& data) {
  if (!HasTag(data, 0, "MThd") || data.size() < ChunkHeader + MidiHeaderLength) return false;
  const std::uint32_t headerLength = BigEndian(data, 4, 4);
  const std::uint32_t format = BigEndian(data, 8, 2);
  const std::uint32_t tracks = BigEndian(data, 10, 2);
  if (headerLength < MidiHeaderLength || format > 2 || tracks == 0) return false;
  std::size_t at = ChunkHeader + headerLength;
  std::uint32_t found = 0;
  while (at < data.size()) {
    if (data.size() - at < ChunkHeader) return false;
    const std::size_t length = BigEndian(data, at + 4, 4);
    if (length > data.size() - at - ChunkHeader) return false;
    if (HasTag(data, at, "MTrk")) ++found;
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
