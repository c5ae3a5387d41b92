// What must hold after every frame, whatever the player does. The fuzzer
// watches every run with these checks; the first that fails ends the run.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "platform/headless/Simulator.h"

namespace quorvan::fuzz {

class BrokenInvariant : public std::runtime_error {
 public:
  BrokenInvariant(std::string check, std::int64_t frame, const std::string& detail)
      : std::runtime_error(detail), check_(std::move(check)), frame_(frame) {}
  const std::string& Check() const { return check_; }
  std::int64_t Frame() const { return frame_; }

 private:
  std::string check_;
  std::int64_t frame_;
};

class InvariantChecks final : public SimulatorWatcher {
 public:
  explicit InvariantChecks(const Simulator& simulator) : simulator_(simulator) {}

  // Throws BrokenInvariant naming the first check that fails.
  void FrameEnded() override;
  void StageStarted() override;
  void SoundPlayed(const std::string& sound) override;

 private:
  void Fail(const char* check, const std::string& detail) const;
  void CheckRanges() const;
  void CheckSprites() const;
  void CheckShot() const;
  void CheckLabels();

  const Simulator& simulator_;
  // Moments the game does not refresh the panel after: a bomb hit and the
  // energy item change the energy, a reflection the score and enemy count.
  bool energyChangedUnshown_ = false;
  bool reflectedSinceRefresh_ = false;
  // The shot as the last frame left it: a new Wing's shot is drawn from the
  // frame after it changed.
  int lastWing_ = -1;
  bool lastShotActive_ = false;
};

}  // namespace quorvan::fuzz
