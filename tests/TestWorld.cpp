#include "tests/TestWorld.h"

#include <cstdio>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "cycle/GameCycle.h"
#include "game/GameObserver.h"
#include "game/GameState.h"
#include "game/InputRules.h"
#include "game/Random.h"
#include "platform/headless/Simulator.h"
#include "record/Scenario.h"
#include "screens/Window.h"
#include "sound/FileLookup.h"

namespace quorvan::test {

HeadlessWorld::HeadlessWorld()
    : sound_([this](const std::string& command) { midi.push_back(command); },
             [this](const std::string& file, int flags) { wav.emplace_back(file, flags); }) {
  G = GameState{};
  Window::ForgetAll();
  ClearQueuedRandomValues();
  InstallToolkit(&toolkit);
  InstallSoundListener(&sound_);
  InstallObserver(this);
  InstallGameInputRules();
  SetAssetFolder(QUORVAN_SOURCE_ASSETS);
}

void PutWingItem(ItemKind kind, int x, int y) {
  G.WingItemActive = true;
  G.WingItemKind = kind;
  G.WingItemX = x;
  G.WingItemY = y;
}

HeadlessWorld::~HeadlessWorld() {
  Window::ForgetAll();
  ClearQueuedRandomValues();
  InstallToolkit(nullptr);
  InstallSoundListener(nullptr);
  InstallObserver(nullptr);
  InstallInputRules(nullptr);
}

std::vector<Json> SimRun::Of(const std::string& ev) const {
  std::vector<Json> out;
  for (const auto& e : events)
    if (e["ev"].get<std::string>() == ev) out.push_back(e);
  return out;
}

const Json& SimRun::Frame(int n) const {
  for (const auto& e : events)
    if (e["ev"].get<std::string>() == "frame" && e["n"].get<int>() == n) return e;
  throw std::out_of_range("no frame " + std::to_string(n));
}

SimRun RunScenario(const std::string& scenario) {
  std::istringstream in(scenario);
  const Scenario parsed = ParseScenario(in);
  SetAssetFolder(QUORVAN_SOURCE_ASSETS);
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), &std::fclose);
  std::FILE* trace = file.get();
  if (!trace) throw std::runtime_error("no temporary file");
  SimRun run;
  {
    Simulator simulator(parsed, trace);
    run.code = simulator.Run();
  }
  std::rewind(trace);
  std::string line;
  for (int c; (c = std::fgetc(trace)) != EOF;) {
    if (c != '\n') {
      line += static_cast<char>(c);
      continue;
    }
    run.events.push_back(Json::parse(line));
    line.clear();
  }
  return run;
}

}  // namespace quorvan::test
