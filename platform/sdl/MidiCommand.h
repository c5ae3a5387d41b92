// The three sequencer command texts the music module sends (see
// sound/SoundDevice.h), read back into what to do.
#pragma once

#include <string>

namespace quorvan {

struct MidiCommand {
  enum class Kind { Ignored, Open, Play, Close };
  Kind kind = Kind::Ignored;
  std::string path;  // Open only.
};

// Keywords are matched with letter case ignored, like the sequencer the
// texts come from; anything else (another alias, a typo) is Ignored.
MidiCommand ParseMidiCommand(const std::string& text);

}  // namespace quorvan
