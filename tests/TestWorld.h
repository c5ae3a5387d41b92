// What the tests stand on: a headless world for procedures, and scenario
// runs of the simulator whose trace is read back.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "game/GameObserver.h"
#include "game/GameState.h"
#include "game/Grid.h"
#include "platform/headless/HeadlessToolkit.h"
#include "platform/headless/RecordingSound.h"

namespace quorvan::test {

// One line of the trace.
using Json = nlohmann::json;

// Installs a fresh headless toolkit and a recording sound player, with the
// game state cleared, and keeps the pauses the game makes; puts everything
// back when it goes.
class HeadlessWorld : private GameObserver {
 public:
  HeadlessWorld();
  ~HeadlessWorld();
  HeadlessWorld(const HeadlessWorld&) = delete;
  HeadlessWorld& operator=(const HeadlessWorld&) = delete;

  HeadlessToolkit toolkit;
  std::vector<std::string> midi;
  std::vector<std::pair<std::string, int>> wav;
  std::vector<int> waits;  // the ms of every WaitMs, in order

 private:
  void WaitStarted(int ms) override { waits.push_back(ms); }
  RecordingSound sound_;
};

// The draw that makes RandomColumn() give `column`.
constexpr double DrawOfColumn(int column) { return (column + 0.5) / (LastPairColumn + 1); }

// A Wing item of `kind` floating on cell (x, y).
void PutWingItem(ItemKind kind, int x, int y);

struct SimRun {
  int code = 0;
  std::vector<Json> events;

  std::vector<Json> Of(const std::string& ev) const;
  std::vector<Json> Frames() const { return Of("frame"); }
  const Json& Frame(int n) const;  // frame n, counted from 1
};

SimRun RunScenario(const std::string& scenario);

}  // namespace quorvan::test
