#include "sound/Music.h"

#include <filesystem>
#include <system_error>

#include "sound/FileLookup.h"
#include "sound/SoundDevice.h"
#include "sound/SoundListener.h"

namespace quorvan {
namespace {

// A piece found nowhere is named in the current directory, where the game
// looks first.
std::filesystem::path FullPath(const std::string& file) {
  std::error_code error;
  auto path = FindGameFile(file);
  if (path.empty()) path = std::filesystem::current_path(error) / file;
  if (const auto full = std::filesystem::absolute(path, error); !error) path = full;
  return path;
}

// Each step is told in the sequencer's own command text; the quotes keep a
// path with blanks in one piece.
void Tell(const std::string& command) {
  if (SoundListener* listener = InstalledSoundListener()) listener->MusicCommandSent(command);
}

}  // namespace

void PlayMusic(const std::string& file) {
  const std::filesystem::path path = FullPath(file);
  StopMusic();
  Tell("open \"" + path.string() + "\" type sequencer alias Midi");
  Tell("play Midi");
  Sound().PlayPiece(path);
}

void StopMusic() {
  Tell("close Midi");
  Sound().StopPiece();
}

}  // namespace quorvan
