// Plays a recording back in the real windows, at the game's own pace: the
// recorded seed, the edition of each game, every input at the moment the game
// received it, the entries and the "O K"s. The player's keys and clicks are
// kept from the game until the recording has nothing more to play; closing a
// window still works. A recording that ends by closing the setup window
// closes it; one that ends otherwise leaves the player at the setup window.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "game/GameObserver.h"
#include "platform/replay/ToolkitRelay.h"
#include "record/GameMoments.h"
#include "record/Scenario.h"

namespace quorvan {

class GameReplay final : public ToolkitRelay, private GameObserver {
 public:
  // `nowMs` is a clock in milliseconds.
  GameReplay(Toolkit& inner, const Scenario& recording, std::function<std::int64_t()> nowMs);
  ~GameReplay() override;
  GameReplay(const GameReplay&) = delete;
  GameReplay& operator=(const GameReplay&) = delete;

  // True once everything recorded has been played: the game is the player's.
  bool Over() const;

  void ShowWindow(WindowId w) override;
  bool IsOptionSelected(WindowId w, int control) override;
  std::string AskText(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override;
  void PumpEvents() override;
  void ProcessPendingEvents() override;
  std::uint64_t ClockSeed() override;

 private:
  // Something the replay does after a while on the clock.
  struct Later {
    std::int64_t dueMs;
    std::function<void()> action;
  };

  bool PlayerActs(const PlayerInput& input) override;
  void StageStarted() override { moments_.StageStarted(); }
  void FrameEnded() override { moments_.FrameEnded(); }
  void WaitStarted(int ms) override { moments_.WaitStarted(ms); }
  void ConfirmWaitStarted() override;

  bool DeliverDue();  // true when it delivered anything
  void Deliver(const ScenarioInput& input);
  void ClickButton(const char* window, const char* button);
  void RunLater(std::int64_t delayMs, std::function<void()> action);

  Scenario recording_;
  std::function<std::int64_t()> nowMs_;
  std::int64_t startMs_ = 0;
  MomentTracker moments_;
  std::deque<TimedInput> frameInputs_;   // "at F", in frame order
  std::deque<TimedInput> momentInputs_;  // "at F wait K", "at F step P": in order of moments
  std::deque<TimedInput> clockInputs_;   // "at Tms", in time order
  std::deque<std::optional<std::string>> entries_;
  std::deque<Later> later_;
  std::int64_t setupWindows_ = 0;
  std::int64_t messages_ = 0;
  int edition_ = 0;  // of the setup window shown, 0: the player's choice
};

}  // namespace quorvan
