// How much of the game the fuzzer's runs have reached: stages, Wings, items,
// attacks and dialogs, summed over every run.
#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <string>

#include "game/GameState.h"
#include "platform/headless/Simulator.h"

namespace quorvan::fuzz {

class Coverage final : public SimulatorWatcher {
 public:
  void FrameEnded() override;
  void SoundPlayed(const std::string& sound) override;
  void DialogAnswered(bool cancelled) override { ++(cancelled ? cancelled_ : answered_); }
  // A new run starts: what lasts a run starts over.
  void NewRun();
  void Add(const Coverage& other);

  std::int64_t Frames() const { return frames_; }
  void Write(std::ostream& out) const;

 private:
  std::int64_t runs_ = 0;
  std::int64_t frames_ = 0;
  std::array<std::int64_t, StageCount> framesInStage_{};
  std::array<std::int64_t, StageCount> runsReachingStage_{};
  std::array<std::int64_t, WingCount> framesWithWing_{};
  std::int64_t wingItems_ = 0, energyItems_ = 0;
  std::int64_t halfSweeps_ = 0, fullSweeps_ = 0, collects_ = 0;
  std::int64_t reflections_ = 0, bombHits_ = 0, comets_ = 0;
  std::int64_t clears_ = 0, gameOvers_ = 0;
  std::int64_t answered_ = 0, cancelled_ = 0;
  // Within the run.
  int highestStage_ = -1;
  Wing lastWing_ = Wing::None;
  bool lastComet_ = false;
};

}  // namespace quorvan::fuzz
