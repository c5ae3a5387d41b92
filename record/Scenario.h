// A simulation scenario: what the player does, and when.
//
// One directive a line, '#' starts a comment:
//   seed N                     the random generator's seed
//   rnd V V ... [...]          values Rnd returns next; a trailing "..." repeats the last
//   edition 1|2                chosen on the setup window, confirmed at once; given
//                              again, for the next game (the last one stays)
//   ok MS                      "O K" of the message window pressed MS ms after it
//                              shows; given again, for the next message (the last stays)
//   entry [TEXT]               answers the next text entry; bare: cancels it
//   at F DIRECTIVE             an input in the wait before frame F (frames from 1)
//   at F wait K DIRECTIVE      an input in the K-th wait of frame F (from 1)
//   at F [wait K] step P DIRECTIVE   ... in the P-th drawing step after it
//   at Tms DIRECTIVE           an input at virtual time T
//   stop frames N | games N | setup N
//                              the run ends after frame N, after the N-th game
//                              over, or by closing the N-th setup window
// Inputs after "at": key down|up CODE [SHIFT], click ENEMY, mouse BUTTON SHIFT,
// close WINDOW, rnd V ...
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvan {

struct RandomValues {
  std::vector<double> values;
  bool repeatLast = false;
  bool operator==(const RandomValues&) const = default;
};

struct ScenarioInput {
  enum class Kind { KeyDown, KeyUp, Click, Mouse, Close, Rnd };
  Kind kind = Kind::KeyDown;
  int code = 0;  // key code, enemy slot or mouse button
  int shift = 0;
  std::string window;
  RandomValues rnd;
  bool operator==(const ScenarioInput&) const = default;
};

struct TimedInput {
  bool atFrame = true;    // else at a virtual time
  std::int64_t when = 0;  // frame number or ms
  int wait = 0;           // with atFrame: 0 the frame wait, K the K-th wait of the frame
  int step = 0;           // with atFrame: the P-th drawing step after that wait
  ScenarioInput input;
  bool operator==(const TimedInput&) const = default;
};

struct Scenario {
  enum class Stop { AfterFrames, AfterGames, AtSetupWindow };

  std::uint64_t seed = 1;
  RandomValues rnd;
  std::vector<int> editions;  // one a game in turn; the last stays; none: 1
  std::vector<int> okMs;      // one a message in turn; the last stays; none: 1000
  std::vector<std::optional<std::string>> entries;  // nullopt cancels
  std::vector<TimedInput> inputs;
  Stop stop = Stop::AfterGames;
  std::int64_t stopCount = 1;  // frames, games or setup windows

  int EditionOfGame(std::int64_t game) const;     // games from 1
  int OkMsOfMessage(std::int64_t message) const;  // messages from 1
  bool operator==(const Scenario&) const = default;
};

class ScenarioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws ScenarioError naming the line at fault, in one line of text.
Scenario ParseScenario(std::istream& in);

// One timed input as a scenario line reads it ("at 3 wait 1 key down 32 0").
std::string TimedInputText(const TimedInput& timed);

// The scenario in the words a recording uses ("seed 7", "at 3 key down 32 0",
// "entry 12"): the text reads back as the same scenario.
std::string ScenarioText(const Scenario& scenario);

}  // namespace quorvan
