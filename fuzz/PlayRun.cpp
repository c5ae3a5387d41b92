#include "fuzz/PlayRun.h"

#include <cstdio>
#include <exception>
#include <sstream>

#include "fuzz/Invariants.h"
#include "record/Scenario.h"

namespace quorvan::fuzz {
namespace {

// The trace is only digested (FNV-1a), so runs of millions of frames need
// no memory for it.
ssize_t Digest(void* cookie, const char* data, std::size_t size) {
  auto& hash = *static_cast<std::uint64_t*>(cookie);
  for (std::size_t i = 0; i < size; ++i) {
    hash ^= static_cast<unsigned char>(data[i]);
    hash *= 0x100000001b3ULL;
  }
  return static_cast<ssize_t>(size);
}

// Both look on: a fan-out to the checks and the coverage count.
class Watchers final : public SimulatorWatcher {
 public:
  Watchers(InvariantChecks& checks, Coverage* coverage) : checks_(checks), coverage_(coverage) {}
  void FrameEnded() override {
    if (coverage_) coverage_->FrameEnded();
    checks_.FrameEnded();
  }
  void StageStarted() override { checks_.StageStarted(); }
  void SoundPlayed(const std::string& sound) override {
    if (coverage_) coverage_->SoundPlayed(sound);
    checks_.SoundPlayed(sound);
  }
  void DialogAnswered(bool cancelled) override {
    if (coverage_) coverage_->DialogAnswered(cancelled);
  }

 private:
  InvariantChecks& checks_;
  Coverage* coverage_;
};

}  // namespace

PlayResult RunPlay(const std::string& text, Coverage* coverage, std::int64_t stopAt) {
  PlayResult result;
  std::istringstream in(text);
  Scenario scenario;
  try {
    scenario = ParseScenario(in);
  } catch (const ScenarioError& e) {
    result.check = "ScenarioReadsBack";
    result.detail = e.what();
    return result;
  }
  if (stopAt > 0) {
    scenario.stop = Scenario::Stop::AfterFrames;
    scenario.stopCount = stopAt;
  }
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  std::FILE* sink = fopencookie(&hash, "w", {nullptr, Digest, nullptr, nullptr});
  if (coverage) coverage->NewRun();
  {
    Simulator simulator(scenario, sink);
    InvariantChecks checks(simulator);
    Watchers watchers(checks, coverage);
    simulator.Watch(&watchers);
    try {
      result.code = simulator.Run();
    } catch (const BrokenInvariant& broken) {
      result.check = broken.Check();
      result.detail = broken.what();
      result.frame = broken.Frame();
    } catch (const std::exception& e) {
      // The game waits for what can never come, or a procedure gave up.
      result.check = "PlayEndsOnlyAsTheGameSays";
      result.detail = e.what();
      result.frame = simulator.Frames();
    }
    result.frames = simulator.Frames();
  }
  std::fclose(sink);
  result.trace = hash;
  return result;
}

}  // namespace quorvan::fuzz
