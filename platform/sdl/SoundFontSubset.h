// A soundfont cut down to the presets a piece can reach. FluidSynth keeps
// every zone of every preset of a font it loads, some six megabytes for a
// General MIDI font, while a piece of ours plays four or five instruments.
#pragma once

#include <bitset>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "platform/sdl/SoundFiles.h"

namespace quorvan {

constexpr int kMidiPrograms = 128;
using Programs = std::bitset<kMidiPrograms>;

// The programs a Standard MIDI File can reach: those it changes to, and
// program 0, where every channel starts and where a missing preset falls
// back. A piece whose events cannot be followed reaches them all.
Programs ProgramsOfPiece(const Bytes& piece);

// The font as FluidSynth reads it: the file's own bytes up to the end of its
// sample data, then a preset chunk of its own. The samples stay in the file.
struct SoundFontSubset {
  std::filesystem::path file;
  Bytes head;                     // the file's start, the total size mended
  std::uint64_t samplesAt = 0;    // where the rest of the sample data stands
  std::uint64_t samplesSize = 0;  // in the file, and how long it is
  Bytes presets;                  // the cut-down preset chunk

  std::uint64_t Size() const { return head.size() + samplesSize + presets.size(); }
};

// Every preset of `programs`, in all its banks, with the instruments they
// use; all sample headers are kept, so that no sample is renumbered. Nothing
// when the file is not a soundfont this can follow: it is then loaded whole.
std::optional<SoundFontSubset> SubsetSoundFont(const std::filesystem::path& file,
                                               const Programs& programs);

}  // namespace quorvan
