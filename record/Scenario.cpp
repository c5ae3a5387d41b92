#include "record/Scenario.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <locale>
#include <map>
#include <sstream>
#include <type_traits>

#include "game/GameState.h"
#include "record/Quoted.h"

namespace quorvan {
namespace {

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// A word of the file as an error message shows it.
std::string Quoted(const std::string& word) { return QuotedOnOneLine(word, '"', 40); }

// A decimal number as from_chars reads one: an optional minus, digits with an
// optional point, an optional exponent, and nothing else; read in the classic
// locale whatever the player's is. Whether it is written so is checked first,
// as streams take more (a plus sign, hexadecimal).
bool ReadDecimal(const std::string& word, double& value) {
  std::size_t i = word.starts_with('-') ? 1 : 0;
  const auto digitsFrom = [&] {
    const std::size_t from = i;
    while (i < word.size() && word[i] >= '0' && word[i] <= '9') ++i;
    return i - from;
  };
  std::size_t mantissa = digitsFrom();
  if (i < word.size() && word[i] == '.') {
    ++i;
    mantissa += digitsFrom();
  }
  if (mantissa == 0) return false;
  if (i < word.size() && (word[i] == 'e' || word[i] == 'E')) {
    ++i;
    if (i < word.size() && (word[i] == '+' || word[i] == '-')) ++i;
    if (digitsFrom() == 0) return false;
  }
  if (i != word.size()) return false;
  std::istringstream in(word);
  in.imbue(std::locale::classic());
  in >> value;
  if (in.fail() || !std::isfinite(value)) return false;
  // Too small to hold is out of range, as too large is.
  const bool zeroWritten = word.find_first_of("123456789") >= word.find_first_of("eE");
  return value != 0 || zeroWritten;
}

template <typename T>
T Number(const std::string& word, const char* what) {
  T value{};
  bool read = false;
  if constexpr (std::is_floating_point_v<T>) {
    read = ReadDecimal(word, value);
  } else {
    const auto* end = word.data() + word.size();
    const auto result = std::from_chars(word.data(), end, value);
    read = result.ec == std::errc() && result.ptr == end;
  }
  if (!read) throw ScenarioError(std::string("expected ") + what + ", found " + Quoted(word));
  return value;
}

// Key codes are numbers; a few names are accepted for readability.
int KeyCode(const std::string& word) {
  static const std::map<std::string, int> names = {
      {"left", 37}, {"right", 39}, {"space", 32}, {"ctrl", 17}, {"shift", 16}, {"pause", 19},
  };
  if (auto it = names.find(word); it != names.end()) return it->second;
  return Number<int>(word, "a key code");
}

RandomValues ParseRandom(const std::vector<std::string>& w, std::size_t from) {
  RandomValues rnd;
  for (std::size_t i = from; i < w.size(); ++i) {
    if (w[i] == "..." && i + 1 == w.size() && !rnd.values.empty()) {
      rnd.repeatLast = true;
      break;
    }
    const double v = Number<double>(w[i], "a number in [0, 1)");
    if (!(v >= 0 && v < 1)) throw ScenarioError("random value out of [0, 1): " + Quoted(w[i]));
    rnd.values.push_back(v);
  }
  if (rnd.values.empty()) throw ScenarioError("rnd needs at least one value");
  return rnd;
}

void Expect(bool ok, const char* message) {
  if (!ok) throw ScenarioError(message);
}

ScenarioInput ParseInput(const std::vector<std::string>& w, std::size_t i) {
  Expect(i < w.size(), "an input is missing after 'at'");
  ScenarioInput input;
  const std::string& verb = w[i];
  const std::size_t args = w.size() - i - 1;
  if (verb == "key") {
    Expect(args == 2 || args == 3, "usage: key down|up CODE [SHIFT]");
    Expect(w[i + 1] == "down" || w[i + 1] == "up", "usage: key down|up CODE [SHIFT]");
    input.kind = w[i + 1] == "down" ? ScenarioInput::Kind::KeyDown : ScenarioInput::Kind::KeyUp;
    input.code = KeyCode(w[i + 2]);
    if (args == 3) input.shift = Number<int>(w[i + 3], "a shift state");
  } else if (verb == "click") {
    Expect(args == 1, "usage: click ENEMY");
    input.kind = ScenarioInput::Kind::Click;
    input.code = Number<int>(w[i + 1], "an enemy slot 0..7");
    Expect(input.code >= 0 && input.code < EnemyCount, "an enemy slot is 0..7");
  } else if (verb == "mouse") {
    Expect(args == 2, "usage: mouse BUTTON SHIFT");
    input.kind = ScenarioInput::Kind::Mouse;
    input.code = Number<int>(w[i + 1], "a mouse button");
    input.shift = Number<int>(w[i + 2], "a shift state");
  } else if (verb == "close") {
    Expect(args == 1, "usage: close WINDOW");
    input.kind = ScenarioInput::Kind::Close;
    input.window = w[i + 1];
  } else if (verb == "rnd") {
    input.kind = ScenarioInput::Kind::Rnd;
    input.rnd = ParseRandom(w, i + 1);
  } else {
    throw ScenarioError("unknown input " + Quoted(verb));
  }
  return input;
}

void ParseLine(const std::string& line, Scenario& s) {
  const auto w = Words(line);
  if (w.empty()) return;
  const std::string& verb = w[0];
  if (verb == "seed") {
    Expect(w.size() == 2, "usage: seed N");
    s.seed = Number<std::uint64_t>(w[1], "a seed");
  } else if (verb == "rnd") {
    s.rnd = ParseRandom(w, 1);
  } else if (verb == "edition") {
    Expect(w.size() == 2 && (w[1] == "1" || w[1] == "2"), "usage: edition 1|2");
    s.editions.push_back(w[1] == "1" ? 1 : 2);
  } else if (verb == "ok") {
    Expect(w.size() == 2, "usage: ok MS");
    s.okMs.push_back(Number<int>(w[1], "milliseconds"));
    Expect(s.okMs.back() >= 0, "ok needs a delay of 0 ms or more");
  } else if (verb == "entry") {
    // The text is the rest of the line as written, blanks and all.
    const auto start = line.find("entry") + 5;
    if (w.size() == 1) {
      s.entries.emplace_back(std::nullopt);
    } else {
      s.entries.emplace_back(line.substr(start + 1));
    }
  } else if (verb == "at") {
    Expect(w.size() >= 3, "usage: at F|Tms DIRECTIVE");
    TimedInput timed;
    std::string when = w[1];
    if (when.size() > 2 && when.ends_with("ms")) {
      timed.atFrame = false;
      when.resize(when.size() - 2);
    }
    timed.when = Number<std::int64_t>(when, "a frame number or a time in ms");
    Expect(timed.when >= (timed.atFrame ? 1 : 0), "frames count from 1, times from 0 ms");
    std::size_t input = 2;
    if (timed.atFrame && w[input] == "wait") {
      Expect(w.size() >= input + 3, "usage: at F wait K DIRECTIVE");
      timed.wait = Number<int>(w[input + 1], "a wait number");
      Expect(timed.wait >= 1, "waits count from 1");
      input += 2;
    }
    if (timed.atFrame && w[input] == "step") {
      Expect(w.size() >= input + 3, "usage: at F [wait K] step P DIRECTIVE");
      timed.step = Number<int>(w[input + 1], "a step number");
      Expect(timed.step >= 1, "steps count from 1");
      input += 2;
    }
    timed.input = ParseInput(w, input);
    s.inputs.push_back(std::move(timed));
  } else if (verb == "stop") {
    Expect(w.size() == 3 && (w[1] == "frames" || w[1] == "games" || w[1] == "setup"),
           "usage: stop frames|games|setup N");
    s.stop = w[1] == "frames"  ? Scenario::Stop::AfterFrames
             : w[1] == "games" ? Scenario::Stop::AfterGames
                               : Scenario::Stop::AtSetupWindow;
    s.stopCount = Number<std::int64_t>(w[2], "a count");
    Expect(s.stopCount >= 1, "stop needs a count of 1 or more");
  } else {
    throw ScenarioError("unknown directive " + Quoted(verb));
  }
}

// The n-th of a list given line by line, the last one staying for the rest.
int NthOrLast(const std::vector<int>& list, std::int64_t n, int none) {
  if (list.empty()) return none;
  const auto i = static_cast<std::size_t>(std::clamp<std::int64_t>(n, 1, std::ssize(list)) - 1);
  return list[i];
}

std::string RandomText(const RandomValues& rnd) {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out.precision(std::numeric_limits<double>::max_digits10);
  for (const double v : rnd.values) out << ' ' << v;
  if (rnd.repeatLast) out << " ...";
  return out.str();
}

std::string InputText(const ScenarioInput& input) {
  using Kind = ScenarioInput::Kind;
  const std::string code = std::to_string(input.code);
  const std::string shift = std::to_string(input.shift);
  switch (input.kind) {
    case Kind::KeyDown:
      return "key down " + code + " " + shift;
    case Kind::KeyUp:
      return "key up " + code + " " + shift;
    case Kind::Click:
      return "click " + code;
    case Kind::Mouse:
      return "mouse " + code + " " + shift;
    case Kind::Close:
      return "close " + input.window;
    case Kind::Rnd:
      return "rnd" + RandomText(input.rnd);
  }
  return "";
}

std::string MomentText(const TimedInput& timed) {
  std::string text = "at " + std::to_string(timed.when);
  if (!timed.atFrame) return text + "ms ";
  if (timed.wait > 0) text += " wait " + std::to_string(timed.wait);
  if (timed.step > 0) text += " step " + std::to_string(timed.step);
  return text + " ";
}

}  // namespace

std::string TimedInputText(const TimedInput& timed) {
  return MomentText(timed) + InputText(timed.input);
}

std::string ScenarioText(const Scenario& s) {
  std::string text = "seed " + std::to_string(s.seed) + "\n";
  if (!s.rnd.values.empty()) text += "rnd" + RandomText(s.rnd) + "\n";
  for (const int edition : s.editions) text += "edition " + std::to_string(edition) + "\n";
  for (const int ms : s.okMs) text += "ok " + std::to_string(ms) + "\n";
  for (const auto& entry : s.entries) text += entry ? "entry " + *entry + "\n" : "entry\n";
  for (const auto& timed : s.inputs) text += TimedInputText(timed) + "\n";
  static constexpr const char* stops[] = {"frames", "games", "setup"};
  return text + "stop " + stops[static_cast<int>(s.stop)] + " " + std::to_string(s.stopCount) +
         "\n";
}

int Scenario::EditionOfGame(std::int64_t game) const { return NthOrLast(editions, game, 1); }

int Scenario::OkMsOfMessage(std::int64_t message) const { return NthOrLast(okMs, message, 1000); }

Scenario ParseScenario(std::istream& in) {
  Scenario s;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (const auto hash = line.find('#'); hash != std::string::npos) line.resize(hash);
    try {
      ParseLine(line, s);
    } catch (const ScenarioError& e) {
      throw ScenarioError("line " + std::to_string(number) + ": " + e.what());
    }
  }
  return s;
}

}  // namespace quorvan
