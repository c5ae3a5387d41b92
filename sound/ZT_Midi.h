// Music: one piece at a time on the sequencer alias "Midi".
#pragma once

#include <string>

namespace quorvan {

// Closes whatever plays and plays `file` once; the piece stays open, silent
// after its end, until the next PlayMidi or StopMidi. A file found nowhere
// is simply not heard.
void PlayMidi(const std::string& file);

// Closes the piece; harmless when nothing is open.
void StopMidi();

}  // namespace quorvan
