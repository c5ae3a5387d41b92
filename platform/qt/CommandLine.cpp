#include "platform/qt/CommandLine.h"

#include <string_view>

#include "record/Quoted.h"

namespace quorvan {
namespace {

// An argument as a refusal shows it, on the refusal's one line.
std::string Quoted(std::string_view arg) { return QuotedOnOneLine(arg, '\'', 60); }

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
  CommandLine line;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      line.action = CommandLine::Action::Help;
    } else if (arg == "--version") {
      line.action = CommandLine::Action::Version;
    } else if (arg == "--record" || arg == "--replay") {
      if (i + 1 == argc) {
        line.action = CommandLine::Action::Refuse;
        line.refusal = std::string(arg);
        line.refusal += " needs a file name";
        return line;
      }
      (arg == "--record" ? line.recordFile : line.replayFile) = argv[++i];
    } else if (arg == "--fullscreen") {
      line.fullscreen = true;
    } else if (arg == "--scale") {
      const std::string_view n = i + 1 < argc ? argv[++i] : "";
      if (n.size() != 1 || n[0] < '1' || n[0] > '8') {
        line.action = CommandLine::Action::Refuse;
        line.refusal = "--scale takes a whole number from 1 to 8, not " + Quoted(n);
        return line;
      }
      line.scale = n[0] - '0';
    } else {
      line.action = CommandLine::Action::Refuse;
      line.refusal =
          (arg.starts_with('-') ? "unknown option " : "unexpected argument ") + Quoted(arg);
      return line;
    }
  }
  if (!line.recordFile.empty() && !line.replayFile.empty() &&
      line.action == CommandLine::Action::Play) {
    line.action = CommandLine::Action::Refuse;
    line.refusal = "--record and --replay cannot go together";
  }
  return line;
}

const char* UsageText() {
  return "Usage: quorvan [OPTION]...\n"
         "A small arcade shooter: move along the bottom of the playfield, shoot the\n"
         "eight wandering enemies, catch Wing items and clear seven stages.\n"
         "\n"
         "Options:\n"
         "  -h, --help     show this help and exit\n"
         "      --version  show the version and exit\n"
         "      --record FILE  write the game to FILE as it is played: attach the\n"
         "                     recording to a bug report\n"
         "      --replay FILE  play a recording back in the windows; keys and clicks\n"
         "                     are the recording's, closing a window still works\n"
         "      --scale N      draw the windows N times as large (1 to 8, else it fits)\n"
         "      --fullscreen   start in fullscreen\n"
         "\n"
         "Keys; a gamepad's buttons:\n"
         "  Left, Right; D-pad, left stick     move\n"
         "  Space, Ctrl; A, X                  fire\n"
         "  P, Pause; Start                    pause the stage, and go on again\n"
         "  Return; A, Start                   press the setup or message window's button\n"
         "  click on an enemy                  with the Slant Wing, steer the shot to it\n"
         "  Shift, Ctrl or Alt + right click   turn the playfield black again\n"
         "  Shift, Ctrl or Alt in the demo     silence its jingle\n"
         "  F11, Alt+Enter                     fullscreen, and back to the windows\n"
         "Close the status panel or the setup window to quit; more in man 6 quorvan.\n";
}

}  // namespace quorvan
