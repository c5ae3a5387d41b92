// What a frame leaves behind, as the trace and the real game's frame log
// write it: every variable of the game state, the status panel's labels and
// the playfield's sprites.
#pragma once

#include <string>

#include "record/TraceWriter.h"

namespace quorvan {

void AppendFrameState(JsonObject& line);
std::string SpritesJson();  // {"Image1": {"left", "top", "visible", "picture"}, ...}

}  // namespace quorvan
