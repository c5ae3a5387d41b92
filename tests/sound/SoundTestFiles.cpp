#include "tests/sound/SoundTestFiles.h"

#include <cmath>
#include <fstream>
#include <numbers>
#include <random>

namespace quorvan::soundtest {
namespace {

constexpr int WavRate = 22050;
constexpr int TicksPerBeat = 480;
constexpr double SecondsPerBeat = 0.5;  // 120 bpm, the default tempo

void Put(std::vector<unsigned char>& out, std::uint32_t value, int bytes, bool big_endian) {
  for (int i = 0; i < bytes; ++i) {
    const int shift = big_endian ? 8 * (bytes - 1 - i) : 8 * i;
    out.push_back(static_cast<unsigned char>((value >> shift) & 0xFF));
  }
}

void PutTag(std::vector<unsigned char>& out, const char* tag) {
  out.insert(out.end(), tag, tag + 4);
}

}  // namespace

ScratchFolder::ScratchFolder(const std::string& name) {
  std::random_device seed;
  path_ =
      std::filesystem::temp_directory_path() / ("quorvan-" + name + "-" + std::to_string(seed()));
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

InFolder::InFolder(const std::filesystem::path& folder)
    : previous_(std::filesystem::current_path()) {
  std::filesystem::current_path(folder);
}

InFolder::~InFolder() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
}

std::vector<unsigned char> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

void WriteToneWav(const std::filesystem::path& path, double seconds, double frequency) {
  const auto frames = static_cast<std::uint32_t>(seconds * WavRate);
  std::vector<unsigned char> out;
  PutTag(out, "RIFF");
  Put(out, 36 + frames * 2, 4, false);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put(out, 16, 4, false);
  Put(out, 1, 2, false);  // PCM
  Put(out, 1, 2, false);  // mono
  Put(out, WavRate, 4, false);
  Put(out, WavRate * 2, 4, false);
  Put(out, 2, 2, false);
  Put(out, 16, 2, false);
  PutTag(out, "data");
  Put(out, frames * 2, 4, false);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double value = 20000.0 * std::sin(2.0 * std::numbers::pi * frequency * i / WavRate);
    Put(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(value)), 2, false);
  }
  WriteBytes(path, out);
}

void WriteOneNoteMidi(const std::filesystem::path& path, double seconds, int note, int program,
                      int channel) {
  const auto ticks = static_cast<std::uint32_t>(seconds / SecondsPerBeat * TicksPerBeat);
  const auto key = static_cast<unsigned char>(note);
  const auto on = static_cast<unsigned char>(0x90 | channel);
  std::vector<unsigned char> track = {0x00,
                                      static_cast<unsigned char>(0xC0 | channel),
                                      static_cast<unsigned char>(program),
                                      0x00,
                                      on,
                                      key,
                                      110};
  // The length as a variable-length quantity (it stays below 2^21 here).
  if (ticks >= 0x4000) track.push_back(static_cast<unsigned char>(0x80 | (ticks >> 14)));
  if (ticks >= 0x80) track.push_back(static_cast<unsigned char>(0x80 | ((ticks >> 7) & 0x7F)));
  track.push_back(static_cast<unsigned char>(ticks & 0x7F));
  track.insert(track.end(),
               {static_cast<unsigned char>(0x80 | channel), key, 64, 0x00, 0xFF, 0x2F, 0x00});
  std::vector<unsigned char> out;
  PutTag(out, "MThd");
  Put(out, 6, 4, true);
  Put(out, 0, 2, true);
  Put(out, 1, 2, true);
  Put(out, TicksPerBeat, 2, true);
  PutTag(out, "MTrk");
  Put(out, static_cast<std::uint32_t>(track.size()), 4, true);
  out.insert(out.end(), track.begin(), track.end());
  WriteBytes(path, out);
}

}  // namespace quorvan::soundtest
