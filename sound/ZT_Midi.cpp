#include "sound/ZT_Midi.h"

#include <filesystem>
#include <system_error>

#include "sound/FileLookup.h"
#include "sound/SoundDevice.h"

namespace quorvan {
namespace {

// The device reads the path back out of the command, so blanks in it must
// stay inside the quotes.
std::string QuotedFullPath(const std::string& file) {
  std::error_code error;
  auto path = FindGameFile(file);
  if (path.empty()) path = std::filesystem::current_path(error) / file;
  if (const auto full = std::filesystem::absolute(path, error); !error) path = full;
  std::string quoted(1, '"');
  quoted += path.string();
  quoted += '"';
  return quoted;
}

}  // namespace

void PlayMidi(const std::string& file) {
  const std::string quoted = QuotedFullPath(file);
  StopMidi();
  std::string open = "open ";
  open += quoted;
  open += " type sequencer alias Midi";
  Sound().SendMidiCommand(open);
  Sound().SendMidiCommand("play Midi");
}

void StopMidi() { Sound().SendMidiCommand("close Midi"); }

}  // namespace quorvan
