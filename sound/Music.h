// Music: one piece at a time, the next cutting the one before.
#pragma once

#include <string>

namespace quorvan {

// Stops whatever plays and plays `file` once; after its end it stays silent
// until the next PlayMusic or StopMusic. A file found nowhere is simply not
// heard.
void PlayMusic(const std::string& file);

// Stops the piece; harmless when nothing plays.
void StopMusic();

}  // namespace quorvan
