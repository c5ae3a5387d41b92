// Where the game finds its music and sound files.
//
// A file is looked up by name in the current working directory with letter
// case ignored ("Bang1.Wav" finds "bang1.WAV"); when the directory does not
// have it, in the game's own assets folder. A file in the current directory
// always wins.
#pragma once

#include <filesystem>
#include <string>

namespace quorvan {

// The folder that holds the game's own artwork, music and sounds.
const std::filesystem::path& AssetFolder();
void SetAssetFolder(std::filesystem::path folder);

// The file to open for `name`, or an empty path when there is none.
std::filesystem::path FindGameFile(const std::string& name);

// `name` looked up in `folder` with letter case ignored; empty when absent.
std::filesystem::path FindIgnoringCase(const std::filesystem::path& folder,
                                       const std::string& name);

}  // namespace quorvan
