// Reading the sound files the player is handed, which may be damaged.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quorvan {

using Bytes = std::vector<unsigned char>;

// The whole file, or nothing when it cannot be read or is over `limit` bytes.
Bytes ReadSmallFile(const std::filesystem::path& path, std::size_t limit);

// A Standard MIDI File whose header is sane, whose chunks all lie inside the
// file, and whose tracks each hold whole events up to their end-of-track
// event. The synthesizer is not trusted with anything less.
bool IsWholeMidiFile(const Bytes& data);

// A RIFF file of the WAVE kind; everything else is left to SDL's reader.
bool IsWaveFile(const Bytes& data);

// The first of `candidates` that is an existing file (links followed).
std::filesystem::path FirstExistingFile(const std::vector<std::filesystem::path>& candidates);

}  // namespace quorvan
