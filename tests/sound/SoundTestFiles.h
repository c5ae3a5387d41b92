// Scratch folders and small sound files made on the spot for the sound tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quorvan::soundtest {

// A fresh folder under the system temp folder, removed with everything in it.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Makes `folder` the current directory until destroyed.
class InFolder {
 public:
  explicit InFolder(const std::filesystem::path& folder);
  ~InFolder();
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  std::filesystem::path previous_;
};

std::vector<unsigned char> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes);

// 16-bit mono PCM: a loud sine tone, or zeros when `frequency` is 0.
void WriteToneWav(const std::filesystem::path& path, double seconds, double frequency);

// A one-track MIDI file: a single note lasting `seconds` at 120 bpm, middle C
// on the piano unless told otherwise.
void WriteOneNoteMidi(const std::filesystem::path& path, double seconds, int note = 60,
                      int program = 0, int channel = 0);

}  // namespace quorvan::soundtest
