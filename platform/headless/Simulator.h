// Runs the real game cycle on the headless toolkit from a scenario and
// writes what happens as a trace.
#pragma once

#include <cstdio>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "game/GameObserver.h"
#include "platform/headless/HeadlessToolkit.h"
#include "platform/headless/RecordingSound.h"
#include "record/GameMoments.h"
#include "record/Scenario.h"
#include "record/TraceWriter.h"

namespace quorvan {

// Someone who looks on as the simulator plays, such as the fuzzer's checks.
// FrameEnded may throw to end the run.
class SimulatorWatcher {
 public:
  virtual void FrameEnded() {}
  virtual void StageStarted() {}
  virtual void SoundPlayed(const std::string& /*file or MIDI command*/) {}
  virtual void DialogAnswered(bool /*cancelled*/) {}

 protected:
  ~SimulatorWatcher() = default;
};

class Simulator final : private GameObserver, private HeadlessToolkit::Listener {
 public:
  Simulator(const Scenario& scenario, std::FILE* trace);
  ~Simulator();
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  // Plays the scenario to its stop; returns the program's exit code.
  int Run();

  HeadlessToolkit& Toolkit() { return toolkit_; }
  // The toolkit the game is given: the headless one, unless one that passes
  // everything on to it (a recorder) stands between.
  void SetGameToolkit(quorvan::Toolkit& toolkit) { gameToolkit_ = &toolkit; }
  void Watch(SimulatorWatcher* watcher) { watcher_ = watcher; }
  std::int64_t Frames() const { return frames_; }

 private:
  // The game cycle's moments.
  void StageStarted() override;
  void FrameEnded() override;
  void StageEnded() override;
  void GameEnded() override;
  void WaitStarted(int ms) override;
  void ConfirmWaitStarted() override;
  void PauseChanged() override;
  // What the toolkit shows and asks.
  void WindowChanged(const std::string& name, const char* action) override;
  void ControlShown(const std::string& window, const ControlLayout& control) override;
  void Printed(int x, int y, const std::string& text) override;
  std::string Answer(const std::string& prompt, const std::string& title,
                     const std::string& defaultText) override;
  void BeforePump() override;
  void StepShown() override;

  void Deliver(const ScenarioInput& input);
  void DeliverMomentInputs();
  void Stop();
  void WriteFrame();

  Scenario scenario_;
  HeadlessToolkit toolkit_;
  quorvan::Toolkit* gameToolkit_ = &toolkit_;
  RecordingSound sound_;
  TraceWriter trace_;
  std::deque<TimedInput> frameInputs_;   // in frame order
  std::deque<TimedInput> momentInputs_;  // "at F wait K", "at F step P": in order of moments
  MomentTracker moments_;
  std::deque<std::optional<std::string>> entries_;
  std::int64_t frames_ = 0;
  std::int64_t games_ = 0;
  std::int64_t setupWindows_ = 0;
  std::int64_t messages_ = 0;  // "O K" buttons shown
  SimulatorWatcher* watcher_ = nullptr;
  int inputsToCome_ = 0;  // scripted inputs scheduled and not yet delivered
};

}  // namespace quorvan
