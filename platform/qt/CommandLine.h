#pragma once
// The game's command line: read before any window opens, so --help and
// --version need no display.
#include <string>

namespace quorvan {

struct CommandLine {
  enum class Action { Play, Help, Version, Refuse };
  Action action = Action::Play;
  std::string refusal;      // the one line saying what was wrong, when refused
  std::string recordFile;   // --record: where the game is written as it is played
  std::string replayFile;   // --replay: the recording played back
  int scale = 0;            // --scale N: the whole-number zoom; 0 lets the game choose
  bool fullscreen = false;  // --fullscreen: start so
};

CommandLine ParseCommandLine(int argc, const char* const* argv);

// Usage, options and keys: one screen.
const char* UsageText();

}  // namespace quorvan
