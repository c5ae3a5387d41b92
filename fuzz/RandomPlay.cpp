#include "fuzz/RandomPlay.h"

#include <array>
#include <cstdio>
#include <random>
#include <string_view>
#include <vector>

namespace quorvan::fuzz {
namespace {

// Draws from the raw 64-bit engine only: the standard distributions may
// differ between libraries, and a seed must replay everywhere.
class Draw {
 public:
  explicit Draw(std::uint64_t seed) : engine_(seed) {}
  int Below(int n) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(n)); }
  int Between(int low, int high) { return low + Below(high - low + 1); }
  bool Chance(int percent) { return Below(100) < percent; }
  double Unit() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
  template <typename T, std::size_t N>
  const T& Pick(const std::array<T, N>& from) {
    return from[static_cast<std::size_t>(Below(static_cast<int>(N)))];
  }

 private:
  std::mt19937_64 engine_;
};

// Codes beyond a byte and below zero reach the window as well.
constexpr std::array<int, 7> OddKeyCodes = {-1, 256, 300, 1000, 65535, 2147483647, -2147483647};

constexpr std::array<int, 2> WingNumberKeys = {145, 126};
constexpr std::array<int, 3> EnemyCountKeys = {93, 144, 125};
constexpr std::array<std::string_view, 5> Windows = {"Form1", "Form3", "Form4", "Form5",
                                                     "Demoform"};

// Entries that are not numbers the game expects. No '#' (a comment) and no
// line end: a scenario line cannot hold them.
std::string GarbageEntry(Draw& draw) {
  static constexpr std::array<std::string_view, 20> fixed = {
      "",       "   ",    "-1",   "11",    "99999999999999999999",
      "-99999", "1e400",  "nan",  "inf",   "0x10",
      "３",     "１２３", "+3",   " 7 ",   "3.5",
      "1e2",    "-0",     "5abc", "\t4\t", "--5",
  };
  switch (draw.Below(5)) {
    case 0:
      return std::string(10000, '9');
    case 1: {  // 10,000 printable characters
      std::string text;
      for (int i = 0; i < 10000; ++i) text += static_cast<char>(draw.Between(0x24, 0x7e));
      return text;
    }
    case 2:
      return "\x01\x02\x1b[7m\x7f 4";
    case 3:
      return "\xff\xfe\xc3\x28 \xe2\x82";
    default:
      return std::string(draw.Pick(fixed));
  }
}

class Writer {
 public:
  explicit Writer(std::uint64_t seed) : draw_(seed) {}
  std::string Write();

 private:
  void At(int frame, const std::string& input) {
    lines_.push_back("at " + std::to_string(frame) + " " + input);
  }
  void Key(int frame, bool down, int code, int shift) {
    At(frame, std::string("key ") + (down ? "down " : "up ") + std::to_string(code) + " " +
                  std::to_string(shift));
  }
  void Move(int frame);
  void Fire(int frame);
  void AnyKey(int frame);
  void WingNumberEntry(int frame);
  void EnemyCountEntry(int frame);
  void ForcedDraws(int frame);
  void Close(int frame);

  Draw draw_;
  std::vector<std::string> lines_;
  std::vector<std::string> entries_;
  int held_ = 0;  // the arrow held down, 0 none
};

void Writer::Move(int frame) {
  const int arrow = draw_.Chance(50) ? 37 : 39;
  if (held_ && held_ != arrow) Key(frame, false, held_, 0);
  Key(frame, true, arrow, draw_.Chance(90) ? 0 : draw_.Between(1, 7));
  held_ = arrow;
}

void Writer::Fire(int frame) {
  const bool space = draw_.Chance(60);
  Key(frame, true, space ? 32 : 17, space ? 0 : 2);
  if (draw_.Chance(30)) Key(frame + draw_.Between(0, 3), false, space ? 32 : 17, 0);
}

void Writer::AnyKey(int frame) {
  int code = draw_.Chance(85) ? draw_.Below(256) : draw_.Pick(OddKeyCodes);
  // The pause keys (Pause 19, P 80) hold the frames, and the inputs still to
  // come wait for frames, so random play steps past them.
  if (code == 19 || code == 80) code += 1;
  Key(frame, draw_.Chance(70), code, draw_.Chance(50) ? 0 : draw_.Between(1, 7));
}

void Writer::WingNumberEntry(int frame) {
  Key(frame, true, draw_.Pick(WingNumberKeys), 0);
  const int roll = draw_.Below(100);
  if (roll < 75) {
    entries_.push_back(std::to_string(draw_.Below(11)));
  } else if (roll < 90) {
    entries_.push_back(GarbageEntry(draw_));  // asked again: the next entry answers
    entries_.push_back(std::to_string(draw_.Below(11)));
  } else {
    entries_.push_back("");  // cancelled
  }
}

// Mostly a few enemies left, so that stages clear and runs reach the late ones.
void Writer::EnemyCountEntry(int frame) {
  Key(frame, true, draw_.Pick(EnemyCountKeys), 0);
  const int roll = draw_.Below(100);
  if (roll < 70) {
    entries_.push_back(std::to_string(draw_.Between(0, 8)));
  } else if (roll < 80) {
    entries_.push_back(std::to_string(draw_.Between(-40000, 40000)));
  } else if (roll < 90) {
    entries_.push_back(GarbageEntry(draw_));
  } else {
    entries_.push_back("");
  }
}

// Values small enough to pass every spawn test and put things at the edges.
void Writer::ForcedDraws(int frame) {
  std::string line = "rnd";
  const int count = draw_.Between(4, 16);
  for (int i = 0; i < count; ++i) {
    const double v = draw_.Chance(50) ? draw_.Unit() * 0.01 : draw_.Unit();
    char text[32];
    std::snprintf(text, sizeof text, " %.17g", v);
    line += text;
  }
  At(frame, line);
}

void Writer::Close(int frame) {
  const std::string window(draw_.Pick(Windows));
  if (draw_.Chance(50)) {
    At(frame, "close " + window);
  } else {
    lines_.push_back("at " + std::to_string(draw_.Below(frame * 200 + 6000)) + "ms close " +
                     window);
  }
}

std::string Writer::Write() {
  const int frames = draw_.Between(200, 4000);
  lines_.push_back("seed " + std::to_string(draw_.Between(1, 1 << 30)));
  lines_.push_back(draw_.Chance(50) ? "edition 1" : "edition 2");
  static constexpr std::array<int, 5> okDelays = {0, 1, 300, 1000, 2500};
  lines_.push_back("ok " + std::to_string(draw_.Pick(okDelays)));
  lines_.push_back("stop frames " + std::to_string(frames));
  static constexpr std::array<int, 8> gaps = {1, 1, 1, 2, 3, 5, 8, 13};
  const bool closes = draw_.Chance(10);
  for (int frame = 1; frame < frames; frame += draw_.Pick(gaps)) {
    const int roll = draw_.Below(1000);
    if (roll < 250) {
      Move(frame);
    } else if (roll < 330) {
      if (held_) Key(frame, false, held_, 0);
      held_ = 0;
    } else if (roll < 560) {
      Fire(frame);
    } else if (roll < 640) {
      At(frame, "click " + std::to_string(draw_.Below(8)));
    } else if (roll < 680) {
      At(frame, "mouse " + std::to_string(draw_.Pick(std::array<int, 3>{1, 2, 4})) + " " +
                    std::to_string(draw_.Below(8)));
    } else if (roll < 800) {
      AnyKey(frame);
    } else if (roll < 850) {
      WingNumberEntry(frame);
    } else if (roll < 890) {
      EnemyCountEntry(frame);
    } else if (roll < 960) {
      ForcedDraws(frame);
    } else if (roll < 962 && closes) {
      Close(frame);
    }
  }
  std::string text;
  for (const auto& line : lines_) text += line + "\n";
  for (const auto& entry : entries_) text += entry.empty() ? "entry\n" : "entry " + entry + "\n";
  return text;
}

}  // namespace

std::string RandomPlay(std::uint64_t seed) { return Writer(seed).Write(); }

}  // namespace quorvan::fuzz
